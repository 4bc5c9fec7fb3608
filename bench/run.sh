#!/bin/sh
# Builds and runs both faces' benchmarks on one private Xvfb with openbox and a tray host: the
# Linux program beside the minimal Qt tray program, then Tippomat.exe beside the minimal Win32
# tray program in one Wine session. Prints the machine and one table.
#   bench/run.sh [--earlier PROGRAM]   # the list editor's opening beside an earlier Linux build
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$top/build-bench" --target tippomat_bench
cmake -S "$top" -B "$top/build-bench-win" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
cmake --build "$top/build-bench-win" --target bench_windows
. "$top/scripts/x-session.sh"
start_x_session
export WINEPREFIX="$top/build-bench-win/wineprefix" WINEDEBUG=-all WINEARCH=win64 \
  WINEDLLOVERRIDES="mscoree,mshtml="
# A new prefix's wineserver ends before the persistent one below may start.
[ -d "$WINEPREFIX" ] || { wineboot -i >/dev/null 2>&1 || true; wineserver -w; }
# One Wine session for all starts: the server and Wine's tray stay between them.
wineserver -p
trap 'wineserver -k 2>/dev/null || true; kill $x_pids 2>/dev/null || true' EXIT INT TERM

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
  "$(wine --version 2>/dev/null), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$top/build-bench/bench/tippomat_bench" --linux "$@" --windows "$top/build-bench-win"
exe="$top/build-bench-win/src/Tippomat.exe"
# What makes up the program file, once it is past 1 MB.
if [ "$(stat -c %s "$exe")" -gt 1048576 ]; then
  x86_64-w64-mingw32-size -A "$exe"
fi
