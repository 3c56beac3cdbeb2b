#!/usr/bin/env bash
# Fails when a test of the last ctest run in BUILD took longer than LIMIT
# seconds (default 5) and has no COST: in a fresh tree CTest knows only the
# costs (tests/LongTests.cmake) and would start such a test whenever its turn
# came, perhaps last and alone.
#   scripts/check-test-costs.sh BUILD [LIMIT]
set -euo pipefail
build=${1:?usage: scripts/check-test-costs.sh BUILD [LIMIT]}
limit=${2:-5}
log=$build/Testing/Temporary/LastTest.log
if [ ! -f "$log" ]; then
  echo "check-test-costs: no test log in $build" >&2
  exit 1
fi

# Each test's entry in the log starts with "N/M Test: NAME" and ends with
# "Test time = SECONDS sec"; CTest lists the properties it was given.
times=$(awk '/^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); name = $0 }
             /^Test time = / && name != "" { printf "%s\t%s\n", $4, name; name = "" }' "$log")
# Listing the tests rewrites CTest's log of the last run: keep it as it was.
saved=$(mktemp)
trap 'cp "$saved" "$log"; rm -f "$saved"' EXIT
cp "$log" "$saved"
(cd "$build" && ctest --show-only=json-v1 2>/dev/null) | TIMES=$times LIMIT=$limit python3 -c '
import json, os, sys
costed = {test["name"] for test in json.load(sys.stdin)["tests"]
          if any(p["name"] == "COST" for p in test.get("properties", []))}
limit = float(os.environ["LIMIT"])
missing = []
for line in os.environ["TIMES"].splitlines():
    seconds, name = line.split("\t", 1)
    if float(seconds) > limit and name not in costed:
        missing.append((float(seconds), name))
for seconds, name in sorted(missing, reverse=True):
    print(f"{seconds:9.2f} s  {name}")
if missing:
    print(f"check-test-costs: these tests took over {limit:g} s and have no COST; "
          "add them to tests/LongTests.cmake", file=sys.stderr)
    sys.exit(1)
'
