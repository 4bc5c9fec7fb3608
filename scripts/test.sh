#!/bin/sh
# Installs what is missing, builds both suites and runs every test: the native suite (unit,
# dialog and end-to-end tests under Xvfb with a window manager and a tray host), the Windows
# suite, cross-compiled with mingw-w64 and run by ctest under Wine, the Qt-free native tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzz target, and
# the packages (scripts/package.sh --check).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/install-deps.sh"

. "$top/scripts/trees.sh"
build_native
build_windows
build_checked

# One private X server for everything that needs a display (Wine's window calls too).
. "$top/scripts/x-session.sh"
start_x_session

use_wine

status=0
(cd "$top/build" && ctest --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd "$top/build-win" && ctest --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd "$top/build-asan" && UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -L 'core|x11' --output-on-failure --no-tests=error -j "$jobs") || status=1
(cd "$top/build-fuzz" && ctest -L fuzz --output-on-failure --no-tests=error -j "$jobs") || status=1
# The Debian package and the Windows zip, made and checked as a user gets them.
"$top/scripts/package.sh" --check || status=1
wineserver -k 2>/dev/null || true
exit $status
