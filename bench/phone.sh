#!/usr/bin/env bash
# Phone media benchmark (not a test: it prints figures and ratios, it asserts nothing).
#  1. Five thumbnails of a 12 MP HEIC against those of the same picture as a 12 MP JPEG, each through
#     the image converter with the program's command, alternating; the median of the rounds' ratios
#     (target: ≤ 1.5).
#  2. The medium rendition of a 30-second 4K 10-bit HEVC HLG clip through the video converter (probe,
#     frame, thumbnails, two tone-mapped passes, index to the front) against the same ffmpeg, convert
#     and qt-faststart commands run by a shell (target: overhead ≤ 1.1), and against the plain ffmpeg
#     encode alone (its two tone-mapped passes); real-time factors of all three, median of the rounds.
# Usage: bench/phone.sh [rounds, default 3]
# PHONE_BENCH_SECONDS and PHONE_BENCH_SIZE (default 30 and 3840x2160) make a smaller clip for a quick look.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
rounds=${1:-3}
seconds=${PHONE_BENCH_SECONDS:-30}
size=${PHONE_BENCH_SIZE:-3840x2160}

"$top/scripts/build.sh" >/dev/null
cmake --build "$build" --target convert_bench >/dev/null
helper=$build/bin/convert_bench

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
media=$scratch/media
mkdir -p "$media" "$scratch/tmp"
export TMPDIR=$scratch/tmp
ffmpeg=/usr/bin/ffmpeg

timed() { # command... ; leaves the wall seconds in $elapsed
    local TIMEFORMAT='%R' figures
    exec 3>&1 4>&2
    figures=$({ time "$@" 1>&3 2>&4; } 2>&1)
    exec 3>&- 4>&-
    elapsed=$figures
}
fresh_temp() { rm -rf "$TMPDIR/ZUL_PHOTO_TEMP" && mkdir -p "$TMPDIR/ZUL_PHOTO_TEMP"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== generating media (a 12 MP fractal photo as JPEG and HEIC; a ${seconds}s ${size} HLG clip)"
/usr/bin/convert -seed 11 -size 4000x3000 plasma:fractal -quality 92 "$media/photo12.jpg"
/usr/bin/convert "$media/photo12.jpg" -quality 80 "$media/photo12.heic"
$ffmpeg -v error -f lavfi -i "testsrc2=size=$size:rate=30" -f lavfi -i "sine=frequency=440:sample_rate=48000" \
    -t "$seconds" -vf "zscale=tin=bt709:min=bt709:pin=bt709:rin=tv:t=arib-std-b67:m=bt2020nc:p=bt2020:r=tv:npl=203,format=yuv420p10le" \
    -c:v libx265 -preset ultrafast -x265-params log-level=error -color_primaries bt2020 -color_trc arib-std-b67 \
    -colorspace bt2020nc -tag:v hvc1 -c:a aac -b:a 128k "$media/hdr.mov"

echo "== 1. five thumbnails of 12 MP: HEIC against JPEG with the program's command (median of $rounds)"
heic=()
jpeg=()
ratios=()
for round in $(seq "$rounds"); do
    fresh_temp
    timed "$helper" parallel 1 "$scratch/jobs_heic" "$media/photo12.heic" >/dev/null
    heic+=("$elapsed")
    fresh_temp
    timed "$helper" parallel 1 "$scratch/jobs_jpeg" "$media/photo12.jpg" >/dev/null
    jpeg+=("$elapsed")
    ratios+=("$(ratio "${heic[-1]}" "${jpeg[-1]}")")
done
echo "HEIC $(median "${heic[@]}") s, JPEG $(median "${jpeg[@]}") s: HEIC costs $(median "${ratios[@]}")x the JPEG" \
    "(rounds: ${ratios[*]})"

echo "== 2. ${seconds}s ${size} HLG clip, medium: video converter vs the same commands by hand vs the plain encode (median of $rounds)"
video=()
by_hand=()
plain=()
overheads=()
over_plain=()
for round in $(seq "$rounds"); do
    fresh_temp
    timed "$helper" video "$media/hdr.mov" 1 "$scratch/replay.sh"
    video+=("$elapsed")
    fresh_temp
    timed sh "$scratch/replay.sh"
    by_hand+=("$elapsed")
    # The plain encode: the replay's working folder, its two ffmpeg passes and nothing else.
    { head -n 1 "$scratch/replay.sh"; grep -e "'-pass'" "$scratch/replay.sh"; tail -n 1 "$scratch/replay.sh"; } \
        >"$scratch/plain.sh"
    fresh_temp
    timed sh "$scratch/plain.sh"
    plain+=("$elapsed")
    overheads+=("$(ratio "${video[-1]}" "${by_hand[-1]}")")
    over_plain+=("$(ratio "${video[-1]}" "${plain[-1]}")")
done
v=$(median "${video[@]}")
h=$(median "${by_hand[@]}")
p=$(median "${plain[@]}")
echo "converter $v s (real-time factor $(ratio "$seconds" "$v")); same commands by hand $h s" \
    "(real-time factor $(ratio "$seconds" "$h")); plain ffmpeg encode $p s (real-time factor $(ratio "$seconds" "$p"))"
echo "overhead against the same commands $(median "${overheads[@]}") (rounds: ${overheads[*]});" \
    "against the plain encode $(median "${over_plain[@]}") (rounds: ${over_plain[*]})"
