#!/bin/sh
# Builds and runs the benchmark on a private Xvfb with openbox and a tray host.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$top/build-bench"
. "$top/scripts/x-session.sh"
start_x_session
"$top/build-bench/bench/tippomat_bench"
