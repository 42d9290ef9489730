#!/usr/bin/env bash
# Bandwidth limit of lumio-upload against the reference server on loopback: one 200 MiB file sent
# with --bwlimit RATE (default 5M) beside the same file sent without a limit, as the baseline.
# Prints the achieved rate against the limit (target: within 10%).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
rate=${1:-5M}
"$top/scripts/build.sh" >/dev/null
cmake --build "$build" --target lumio-upload lumio-refserver >/dev/null
bin=$build/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/lumio-bench.XXXXXX")
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
. "$top/bench/demo-server.sh"

truncate -s 200M "$work/big.bin"
size=$(stat -c %s "$work/big.bin")
limit=$(awk -v r="$rate" 'BEGIN {
    n = r + 0; u = tolower(substr(r, length(r)));
    if (u == "k") n *= 1024; else if (u == "m") n *= 1048576; else if (u == "g") n *= 1073741824;
    print n }')

upload() {
    local start end
    start=$(date +%s.%N)
    "$bin/lumio-upload" --profile Demo --album /photo --flat --all-files --no-skip-uploaded \
        --duplicates overwrite "$@" "$work/big.bin" >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

echo "== 200 MiB file, --bwlimit $rate ($limit bytes/s)"
free_s=$(upload)
limited_s=$(upload --bwlimit "$rate")
awk -v size="$size" -v free="$free_s" -v limited="$limited_s" -v limit="$limit" 'BEGIN {
    achieved = size / limited
    printf "without a limit: %.1f s (%.1f MiB/s)  with the limit: %.1f s (%.2f MiB/s)\n",
        free, size / free / 1048576, limited, achieved / 1048576
    printf "achieved rate / limit: %.3f  (target 0.90 to 1.10)\n", achieved / limit
}'
