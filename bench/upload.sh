#!/usr/bin/env bash
# Upload benchmarks against the reference server on loopback, each beside its baseline in the same run:
#   1. one 1 GiB file: the uploader versus curl -T with the same headers (throughput, peak memory growth)
#   2. 1,000 files of 200 KB: converters + uploader versus a curl loop, one connection per file
#   3. the skip-uploaded check over 10,000 and 20,000 recorded files
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
"$top/scripts/build.sh" >/dev/null
cmake --build "$build" --target lumio-upload-bench lumio-refserver >/dev/null
bin=$build/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/lumio-bench.XXXXXX")
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$TMPDIR"

"$bin/lumio-refserver" --demo --port 0 --root "$work/photo" >"$work/server.out" 2>&1 &
server_pid=$!
for _ in $(seq 50); do grep -q listening "$work/server.out" 2>/dev/null && break; sleep 0.1; done
base=$(head -1 "$work/server.out" | sed 's/^listening on //')
url=$base/photo/include/asst_file_upload.php
curl -s -c "$work/jar" -d 'action=login&username=demo&passwd=demo' "$base/blog/login.php" >/dev/null

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "== 1 GiB file"
truncate -s 1G "$work/big.bin"
start=$(date +%s.%N)
curl -s -o /dev/null -b "$work/jar" -T "$work/big.bin" -H "X-PATH: " -H "X-DUPLICATE: RENAME" \
    -H "X-ORIG-FNAME: big.bin" -H "X-UPLOAD-TYPE: ORIG_FILE" -H "X-IS-BATCH-LAST-FILE: 1" \
    -H "X-LAST-MODIFIED-TIME: $(stat -c %Y "$work/big.bin")" "$url"
curl_s=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { print e - s }')
line=$("$bin/lumio-upload-bench" send "$base" "$work/big.bin" 2>>"$work/engine.log")
ours_s=$(sed 's/.*seconds=\([0-9.]*\).*/\1/' <<<"$line")
growth=$(sed 's/.*peak_rss_growth_kb=\([0-9-]*\).*/\1/' <<<"$line")
echo "curl: ${curl_s}s  uploader: ${ours_s}s  throughput ratio (uploader/curl): $(ratio "$curl_s" "$ours_s")  (target >= 0.7)"
echo "uploader peak memory growth while sending: $((growth / 1024)) MiB  (target < 64 MiB)"
rm -f "$work/big.bin" "$work"/photo/big*.bin

echo "== 1,000 files of 200 KB"
mkdir -p "$work/many"
for i in $(seq -w 1000); do head -c 204800 /dev/urandom >"$work/many/f$i.gif"; done
start=$(date +%s.%N)
for f in "$work"/many/*.gif; do
    name=$(basename "$f")
    curl -s -o /dev/null -b "$work/jar" -T "$f" -H "X-PATH: %2Fcurl" -H "X-DUPLICATE: RENAME" \
        -H "X-ORIG-FNAME: $name" -H "X-UPLOAD-TYPE: ORIG_FILE" -H "X-IS-BATCH-LAST-FILE: 1" \
        -H "X-LAST-MODIFIED-TIME: $(stat -c %Y "$f")" "$url"
done
curl_s=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { print e - s }')
line=$("$bin/lumio-upload-bench" send "$base" "$work/many" 2>>"$work/engine.log")
ours_s=$(sed 's/.*seconds=\([0-9.]*\).*/\1/' <<<"$line")
echo "curl loop: $(ratio 1000 "$curl_s") files/s  uploader: $(ratio 1000 "$ours_s") files/s  ratio: $(ratio "$curl_s" "$ours_s")  (target >= 0.7)"

echo "== skip-uploaded check"
s10=$("$bin/lumio-upload-bench" skip "$work/skip10" 10000 2>>"$work/engine.log" | sed 's/.*seconds=\([0-9.]*\).*/\1/')
s20=$("$bin/lumio-upload-bench" skip "$work/skip20" 20000 2>>"$work/engine.log" | sed 's/.*seconds=\([0-9.]*\).*/\1/')
echo "10,000 files: ${s10}s (target < 3 s)  20,000 files: ${s20}s  ratio 20k/10k: $(ratio "$s20" "$s10")  (target <= 2.2)"
