#!/usr/bin/env bash
# The main job on the bundled reference Lumio server: builds the program, starts lumio-refserver on
# 127.0.0.1 with the demo account, sets up the profile "Demo" when it is missing, then
#   - with a display: opens the program's profile list;
#   - without one: uploads the sample folder with lumio-upload and shows where the files landed.
# The server it started is stopped when the script ends.
#
# Environment: LUMIO_BUILD_DIR (default build/; an existing build is only brought up to date),
# LUMIO_SKIP_DEPS=1 (do not check the Debian packages), LUMIO_DEMO_PORT (default 18080),
# LUMIO_DEMO_DIR (the server's folder, default <build>/demo-server).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
port=${LUMIO_DEMO_PORT:-18080}
demo=${LUMIO_DEMO_DIR:-$build/demo-server}
bin=$build/bin
samples=$build/sample-media/Sample

if [ -z "${LUMIO_SKIP_DEPS:-}" ]; then
    "$top/scripts/deps.sh"
fi
if [ -f "$build/CMakeCache.txt" ]; then
    # Bring only what this job runs up to date; the build's own configuration stays as it is.
    cmake --build "$build" -j "$(nproc)" --target lumio-uploader lumio-upload lumio-refserver \
        lumio_tool_links lumio_sample_media
else
    LUMIO_BUILD_TESTS=${LUMIO_BUILD_TESTS:-OFF} LUMIO_BUILD_DIR=$build "$top/scripts/build.sh"
fi

# A fresh photo folder each time, so every run shows the whole job.
rm -rf "$demo/photo" "$demo/homes"
mkdir -p "$demo"
server_pid=
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
}
trap stop_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
"$bin/lumio-refserver" --demo --port "$port" --root "$demo/photo" --homes "$demo/homes" \
    --cert-dir "$demo/certs" --log "$demo/requests.jsonl" --exit-with-parent \
    >"$demo/server.out" 2>"$demo/server.err" &
server_pid=$!
for _ in $(seq 100); do
    grep -q '^listening on' "$demo/server.out" 2>/dev/null && break
    if ! kill -0 "$server_pid" 2>/dev/null; then
        echo "The demo server did not start (port $port in use? set LUMIO_DEMO_PORT):" >&2
        cat "$demo/server.err" >&2
        exit 1
    fi
    sleep 0.1
done
url=http://127.0.0.1:$port
echo "Demo Lumio server: $url (account demo, password demo), request log $demo/requests.jsonl"
echo "Uploaded files land in $demo/photo"

if ! profile_url=$("$bin/lumio-upload" --seed-demo-profile "$port"); then
    echo "The profile \"Demo\" points at $profile_url, not at the demo server $url." >&2
    echo "Change or delete it in the profile list (lumio-uploader), then run this again." >&2
    exit 1
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    # The program ends every run with status 1 (it reports no outcome by its status).
    "$bin/lumio-uploader" "$@" || true
    exit 0
fi

echo "No display: uploading $samples with lumio-upload --profile Demo"
status=0
"$bin/lumio-upload" --profile Demo --album /photo --keep-structure --no-skip-uploaded "$samples" || status=$?
echo
echo "On the server's disk, in $demo/photo:"
echo "  originals:"
(cd "$demo/photo" && find . -name '.@__thumb' -prune -o -type f -print | sed 's|^\./|    |' | sort)
echo "  renditions (thumbnails and MP4 versions, beside each original in .@__thumb/<name>/):"
(cd "$demo/photo" && find . -path '*/.@__thumb/*' -not -path '*/.incoming/*' -type f -print | sed 's|^\./|    |' | sort)
exit "$status"
