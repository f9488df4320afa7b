#!/usr/bin/env bash
# Builds the editor (installing what is missing) and runs the whole test
# suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
