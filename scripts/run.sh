#!/usr/bin/env bash
# Builds the program and starts it: the profile list (on a virtual screen when there is no display).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
"$top/scripts/build.sh"
bin=${LUMIO_BUILD_DIR:-$top/build}/bin
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/lumio-uploader" "$@"
fi
echo "No display: starting the program on a virtual screen."
exec xvfb-run -a "$bin/lumio-uploader" "$@"
