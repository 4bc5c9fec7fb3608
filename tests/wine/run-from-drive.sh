#!/bin/sh
# Runs a test program from a drive letter mapped to its folder in the Wine prefix.
# Usage: run-from-drive.sh LETTER PROGRAM [ARGUMENTS...]
set -eu
letter=$1
program=$2
shift 2
prefix=${WINEPREFIX:?WINEPREFIX must name the test prefix}
ln -sfn "$(dirname "$program")" "$prefix/dosdevices/$letter:"
TIPPOMAT_EXPECT_DRIVE="$(echo "$letter" | tr a-z A-Z):" exec wine "$letter:\\$(basename "$program")" "$@"
