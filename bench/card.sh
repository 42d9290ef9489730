#!/usr/bin/env bash
# A whole card end to end (not a test: it prints figures and a target, it asserts nothing): photos of
# 24 MP and 30-second 1080p clips through lumio-upload to the reference server on loopback.
# Prints the wall time beside the ideal for this machine: the conversion tools' own processor time
# divided by the cores, plus the transfer of every byte sent at the loopback rate curl -T reaches
# to the same server. Target: wall <= 1.15x ideal. Also prints where the run's time went, from the
# --json summary: converting (summed over the converter threads), uploading, the uploader waiting for
# a converter, and the run waiting for the uploader after the last conversion.
# The media are made once and kept in the build folder. CARD_BENCH_PHOTOS (default 100) and
# CARD_BENCH_CLIPS (default 2) make quicker runs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
photos=${CARD_BENCH_PHOTOS:-100}
clips=${CARD_BENCH_CLIPS:-2}

"$top/scripts/build.sh" >/dev/null
cmake --build "$build" --target lumio-upload lumio-refserver >/dev/null
bin=$build/bin

# Four different fractal photos (detail at every scale, like a landscape) stand for the card's photos:
# every photo costs the same to convert. One clip with sound stands for the clips.
media=$build/bench-media/card
mkdir -p "$media/source"
for i in 1 2 3 4; do
    [ -s "$media/source/photo$i.jpg" ] ||
        /usr/bin/convert -seed "$i" -size 6000x4000 plasma:fractal -quality 92 "$media/source/photo$i.jpg"
done
[ -s "$media/source/clip.mp4" ] ||
    /usr/bin/ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=48000" -t 30 -c:v libx264 -preset veryfast -b:v 6000k \
        -c:a aac -b:a 128k -pix_fmt yuv420p "$media/source/clip.mp4"

work=$(mktemp -d "${TMPDIR:-/tmp}/lumio-bench.XXXXXX")
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
card=$work/DCIM
mkdir -p "$card"
for i in $(seq -w "$photos"); do ln "$media/source/photo$(( (10#$i - 1) % 4 + 1 )).jpg" "$card/IMG_$i.jpg" 2>/dev/null ||
    cp "$media/source/photo$(( (10#$i - 1) % 4 + 1 )).jpg" "$card/IMG_$i.jpg"; done
for i in $(seq "$clips"); do cp "$media/source/clip.mp4" "$card/MOV_$i.mp4"; done
. "$top/bench/demo-server.sh"

now() { date +%s.%N; }
echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), load $(cut -d' ' -f1-3 /proc/loadavg)"

# The loopback rate: curl -T of 256 MiB to the same server, as the uploader sends an original.
curl -s -c "$work/jar" -d 'action=login&username=demo&passwd=demo' "$base/blog/login.php" >/dev/null
truncate -s 256M "$work/rate.bin"
start=$(now)
curl -s -o /dev/null -b "$work/jar" -T "$work/rate.bin" -H "X-PATH: " -H "X-DUPLICATE: OVERWRITE" \
    -H "X-ORIG-FNAME: rate.bin" -H "X-UPLOAD-TYPE: ORIG_FILE" -H "X-IS-BATCH-LAST-FILE: 1" \
    -H "X-LAST-MODIFIED-TIME: $(stat -c %Y "$work/rate.bin")" "$base/photo/include/asst_file_upload.php"
rate=$(awk -v s="$start" -v e="$(now)" -v n="$(stat -c %s "$work/rate.bin")" 'BEGIN { print n / (e - s) }')
rm -f "$work/rate.bin" "$work"/photo/rate*.bin

echo "== a card of $photos photos of 24 MP and $clips clips of 30 s 1080p through lumio-upload"
start=$(now)
"$bin/lumio-upload" --profile Demo --album /photo --flat --json "$card" >"$work/run.json" 2>"$work/run.err" ||
    { echo "lumio-upload failed:"; tail -3 "$work/run.json" "$work/run.err"; exit 1; }
wall=$(awk -v s="$start" -v e="$(now)" 'BEGIN { print e - s }')
summary=$(tail -1 "$work/run.json")
python3 - "$summary" "$wall" "$rate" "$(nproc)" <<'PY'
import json, sys
summary, wall, rate, cores = json.loads(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
timing = summary["timing"]
tools = timing["tools_cpu"]
sent = summary["bytes_sent"]
ideal = tools / cores + sent / rate
print(f"uploaded {summary['uploaded']} of {summary['total']} files, {sent / 2**20:.0f} MiB sent")
print(f"wall {wall:.1f} s; ideal {ideal:.1f} s (tools' processor time {tools:.1f} s / {cores} cores"
      f" + {sent / 2**20:.0f} MiB at the loopback rate of {rate / 2**20:.0f} MiB/s);"
      f" wall / ideal {wall / ideal:.2f}  (target <= 1.15)")
print(f"where the time went: converting {timing['converting']:.1f} s (summed over the converters),"
      f" uploading {timing['uploading']:.1f} s, uploader waiting for a converter"
      f" {timing['waiting_for_converter']:.1f} s, waiting for the uploader after the last conversion"
      f" {timing['waiting_for_uploader']:.1f} s")
PY
