#!/usr/bin/env bash
# Prints the COUNT (default 10) slowest tests of the last ctest run in BUILD,
# slowest first, from CTest's log of that run.
#   scripts/slowest-tests.sh BUILD [COUNT]
set -euo pipefail
build=${1:?usage: scripts/slowest-tests.sh BUILD [COUNT]}
count=${2:-10}
log=$build/Testing/Temporary/LastTest.log
if [ ! -f "$log" ]; then
  echo "slowest-tests: no test log in $build" >&2
  exit 1
fi

echo "Slowest tests of the last run in $build:"
# Each test's entry starts with "N/M Test: NAME" and ends with
# "Test time = SECONDS sec".
awk '/^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); name = $0 }
     /^Test time = / && name != "" { printf "%9.2f s  %s\n", $4, name; name = "" }' "$log" |
  sort -rn | sed -n "1,${count}p"
