#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tarvelle, ships the tools into the build
# tree and runs the whole test suite; then the same suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of every fuzz
# target; after each suite, its ten slowest tests. Set TARVELLE_QUICK=1 to run
# the plain suite only.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVELLE_BUILD_DIR:-$repo/build}

# Let ccache reuse objects compiled in another checkout of the same sources.
export CCACHE_BASEDIR=$repo CCACHE_NOHASHDIR=true

"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$build" -G Ninja
cmake --build "$build"
"$repo/scripts/bootstrap-tools.sh" "$build"
status=0
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j2) || status=$?
"$repo/scripts/slowest-tests.sh" "$build"
[ "$status" = 0 ] || exit "$status"

if [ "${TARVELLE_QUICK:-0}" != 1 ]; then
  "$repo/scripts/test-sanitizers.sh" address
  "$repo/scripts/fuzz.sh" 20
fi
