#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tarvelle, ships the tools into the build
# tree and runs the whole test suite; then the same suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of every fuzz
# target; after each suite, its ten slowest tests, and after the plain one a
# check that every test over 5 s has a cost (tests/LongTests.cmake). Each
# phase prints how long it took. Set TARVELLE_QUICK=1 to run the plain suite
# only.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVELLE_BUILD_DIR:-$repo/build}

# Let ccache reuse objects compiled in another checkout of the same sources.
export CCACHE_BASEDIR=$repo CCACHE_NOHASHDIR=true

# Runs one phase and says how long it took.
phase() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "== $name: $((SECONDS - start)) s"
}

# The plain suite; its status is kept until the slowest tests are shown.
plain_tests() {
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j2) || status=$?
}

phase dependencies "$repo/scripts/install-deps.sh"
phase configure cmake -S "$repo" -B "$build" -G Ninja
phase build cmake --build "$build"
phase tools "$repo/scripts/bootstrap-tools.sh" "$build"
status=0
phase tests plain_tests
"$repo/scripts/slowest-tests.sh" "$build"
"$repo/scripts/check-test-costs.sh" "$build" || status=$?
[ "$status" = 0 ] || exit "$status"

if [ "${TARVELLE_QUICK:-0}" != 1 ]; then
  phase sanitizers "$repo/scripts/test-sanitizers.sh" address
  phase fuzzing "$repo/scripts/fuzz.sh" 20
fi
echo "== all: $SECONDS s"
