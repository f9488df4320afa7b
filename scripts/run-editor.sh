#!/usr/bin/env bash
# Builds the editor (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/src/vellgard-editor
