#!/bin/sh
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each in turn for a longer time: scripts/fuzz.sh [SECONDS-PER-TARGET, default 300].
# New inputs collect in build-fuzz/tests/fuzz/corpus/<target>, findings in .../crashes.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTIPPOMAT_FUZZ=ON -DTIPPOMAT_BUILD_UI=OFF >/dev/null
cmake --build "$top/build-fuzz" -j 2

fuzz="$top/build-fuzz/tests/fuzz"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
total=0
for target in ini_file form_state_file shortcut_text split_command_line shell_words; do
  # ctest knows the target's seed folders; run its command with the longer time.
  command=$(cd "$top/build-fuzz" && ctest -N -V -R "^fuzz\.$target\$" |
    sed -n 's/^[0-9]*: Test command: //p')
  start=$(date +%s)
  # shellcheck disable=SC2086
  if ! (cd "$fuzz" && eval "$command" -max_total_time="$seconds") >"$log" 2>&1; then
    status=1
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  runs=${runs:-0}
  total=$((total + runs))
  printf '%-20s %12s executions in %s s\n' "$target" "$runs" "$(($(date +%s) - start))"
done
printf '%-20s %12s executions\n' total "$total"
exit $status
