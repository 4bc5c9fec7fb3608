#!/bin/sh
# Maps drive letters for the launch and shortcut tests in the Wine prefix: L: a CD-ROM drive,
# D:, M: and N: fixed drives, each holding app/markprog.exe; then restarts the Wine server so
# that it reads them.
# Usage: map-drives.sh FOLDER MARKPROGRAM
set -eu
root=$1
program=$2
prefix=${WINEPREFIX:?WINEPREFIX must name the test prefix}
for letter in d l m n; do
  mkdir -p "$root/$letter/app"
  cp "$program" "$root/$letter/app/markprog.exe"
  ln -sfn "$root/$letter" "$prefix/dosdevices/$letter:"
done
wine reg add 'HKLM\Software\Wine\Drives' /v l: /d cdrom /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
