#!/usr/bin/env bash
# Installs what is missing and builds the editor and its tests into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
