#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, runs every test, and runs each
# benchmark briefly so that they keep building and working.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
# Benchmarks: a short run each, on small generated books.
export KV_BENCH_QUICK=1
for b in build/bench/*/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.01 >/dev/null
done
