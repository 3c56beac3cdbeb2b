#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tarvelle, ships the tools into the build
# tree and starts the application. Arguments are passed to the application.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVELLE_BUILD_DIR:-$repo/build}

"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$build" -G Ninja
cmake --build "$build" --target tarvelle
"$repo/scripts/bootstrap-tools.sh" "$build"
exec "$build/bin/tarvelle" "$@"
