#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libraries that need no widgets and their tests with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build folder of their own, and runs those tests.
# Usage: scripts/sanitize.sh   (does nothing when clang is missing)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_SANITIZE_BUILD_DIR:-$top/build-sanitize}
if ! command -v clang++ >/dev/null; then
  echo "sanitize: clang not found, skipped"
  exit 0
fi
# The model libraries' tests (core, graphics, metafile, images, richtext, calendar, objects,
# storage, ical, the page model with its output and event fill) and the recurring-date
# model's. Tests that drive widgets, the page widget or the renderer stay in the ordinary
# build: the sanitized Qt they would need is not there, and they would double the time.
tests=(test_core test_graphics test_metafile test_images test_iconlibrary test_richtext
       test_calendar test_objects test_valuestream test_objectrecords test_recurring_model
       test_ical test_pagemodel)

# -O1 and line tables only: the sanitizers' reports keep file and line at a fraction of
# the compile time of full debug information.
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target "${tests[@]}" >/dev/null

# Qt's font and platform caches and libical's built-in time zones live until the process
# ends, which is not a leak of ours.
suppressions=$(mktemp)
trap 'rm -f "$suppressions"' EXIT
printf 'leak:libQt6Gui.so\nleak:libQt6Widgets.so\nleak:libfontconfig.so\nleak:libfreetype.so\nleak:libical.so\n' >"$suppressions"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_stack_use_after_return=0:strict_string_checks=1:check_initialization_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export LSAN_OPTIONS="suppressions=$suppressions"
# libical's parser looks through the rest of its input for every line, which the strict
# string checks make quadratic: a file of fifty thousand events takes minutes here. The
# ordinary build runs that test.
export GTEST_FILTER="-CalendarEventsTest.FilesOfTensOfThousandsOfEventsExpandCompletely"
pattern="^($(IFS='|'; echo "${tests[*]}"))\$"
cd "$build"
ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)" -R "$pattern"
