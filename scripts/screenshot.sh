#!/usr/bin/env bash
# Starts the built editor on a virtual screen and saves a screenshot.
# Usage: scripts/screenshot.sh [output.png] [seconds to wait]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-screenshot.png}")
wait_seconds=${2:-2}
xvfb-run -a -s "-screen 0 800x600x24" bash -c "
    build/src/vellgard-editor & editor=\$!
    sleep $wait_seconds
    import -window root '$output'
    kill \$editor"
echo "Saved $output"
