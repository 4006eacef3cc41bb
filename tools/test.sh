#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, runs every test, and runs each
# benchmark briefly so that they keep building and working.
#
# Tests and benchmarks must leave nothing behind outside the build folder:
# each process runs in home, cache, config, data and temporary folders of its
# own under build/test-folders/ and removes them at its end. To prove it,
# they run here with a fresh, empty HOME and temporary folder; the run fails
# when anything was written into those, when a process left its folders
# behind, or when the source tree changed.
# KV_JOBS sets the parallel test jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh

watch="$(mktemp -d)"
trap 'chmod -R u+rwx "$watch"; rm -rf "$watch"' EXIT
mkdir "$watch/home" "$watch/tmp"
export HOME="$watch/home" TMPDIR="$watch/tmp"
unset XDG_CACHE_HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME XDG_RUNTIME_DIR
rm -rf build/test-folders
tree_before="$(git status --porcelain 2>/dev/null || true)"

export QT_QPA_PLATFORM=offscreen
status=0
(cd build && ctest --output-on-failure --parallel "${KV_JOBS:-$(nproc)}" --timeout 600) || status=1
# Benchmarks: a short run each, on small generated books.
export KV_BENCH_QUICK=1
for b in build/bench/*/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.01 >/dev/null || status=1
done

left="$(find "$watch/home" "$watch/tmp" build/test-folders -mindepth 1 -maxdepth 3 2>/dev/null || true)"
if [ -n "$left" ]; then
  echo "The tests left files outside their own folders, or their own folders behind:" >&2
  echo "$left" >&2
  status=1
fi
if [ "$(git status --porcelain 2>/dev/null || true)" != "$tree_before" ]; then
  echo "The tests changed the source tree:" >&2
  git status --short >&2
  status=1
fi
exit "$status"
