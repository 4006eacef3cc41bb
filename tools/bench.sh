#!/usr/bin/env bash
# Runs every benchmark program of build/ and prints, at the end, one table
# of all results: benchmark, book size (vouchers), the wall and CPU time of
# one iteration and the peak resident memory of the benchmark program while
# the benchmark ran. Build first (tools/build.sh).
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
# The table: the names left-aligned, the numbers right-aligned (awk, which
# every Debian system has; column comes from a package not installed here).
{ printf 'benchmark\tvouchers\twall\tcpu\tpeak\n'; cat "$table"; } | awk -F'\t' '
  { n = NR; for (c = 1; c <= 5; c++) { cell[n, c] = $c; if (length($c) > w[c]) w[c] = length($c) } }
  END {
    fmt = "%-" w[1] "s  %" w[2] "s  %" w[3] "s  %" w[4] "s  %" w[5] "s\n"
    for (r = 1; r <= n; r++) printf fmt, cell[r, 1], cell[r, 2], cell[r, 3], cell[r, 4], cell[r, 5]
  }'
