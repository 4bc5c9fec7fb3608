#!/bin/sh
# Pictures of every window on both faces at 100 % and 200 % scaling, into screenshots/out/
# (qt-100/, qt-200/, win32-100/, win32-200/, one <window>.png each). The Qt face is drawn
# offscreen at QT_SCALE_FACTOR 1 and 2; the Win32 face runs under Wine on a private X server, in
# a prefix of its own for each scaling (96 and 192 dots per inch). Uses the test command's build
# trees (built when missing).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=${jobs:-$(nproc)}
. "$top/scripts/trees.sh"
make_missing_trees
cmake --build "$top/build" -j "$jobs" --target screenshots_qt
cmake --build "$top/build-win" -j "$jobs" --target screenshots_win32
out="$top/screenshots/out"
rm -rf "$out"

for scaling in 100 200; do
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$((scaling / 100)) \
    "$top/build/screenshots/screenshots_qt" "$out/qt-$scaling" 2>/dev/null
done

. "$top/scripts/x-session.sh"
start_x_session
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
for scaling in 100 200; do
  export WINEPREFIX="$top/build-win/wineprefix-shots-$scaling"
  if [ ! -d "$WINEPREFIX" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
      /d $((96 * scaling / 100)) /f >/dev/null 2>&1
    wineserver -w
  fi
  mkdir -p "$out/win32-$scaling"
  wine "$top/build-win/screenshots/screenshots_win32.exe" "Z:$out/win32-$scaling"
  wineserver -w
  python3 "$top/scripts/bmp-to-png.py" "$out/win32-$scaling"/*.bmp
  rm -f "$out/win32-$scaling"/*.bmp
done
ls -R "$out"
