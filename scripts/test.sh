#!/bin/sh
# Installs what is missing, builds both suites and runs every test: the native suite (unit,
# dialog and end-to-end tests under Xvfb with a window manager and a tray host), the Windows
# suite, cross-compiled with mingw-w64 and run by ctest under Wine, the Qt-free native tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzz target.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/install-deps.sh"

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$top/build" -j "$jobs"
cmake -S "$top" -B "$top/build-win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=ON -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
cmake --build "$top/build-win" -j "$jobs"
# The Qt-free tests once more with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets (clang), each run for a short time.
cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=ON -DTIPPOMAT_BUILD_UI=OFF -DTIPPOMAT_SANITIZE=ON
cmake --build "$top/build-asan" -j "$jobs"
cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTIPPOMAT_FUZZ=ON -DTIPPOMAT_BUILD_UI=OFF
cmake --build "$top/build-fuzz" -j "$jobs"

# One private X server for everything that needs a display (Wine's window calls too).
. "$top/scripts/x-session.sh"
start_x_session

export WINEPREFIX="$top/build-win/wineprefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true

status=0
(cd "$top/build" && ctest --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd "$top/build-win" && ctest --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd "$top/build-asan" && UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -L 'core|x11' --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd "$top/build-fuzz" && ctest -L fuzz --output-on-failure --no-tests=error -j "$jobs") || status=1
wineserver -k 2>/dev/null || true
exit $status
