#!/usr/bin/env bash
# Builds the Debian package of Tarvelle in one go: configures a release build,
# builds the two programs, ships the tools into the build tree
# (scripts/bootstrap-tools.sh) and runs CPack. The package lands in BUILD.
#
# usage: scripts/package-deb.sh [BUILD]      (default BUILD: ./build-deb)
# then:  sudo apt install ./build-deb/tarvelle_*.deb
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build-deb}

# Tests and benchmarks are not shipped; leaving them out makes the build shorter.
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTARVELLE_BUILD_TESTS=OFF -DTARVELLE_BUILD_BENCHMARKS=OFF
cmake --build "$build" --target tarvelle tarvelle-cli
"$repo/scripts/bootstrap-tools.sh" "$build"
(cd "$build" && cpack -G DEB)
ls -l "$build"/tarvelle_*.deb
