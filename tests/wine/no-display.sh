#!/bin/sh
# Tippomat.exe started without a display says so and ends with 1: it neither runs on unseen nor
# fails on the sizes of windows that were never made. A copy of its own, so that no running
# copy takes the start over.
# Usage: no-display.sh PROGRAM
set -u
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$1" "$folder/Tippomat.exe"
said=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 30 wine "$folder/Tippomat.exe" 2>&1)
status=$?
echo "$said"
[ $status -eq 1 ] && echo "$said" | grep -q "keine Anzeige gefunden"
