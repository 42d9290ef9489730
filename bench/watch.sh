#!/usr/bin/env bash
# Watching benchmark against the reference server on loopback, each figure beside its baseline:
#   1. idle memory and CPU of lumio-upload --watch over 100,000 files in 5,000 folders, beside the
#      same watcher over one empty folder
#   2. the delay from a photo landing to its upload finishing, beside the settle time plus a plain
#      lumio-upload run of the same photo
# FILES and FOLDERS scale the tree (defaults 100000 and 5000); IDLE is the idle span in seconds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
files=${FILES:-100000}
folders=${FOLDERS:-5000}
idle=${IDLE:-30}
settle=2
"$top/scripts/build.sh" >/dev/null
bin=$build/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/lumio-watch-bench.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
. "$top/bench/demo-server.sh"
pids+=("$server_pid")
profile=$("$bin/lumio-upload" --list-profiles --json | sed -n 's/.*"name":"\([^"]*\)".*/\1/p' | head -1)
export LUMIO_PASSWORD=demo

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
now() { date +%s.%N; }
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Unsupported files are watched like photos but skipped by the first run without conversions.
echo "== generating $files files in $folders folders"
mkdir -p "$work/tree" "$work/empty"
per=$((files / folders))
for d in $(seq "$folders"); do
    dir=$work/tree/d$((d % 50))/f$d
    mkdir -p "$dir"
    (cd "$dir" && eval touch "n{1..$per}.txt")
done

# Starts a watcher on $1 with log $2 and waits until its first run has ended.
start_watcher() {
    "$bin/lumio-upload" --profile "$profile" --flat --watch --settle "$settle" "$1" >"$2" 2>&1 &
    pids+=($!)
    watcher=$!
    for _ in $(seq 6000); do
        grep -q '^last_run=.\+' "$XDG_RUNTIME_DIR/lumio-uploader/watch-"*.state 2>/dev/null && return
        sleep 0.1
    done
    echo "the watcher did not finish its first run" >&2
    exit 1
}

idle_figures() {
    local pid=$1 before after
    before=$(cpu_ticks "$pid")
    sleep "$idle"
    after=$(cpu_ticks "$pid")
    echo "$(rss_kb "$pid") $(awk -v t=$((after - before)) -v s="$idle" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.2f", 100 * t / hz / s }')"
}

echo "== idle: one empty folder (baseline)"
start_watcher "$work/empty" "$work/empty.log"
read -r base_rss base_cpu <<<"$(idle_figures "$watcher")"
kill "$watcher"; wait "$watcher" 2>/dev/null || true
rm -f "$XDG_RUNTIME_DIR"/lumio-uploader/watch-*.state
echo "RSS $((base_rss / 1024)) MiB, CPU ${base_cpu}%"

echo "== idle: $files files in $folders folders"
start_watcher "$work/tree" "$work/tree.log"
read -r tree_rss tree_cpu <<<"$(idle_figures "$watcher")"
echo "RSS $((tree_rss / 1024)) MiB (target < 100 MiB), ratio to baseline $(ratio "$tree_rss" "$base_rss");" \
    "CPU ${tree_cpu}% (target ~0%, baseline ${base_cpu}%)"
grep -i "limit" "$work/tree.log" || true

echo "== landing to uploaded"
convert -size 640x480 plasma: "$work/landing.jpg" 2>/dev/null || convert -size 640x480 xc:orange "$work/landing.jpg"
log=$work/photo.log
: >"$log"
start=$(now)
cp "$work/landing.jpg" "$work/tree/d1/f1/landing.jpg"
for _ in $(seq 1200); do
    grep -q 'landing.jpg' "$work/tree.log" && grep -q 'uploaded' <(grep 'landing.jpg' "$work/tree.log") && break
    sleep 0.05
done
delay=$(awk -v s="$start" -v e="$(now)" 'BEGIN { print e - s }')
cp "$work/landing.jpg" "$work/plain.jpg"
start=$(now)
"$bin/lumio-upload" --profile "$profile" --flat "$work/plain.jpg" >/dev/null 2>&1
plain=$(awk -v s="$start" -v e="$(now)" 'BEGIN { print e - s }')
floor=$(awk -v a="$settle" -v b="$plain" 'BEGIN { print a + b }')
echo "landing to uploaded: ${delay}s; settle ${settle}s + plain run ${plain}s = ${floor}s;" \
    "ratio $(ratio "$delay" "$floor") (the gathering and polling cost above 1.00)"
