#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
LUMIO_BUILD_TESTS=ON "$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${LUMIO_BUILD_DIR:-$top/build}"
ctest --output-on-failure -j "$(nproc)" "$@"
