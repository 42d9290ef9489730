#!/usr/bin/env bash
# Builds the discovery fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in a
# build folder of their own and runs each one. Not part of the normal build or test suite.
#   fuzz/run.sh [RUNS]        runs every target RUNS times (default 10000000), seeded from fuzz/corpus
#   fuzz/run.sh --write-corpus   regenerates fuzz/corpus and fuzz/reproducers
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_FUZZ_BUILD_DIR:-$top/build-fuzz}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top/fuzz" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j 2

if [ "${1:-}" = "--write-corpus" ]; then
    mkdir -p "$top/fuzz/corpus" "$top/fuzz/reproducers"
    "$build/make_corpus" "$top/fuzz/corpus" "$top/fuzz/reproducers"
    ls -l "$top/fuzz/corpus" "$top/fuzz/reproducers"
    exit 0
fi

runs=${1:-10000000}
for target in fuzz_packet_read fuzz_packet_roundtrip; do
    # New inputs go to a scratch corpus; the checked-in seeds stay as they are.
    work="$build/corpus-$target"
    mkdir -p "$work"
    log="$build/$target.log"
    echo "== $target: $runs runs"
    status=0
    "$build/$target" -runs="$runs" -max_len=8300 -print_final_stats=1 \
        -artifact_prefix="$build/crash-$target-" "$work" "$top/fuzz/corpus" "$top/fuzz/reproducers" \
        >"$log" 2>&1 || status=$?
    grep -E '^(INFO: Seed|Done|stat::number_of_executed_units)' "$log" || true
    if [ "$status" -ne 0 ]; then
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" || true
        echo "$target found a problem (exit $status); full log: $log" >&2
        exit "$status"
    fi
done
