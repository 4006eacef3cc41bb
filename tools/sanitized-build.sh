# Sourced by the sanitizer scripts: configures a sanitized build folder of
# the program and its tests (benchmarks left out) with -O1 and line tables
# only: the build takes about a third less time than with -O2 -g, and the
# reports still name the file and line.
#   configure_sanitized <folder> <compiler flags> <linker flags>
# Sets jobs from KV_JOBS (default: every core).
jobs=${KV_JOBS:-$(nproc)}

configure_sanitized() {
  local launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    "${launcher[@]}" -DKV_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$2" \
    -DCMAKE_EXE_LINKER_FLAGS="$3" \
    -DCMAKE_SHARED_LINKER_FLAGS="$3" >/dev/null
}
