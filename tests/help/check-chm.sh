#!/bin/sh
# The compiled help file holds the page of every context number of its project, and the viewer's
# table of contents: check-chm.sh TIPPOMAT.chm Tippomat.hhp
set -eu
chm=$1
project=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
extract_chmLib "$chm" "$out" >/dev/null
pages=$(sed -n '/^\[ALIAS\]/,/^\[/p' "$project" | tr -d '\r' | grep '=' | cut -d= -f2)
[ -n "$pages" ] || { echo "no topics in $project"; exit 1; }
status=0
for page in $pages Tippomat.hhc; do
  [ -s "$out/$page" ] || { echo "$chm lacks $page"; status=1; }
done
exit $status
