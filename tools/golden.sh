#!/usr/bin/env bash
# Writes the golden texts of the reports (tests/golden/<book>/<language>/)
# anew from the program as it now is, after a change that is meant to change
# what the reports print. Review the diff before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target golden_tests
# Files of definitions that are gone go with them.
rm -f tests/golden/*/*/*.txt
KV_GOLDEN_UPDATE=1 QT_QPA_PLATFORM=offscreen build/tests/golden/golden_tests \
  --gtest_filter='*EveryDefinitionLaysOutAsItsGoldenText*'
git status --short -- tests/golden
