#!/usr/bin/env bash
# Conversion benchmark (not a test: it prints figures and ratios, it asserts nothing).
#  1. One photo: the converter's convert command against the plain command without the read hint,
#     on a 24 MP and a 12 MP JPEG: speed-up, output sizes, PSNR of the XL thumbnails. Both run with
#     ImageMagick on one thread, as the converters run it. Also the thumbnail steps alone on a picture
#     read and shrunk already: the most any read hint could give.
#  2. 20 photos of 24 MP through 1 and 2 converter threads against the same convert commands run by
#     a shell with the same parallelism: overhead ratios, and two converters against one.
#  3. A 30-second 1080p clip, medium and mobile, through the video converter against the same
#     ffmpeg, convert and qt-faststart commands run by a shell: overhead ratio, real-time factor.
# Usage: bench/convert.sh [photo runs, default 5] [rounds of the parallel and video runs, default 2]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
runs=${1:-5}
rounds=${2:-2}

"$top/scripts/build.sh" >/dev/null
cmake --build "$build" --target convert_bench >/dev/null
helper=$build/bin/convert_bench

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
media=$scratch/media
mkdir -p "$media" "$scratch/tmp"
# The helper's temporary root lies in the scratch folder, away from any real upload run.
export TMPDIR=$scratch/tmp
unset XDG_RUNTIME_DIR
work=$TMPDIR/lumio-uploader-$(id -u)/ZUL_PHOTO_TEMP
ffmpeg=/usr/bin/ffmpeg

timed() { # command... ; leaves the wall seconds in $elapsed and the processor seconds (with children) in $cpu
    local TIMEFORMAT='%R %U %S' figures
    exec 3>&1 4>&2
    figures=$({ time "$@" 1>&3 2>&4; } 2>&1)
    exec 3>&- 4>&-
    elapsed=$(awk -v f="$figures" 'BEGIN { split(f, t, " "); printf "%.2f", t[1] }')
    cpu=$(awk -v f="$figures" 'BEGIN { split(f, t, " "); printf "%.2f", t[2] + t[3] }')
}
fresh_temp() { rm -rf "$work" && mkdir -p -m 700 "$(dirname "$work")" "$work"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "== generating media (fractal photos with detail at every scale, like a landscape; a 1080p clip with sound)"
/usr/bin/convert -seed 7 -size 6000x4000 plasma:fractal -quality 92 "$media/photo24_01.jpg"
/usr/bin/convert -seed 11 -size 4000x3000 plasma:fractal -quality 92 "$media/photo12.jpg"
# Every photo costs the same to convert: copies of one stand for a card of 20 photos.
for i in $(seq -w 2 20); do cp "$media/photo24_01.jpg" "$media/photo24_$i.jpg"; done
$ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=25" -f lavfi -i "sine=frequency=440:sample_rate=48000" \
    -t 30 -c:v libx264 -preset veryfast -b:v 6000k -c:a aac -b:a 128k -pix_fmt yuv420p "$media/clip1080.mp4"

echo "== 1. one photo: program command vs plain command (median of $runs runs each)"
"$helper" photo "$media/photo24_01.jpg" "$runs"
echo "  (targets for 24 MP: speed-up >= 3.5x, XL PSNR >= 40 dB, sizes identical)"
"$helper" photo "$media/photo12.jpg" "$runs"
echo "  (targets for 12 MP: speed-up >= 2x, XL PSNR >= 40 dB, sizes identical)"

# Other work on the machine only ever adds time: each side is run $rounds times, alternating, and
# its best time counts.
best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

echo "== 2. 20 photos of 24 MP: converter threads vs the same commands run by a shell (best of $rounds)"
photos=("$media"/photo24_*.jpg)
declare -A converters shells
for threads in 1 2; do
    jobs=$scratch/jobs$threads
    converters[$threads]=""
    shell=""
    converters_cpu=""
    shell_cpu=""
    for round in $(seq "$rounds"); do
        fresh_temp
        timed "$helper" parallel "$threads" "$jobs" "${photos[@]}"
        converters[$threads]=$(best "${converters[$threads]}" "$elapsed")
        converters_cpu=$(best "$converters_cpu" "$cpu")
        fresh_temp
        timed sh -c "ls '$jobs'/job_*.sh | xargs -P $threads -n 1 sh"
        shell=$(best "$shell" "$elapsed")
        shell_cpu=$(best "$shell_cpu" "$cpu")
    done
    echo "$threads-way: converters $(ratio "${converters[$threads]}" 1) s (whole helper run)," \
        "$(ratio $((${#photos[@]} * 5)) "${converters[$threads]}") thumbnails/s; shell $shell s;" \
        "overhead ratio $(ratio "${converters[$threads]}" "$shell")" \
        "(processor time $converters_cpu s against $shell_cpu s: $(ratio "$converters_cpu" "$shell_cpu"))"
    shells[$threads]=$shell
done
# The shell's own gain shows what the machine gives two processes at the moment.
echo "two converters against one: $(ratio "${converters[1]}" "${converters[2]}")x the throughput" \
    "(the shell's two against one: $(ratio "${shells[1]}" "${shells[2]}")x)"

echo "== 3. 30-second 1080p clip, medium and mobile: video converter vs the same commands by hand (best of $rounds)"
video=""
by_hand=""
video_cpu=""
by_hand_cpu=""
for round in $(seq "$rounds"); do
    fresh_temp
    timed "$helper" video "$media/clip1080.mp4" 1,3 "$scratch/replay.sh"
    video=$(best "$video" "$elapsed")
    video_cpu=$(best "$video_cpu" "$cpu")
    fresh_temp
    timed sh "$scratch/replay.sh"
    by_hand=$(best "$by_hand" "$elapsed")
    by_hand_cpu=$(best "$by_hand_cpu" "$cpu")
done
echo "converter $video s (whole helper run); by hand $by_hand s; overhead ratio $(ratio "$video" "$by_hand")" \
    "(processor time $video_cpu s against $by_hand_cpu s: $(ratio "$video_cpu" "$by_hand_cpu"));" \
    "real-time factor $(ratio 30 "$video")"
