#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (benchmarks left out) and runs
# the whole test suite with leak detection on. Any leak, memory error or
# undefined behaviour fails the run; a leak inside a system library that we
# cannot mend goes into tools/lsan.supp with its reason.
# KV_JOBS sets the parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
tools/install-deps.sh

. tools/sanitized-build.sh
# float-cast-overflow is not part of "undefined" in gcc: it catches a
# floating-point value converted to an integer too small to hold it.
configure_sanitized build-asan \
  "-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=undefined,float-cast-overflow" \
  "-fsanitize=address,undefined"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake --build build-asan --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen
cd build-asan
ctest --output-on-failure --parallel "$jobs" --timeout 900
