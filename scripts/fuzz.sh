#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the document fuzzer with clang and runs it for a while on the seed corpus.
# Usage: scripts/fuzz.sh [seconds]   (does nothing when clang or libFuzzer is missing)
set -euo pipefail
seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_FUZZ_BUILD_DIR:-$top/build-fuzz}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "fuzz: clang with libFuzzer not found, skipped"
  exit 0
fi
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DORVANE_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target fuzz_documents >/dev/null
mkdir -p "$build/artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top"/fuzz/corpus/* "$work"/
# Known crashers stay in the regression folder and must now run clean.
if ls "$top"/fuzz/regressions/* >/dev/null 2>&1; then
  "$build/fuzz/fuzz_documents" "$top"/fuzz/regressions/* 2>&1 | tail -n 3
fi
set +e
# A small quarantine and short allocation stacks keep the sanitizer's own bookkeeping from
# growing into the memory limit on long runs (the readers' own memory stays flat).
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:malloc_context_size=8}
"$build/fuzz/fuzz_documents" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 \
  -artifact_prefix="$build/artifacts/" "$work" >"$work/log" 2>&1
status=$?
set -e
grep -E '^Done|ERROR|SUMMARY' "$work/log" || true
if [ $status -ne 0 ]; then
  tail -n 60 "$work/log"
  echo "fuzz: the fuzzer found a failing input, kept in $build/artifacts/"
  exit $status
fi
echo "fuzz: ${seconds}s without a failure"
