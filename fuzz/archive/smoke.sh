#!/usr/bin/env bash
# Builds the archive-reader fuzzer with clang and runs it for a few seconds (default 10).
# Usage: fuzz/archive/smoke.sh [seconds] [build folder]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:-10}"
build="${2:-$here/../../build/fuzz-archive}"
generator=()
if command -v ninja >/dev/null 2>&1 && [ ! -f "$build/CMakeCache.txt" ]; then generator=(-G Ninja); fi
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" >/dev/null
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
# New inputs go to the temporary folder; the seeds in the tree are only read.
"$build/fuzz_archive_reader" -max_total_time="$seconds" -malloc_limit_mb=64 -rss_limit_mb=1024 \
    -timeout=10 -dict="$here/archive.dict" -artifact_prefix="$build/" \
    "$corpus" "$here/corpus"
