#!/usr/bin/env bash
# Configures and builds the project into build/ (tests included unless LUMIO_BUILD_TESTS=OFF).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMIO_BUILD_TESTS="${LUMIO_BUILD_TESTS:-ON}" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
