#!/usr/bin/env bash
# Runs every benchmark program of build/ and prints, at the end, one table
# of all results: benchmark, book size (vouchers) and the wall and CPU time
# of one iteration. Build first (tools/build.sh).
#
#   tools/bench.sh                      the measuring run: books of 2,000 and
#                                       20,000 vouchers
#   KV_BENCH_LARGE=1 tools/bench.sh     also 100,000 vouchers (long)
#   KV_BENCH_QUICK=1 tools/bench.sh     small books, short runs
#   tools/bench.sh --benchmark_filter=Income   arguments go to every program
#
# BENCH_DIR names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${BENCH_DIR:-build}/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
table="$(mktemp)"
trap 'rm -f "$table"' EXIT
export KV_BENCH_TABLE="$table"
for b in "$dir"/*/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
echo
echo "Load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
{ printf 'benchmark\tvouchers\twall\tcpu\n'; cat "$table"; } | column -t -s $'\t' -R 2,3,4
