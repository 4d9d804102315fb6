#!/usr/bin/env bash
# Quick start: install what is missing, build, start the demo download sites and open Shipkit on
# the demo workspace; without a display, submit the demo application from the command line.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
sites="$ROOT/scripts/demo-sites.sh"

bash "$sites" start
bash "$sites" point "$WORK_DIR"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$BUILD_DIR/src/shipkit" --workspace "$WORK_DIR"
fi

echo
echo "No display is available, so the desktop program cannot open here. Submitting the demo"
echo "application to the demo sites with shipkit-cli on the same workspace instead:"
echo "\$ shipkit-cli --workspace $WORK_DIR submit --company \"Larkspur Lane Softworks\" --app Kitepad"
rc=0
"$BUILD_DIR/src/shipkit-cli" --workspace "$WORK_DIR" submit --company "Larkspur Lane Softworks" \
    --app Kitepad || rc=$?
echo
bash "$sites" where
echo "Stop the demo sites with: bash scripts/demo-sites.sh stop"
exit "$rc"
