#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 20) over its
# seed corpus in fuzz/corpus/. New inputs go to a scratch folder, so the seeds
# in the repository stay as they are; a crash leaves its input in the build
# folder and fails the run.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-20}
build=${TARVELLE_FUZZ_BUILD_DIR:-$repo/build-fuzz}
targets=(progress_parser metadata_parser batch_parser line_accumulator manifest)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$repo/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
cmake --build "$build"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  scratch=$(mktemp -d)
  echo "fuzz: $target for ${seconds}s"
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" "$scratch" "$repo/fuzz/corpus/$target" \
      > "$build/$target.log" 2>&1; then
    tail -n 40 "$build/$target.log"
    rm -rf "$scratch"
    echo "fuzz: $target FAILED (input saved under $build/artifacts)" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$build/$target.log" | sed "s/^/  /"
  rm -rf "$scratch"
done
echo "fuzz: all targets ran clean"
