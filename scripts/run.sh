#!/bin/sh
# Builds the program and starts it; it goes straight to the notification area (where the
# desktop has none, to the settings hub).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" --run
cmake -S "$top" -B "$top/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$top/build-release" --target Tippomat
exec "$top/build-release/src/Tippomat" "$@"
