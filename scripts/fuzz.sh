#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang and runs each for a share of the given time on its seeds.
# Usage: scripts/fuzz.sh [seconds]   (does nothing when clang or libFuzzer is missing)
set -euo pipefail
seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_FUZZ_BUILD_DIR:-$top/build-fuzz}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "fuzz: clang with libFuzzer not found, skipped"
  exit 0
fi
# target:seed folder:extra libFuzzer options
fuzzers=("fuzz_documents:corpus:" "fuzz_rtf:rtfcorpus:-detect_leaks=0")
fuzzers+=("fuzz_wmfplayer:corpus-wmf:-detect_leaks=0")
fuzzers+=("fuzz_emfplayer:corpus-emf:-detect_leaks=0")
fuzzers+=("fuzz_pictures:corpus-pictures:-detect_leaks=0")
fuzzers+=("fuzz_tga:corpus-tga:")
fuzzers+=("fuzz_recurring:corpus-recurring:")
fuzzers+=("fuzz_icons:corpus-icons:-detect_leaks=0")
# libical keeps its built-in zones for the life of the process.
fuzzers+=("fuzz_ical:corpus-ical:-detect_leaks=0")
fuzzers+=("fuzz_inifile:corpus-ini:")
fuzzers+=("fuzz_holidays:corpus-holidays:")

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DORVANE_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
targets=()
for f in "${fuzzers[@]}"; do targets+=("${f%%:*}"); done
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}" >/dev/null
mkdir -p "$build/artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A small quarantine and short allocation stacks keep the sanitizer's own bookkeeping from
# growing into the memory limit on long runs (the readers' own memory stays flat). Fonts are
# looked up once per process and kept, which is not a leak of ours.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:malloc_context_size=2}
share=$(( seconds / ${#fuzzers[@]} ))
[ "$share" -lt 1 ] && share=1
for f in "${fuzzers[@]}"; do
  IFS=: read -r target seeds extra <<<"$f"
  mkdir -p "$work/$target"
  cp "$top/fuzz/$seeds"/* "$work/$target"/ 2>/dev/null || true
  # Inputs that once failed stay as regression files and must now run clean.
  if ls "$top/fuzz/regressions/$target"/* >/dev/null 2>&1; then
    # The malloc limit makes a regression file that once asked for gigabytes fail loudly, the
    # timeout one that once hung.
    ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" "$build/fuzz/$target" -malloc_limit_mb=512 -timeout=10 \
      "$top/fuzz/regressions/$target"/* >"$work/$target.regressions" 2>&1 \
      || { tail -n 40 "$work/$target.regressions"; echo "fuzz: $target fails on a regression file"; exit 1; }
  fi
  asan=$ASAN_OPTIONS
  # Without leak checks per input, the check at exit must go too.
  [[ "$extra" == *-detect_leaks=0* ]] && asan="$asan:detect_leaks=0"
  set +e
  # The picture readers' freed buffers stay with the sanitizer's allocator, so the process
  # grows well past its live heap (tens of megabytes): give it room.
  ASAN_OPTIONS=$asan "$build/fuzz/$target" $extra -max_total_time="$share" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$build/artifacts/$target-" "$work/$target" >"$work/$target.log" 2>&1
  status=$?
  set -e
  if [ $status -ne 0 ]; then
    tail -n 60 "$work/$target.log"
    echo "fuzz: $target found a failing input, kept in $build/artifacts/"
    exit $status
  fi
  echo "fuzz: $target $(grep -E '^Done' "$work/$target.log" | tail -n 1)"
done
echo "fuzz: ${seconds}s without a failure"
