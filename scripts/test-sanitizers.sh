#!/usr/bin/env bash
# Builds everything with AddressSanitizer + UndefinedBehaviorSanitizer (or,
# with "thread", ThreadSanitizer) into its own tree and runs the tests there,
# except those that only copy files (the bootstrap and packaging tests) and
# those whose time goes to the real tools rather than to our code (label
# tool-bound, see tests/TestLabels.cmake; the plain pass runs them); then
# prints the ten slowest.
#   scripts/test-sanitizers.sh [address|thread] [ctest arguments...]
# The thread build is meant for the process and coordinator suites:
#   scripts/test-sanitizers.sh thread -R 'ProcessRunner|DownloadCoordinator|LineAccumulator'
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kind=${1:-address}
shift || true
build=$repo/build-$kind

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELLE_SANITIZE="$kind" \
  -DTARVELLE_BUILD_BENCHMARKS=OFF
cmake --build "$build"
"$repo/scripts/bootstrap-tools.sh" "$build" >/dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
status=0
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900 -j2 -LE 'copies-files|tool-bound' "$@") ||
  status=$?
"$repo/scripts/slowest-tests.sh" "$build"
exit "$status"
