#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tarvelle, ships the tools into the build
# tree and runs the whole test suite.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVELLE_BUILD_DIR:-$repo/build}

"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$build" -G Ninja
cmake --build "$build"
"$repo/scripts/bootstrap-tools.sh" "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j2
