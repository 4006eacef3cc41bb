#!/usr/bin/env bash
# Builds the tests of the work the program shares among threads - the
# parallel loops, the database's reading in parts, the report engine (its
# records read, selected and sorted side by side, its formulas worked out
# beside the layout), and the painting and joining of a long PDF's parts -
# with ThreadSanitizer into build-tsan/ (only what those tests need), and
# runs them. A data race, a lock taken in a wrong order or a thread left
# running fails the run.
#
# The sanitizer checks the code built here. Qt, glibc and fontconfig are
# not built with it, and the order they keep among threads with locks of
# their own is hidden from it: Qt's thread pool (on which it scales a
# preview page's picture in pieces), glibc's time zone and fontconfig's
# caches (which Qt's PDF writer asks on each painter thread). What they do
# inside themselves through the C library (memmove, malloc, free) is not
# checked (ignore_noninstrumented_modules), and no report is suppressed.
# KV_JOBS sets the parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

. tools/sanitized-build.sh
configure_sanitized build-tsan "-fsanitize=thread -fno-omit-frame-pointer" "-fsanitize=thread"

tests=(kv_parallel_test dao_tests kv_reportpaint_test kv_report_test)
cmake --build build-tsan --parallel "$jobs" --target kolvio-vev-paint "${tests[@]}"

# Each test in a process of its own, as CTest runs them: only these
# programs' tests, the suite's others are not built here. The test that
# kills a child at each write point in turn is left out: the tests' support
# gives each child a minute, which a sanitized child painting 200 pages
# does not keep to, and its painting is the one the other tests check.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1"
export QT_QPA_PLATFORM=offscreen
cd build-tsan
ctest --output-on-failure --parallel "$jobs" --timeout 900 -L "^($(IFS='|'; echo "${tests[*]}"))\$" \
  -E '^PdfWholeOrNothing\.AKillAtAnyWritePoint'
