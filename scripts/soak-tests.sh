#!/bin/sh
# Runs the end-to-end suites N times in a row (default 20) on one private X server: the native
# end-to-end tests (label e2e) and the Windows suite's window tests under Wine (the Win32 face
# and Tippomat.exe). Prints each run's result and at the end how many runs failed, by test.
# Builds a tree that is missing (as scripts/test.sh does) and brings the others up to date.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
runs=${1:-20}
. "$top/scripts/trees.sh"
make_missing_trees
cmake --build "$top/build" -j "$jobs"
cmake --build "$top/build-win" -j "$jobs"

. "$top/scripts/x-session.sh"
start_x_session
use_wine

logs=$(mktemp -d)
failures="$logs/failures" # one line per failed test and run
: >"$failures"

# Appends the names of the failed tests of one ctest log: GoogleTest's own names where the log
# has them (a suite that runs as one ctest test), else ctest's.
record_failures() {
  names=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_/]*\) (.*/\1/p' "$1" | sort -u)
  [ -n "$names" ] || names=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (.*)$/\1/p' "$1")
  [ -n "$names" ] || names="$2"
  printf '%s\n' "$names" >>"$failures"
}

failed_runs=0
run=1
while [ "$run" -le "$runs" ]; do
  ok=yes
  (cd "$top/build" && ctest -L e2e --output-on-failure --no-tests=error) \
    >"$logs/native-$run.log" 2>&1 || { ok=no; record_failures "$logs/native-$run.log" e2e; }
  (cd "$top/build-win" && ctest -R '^win32_(face|program)_tests$' --output-on-failure \
    --no-tests=error) >"$logs/win-$run.log" 2>&1 ||
    { ok=no; record_failures "$logs/win-$run.log" win32; }
  if [ $ok = yes ]; then
    echo "run $run of $runs: passed"
  else
    echo "run $run of $runs: FAILED (logs in $logs)"
    failed_runs=$((failed_runs + 1))
  fi
  run=$((run + 1))
done
wineserver -k 2>/dev/null || true

echo "$failed_runs of $runs runs failed"
if [ -s "$failures" ]; then
  echo "failed runs by test:"
  sort "$failures" | uniq -c | sort -rn
  exit 1
fi
rm -rf "$logs"
