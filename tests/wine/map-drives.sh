#!/bin/sh
# Maps drive letters for the launch and shortcut tests in the Wine prefix: L: a CD-ROM drive,
# M: and N: fixed drives, each holding app/markprog.exe, and D: an empty fixed drive (for the
# shortcut tests; the drive search passes it); then restarts the Wine server so that it reads
# them.
# Usage: map-drives.sh FOLDER MARKPROGRAM
set -eu
root=$1
program=$2
prefix=${WINEPREFIX:?WINEPREFIX must name the test prefix}
# Every run starts from drives that hold only what this script puts there.
rm -rf "$root"
for letter in l m n; do
  mkdir -p "$root/$letter/app"
  cp "$program" "$root/$letter/app/markprog.exe"
  ln -sfn "$root/$letter" "$prefix/dosdevices/$letter:"
done
mkdir -p "$root/d"
ln -sfn "$root/d" "$prefix/dosdevices/d:"
wine reg add 'HKLM\Software\Wine\Drives' /v l: /d cdrom /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
