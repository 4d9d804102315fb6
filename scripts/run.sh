#!/usr/bin/env bash
# Quick start: install what is missing, build, and open Shipkit on the demo workspace.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$BUILD_DIR/src/shipkit" --workspace "$WORK_DIR"
fi

cli="$BUILD_DIR/src/shipkit-cli"
echo "No display is available, so the desktop program cannot open here."
echo "Showing shipkit-cli on the same workspace ($WORK_DIR) instead:"
echo
echo "\$ shipkit-cli --workspace $WORK_DIR companies"
"$cli" --workspace "$WORK_DIR" companies
first="$("$cli" --workspace "$WORK_DIR" companies | head -n 1)"
if [ -n "$first" ]; then
    echo
    echo "\$ shipkit-cli --workspace $WORK_DIR apps --company \"$first\""
    "$cli" --workspace "$WORK_DIR" apps --company "$first"
fi
echo
echo "Run \"$cli --help\" for every command."
