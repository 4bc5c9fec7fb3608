#!/bin/sh
# Compiles the help project in the current folder: compile-help.sh CHMCMD PROJECT. chmcmd follows
# the pages' links and pictures and only warns about one it cannot find; here that fails.
set -u
"$1" --verbosity 2 "$2" > chmcmd.log 2>&1
status=$?
if grep -i 'warning\|error' chmcmd.log >&2; then
  exit 1
fi
exit $status
