#!/bin/sh
# Builds the program and starts it; it goes straight to the notification area.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$top/build" --target Tippomat
exec "$top/build/src/Tippomat" "$@"
