#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and starts the program on the
# demo book shipped in the program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
exec build/app/kolvio-vev "$@"
