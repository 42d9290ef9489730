#!/usr/bin/env bash
# Upload benchmarks on loopback, each beside its baseline in the same run (not a test: it prints
# figures, ratios and targets, it asserts nothing):
#   1. one 1 GiB file to the reference server: the uploader against curl -T with the same headers
#      (target: >= 0.9 of curl's throughput, peak memory growth < 64 MiB)
#   2. many files of 200 KB that need no conversion, to nginx answering every request with
#      {"success":true}, over HTTP and HTTPS: the uploader against one curl process that keeps its
#      connection alive (target >= 0.5) and against a new curl process per file
#   3. the skip-uploaded check over 50,000 and 100,000 recorded files (target < 5 s, 100k/50k <= 2.2),
#      and the peak memory of the plan for the folder of 100,000 files (target < 300 MiB)
# Set-up: nginx-light is installed when missing (the benchmark's own need, not the product's).
# UPLOAD_BENCH_FILES (default 1000), UPLOAD_BENCH_SCALE (default 100000), UPLOAD_BENCH_ROUNDS (turns of
# kept-alive curl and uploader, best counts; default 3) and UPLOAD_BENCH_PARTS (default "1 2 3") make
# quicker runs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMIO_BUILD_DIR:-$top/build}
files=${UPLOAD_BENCH_FILES:-1000}
scale=${UPLOAD_BENCH_SCALE:-100000}
rounds=${UPLOAD_BENCH_ROUNDS:-3}
parts=" ${UPLOAD_BENCH_PARTS:-1 2 3} "

if [ ! -x /usr/sbin/nginx ]; then
    if [ "$(id -u)" = 0 ]; then apt-get install -y nginx-light >/dev/null; else sudo apt-get install -y nginx-light >/dev/null; fi
fi
"$top/scripts/build.sh" >/dev/null
cmake --build "$build" --target lumio-upload-bench lumio-refserver >/dev/null
bin=$build/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/lumio-bench.XXXXXX")
server_pid=
nginx_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp
unset XDG_RUNTIME_DIR
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$TMPDIR"

best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
now() { date +%s.%N; }
since() { awk -v s="$1" -v e="$(now)" 'BEGIN { print e - s }'; }
field() { sed -n "s/.*$1=\([0-9.-]*\).*/\1/p" <<<"$2"; }
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), load $(cut -d' ' -f1-3 /proc/loadavg)"

if [[ $parts == *" 1 "* ]]; then
    "$bin/lumio-refserver" --demo --port 0 --root "$work/photo" >"$work/server.out" 2>&1 &
    server_pid=$!
    for _ in $(seq 50); do grep -q listening "$work/server.out" 2>/dev/null && break; sleep 0.1; done
    base=$(head -1 "$work/server.out" | sed 's/^listening on //')
    url=$base/photo/include/asst_file_upload.php
    curl -s -c "$work/jar" -d 'action=login&username=demo&passwd=demo' "$base/blog/login.php" >/dev/null

    echo "== 1. one 1 GiB file to the reference server"
    truncate -s 1G "$work/big.bin"
    start=$(now)
    curl -s -o /dev/null -b "$work/jar" -T "$work/big.bin" -H "X-PATH: " -H "X-DUPLICATE: RENAME" \
        -H "X-ORIG-FNAME: big.bin" -H "X-UPLOAD-TYPE: ORIG_FILE" -H "X-IS-BATCH-LAST-FILE: 1" \
        -H "X-LAST-MODIFIED-TIME: $(stat -c %Y "$work/big.bin")" "$url"
    curl_s=$(since "$start")
    rm -f "$work"/photo/big*.bin
    line=$("$bin/lumio-upload-bench" send "$base" "$work/big.bin" 2>>"$work/engine.log")
    ours_s=$(field seconds "$line")
    growth=$(field peak_rss_growth_kb "$line")
    echo "curl -T: ${curl_s} s  uploader: ${ours_s} s  throughput ratio (uploader/curl): $(ratio "$curl_s" "$ours_s")  (target >= 0.9)"
    echo "uploader peak memory growth while sending: $((growth / 1024)) MiB  (target < 64 MiB)"
    rm -f "$work/big.bin" "$work"/photo/big*.bin
    kill "$server_pid" && wait "$server_pid" 2>/dev/null || true
    server_pid=
fi

if [[ $parts == *" 2 "* ]]; then
    echo "== 2. $files files of 200 KB to nginx on loopback"
    mkdir -p "$work/many" "$work/nginx"
    for i in $(seq -w "$files"); do head -c 204800 /dev/urandom >"$work/many/f$i.gif"; done
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -addext "subjectAltName=IP:127.0.0.1" \
        -keyout "$work/nginx/key.pem" -out "$work/nginx/cert.pem" 2>/dev/null
    http_port=$(free_port)
    https_port=$(free_port)
    user_line=""
    [ "$(id -u)" = 0 ] && user_line="user root;"
    cat >"$work/nginx/nginx.conf" <<EOF
$user_line
worker_processes 1;
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
events { worker_connections 512; }
http {
    access_log off;
    client_body_temp_path $work/nginx/body;
    proxy_temp_path $work/nginx/proxy;
    fastcgi_temp_path $work/nginx/fastcgi;
    client_max_body_size 0;
    keepalive_requests 1000000;
    default_type application/json;
    server {
        listen 127.0.0.1:$http_port;
        listen 127.0.0.1:$https_port ssl;
        ssl_certificate $work/nginx/cert.pem;
        ssl_certificate_key $work/nginx/key.pem;
        location = /blog/login.php {
            add_header Set-Cookie "LUMIOSESSID=bench; path=/";
            return 200 '{"success":true,"run_photo":true,"has_photo_root_path":true}';
        }
        location / { return 200 '{"success":true}'; }
    }
}
EOF
    /usr/sbin/nginx -c "$work/nginx/nginx.conf" -g 'daemon off;' &
    nginx_pid=$!
    for _ in $(seq 50); do curl -s -o /dev/null "http://127.0.0.1:$http_port/" && break; sleep 0.1; done

    headers() { # file; the uploader's headers for an original in a batch of its own
        printf 'header = "X-PATH: %%2Fcurl"\nheader = "X-DUPLICATE: RENAME"\nheader = "X-ORIG-FNAME: %s"\n' "$(basename "$1")"
        printf 'header = "X-UPLOAD-TYPE: ORIG_FILE"\nheader = "X-IS-BATCH-LAST-FILE: 1"\n'
        printf 'header = "X-LAST-MODIFIED-TIME: %s"\ncookie = "LUMIOSESSID=bench"\n' "$(stat -c %Y "$1")"
        # Options before -K hold for the first transfer only; every block after "next" names its own.
        printf 'cacert = "%s"\n' "$work/nginx/cert.pem"
    }
    for scheme in http https; do
        port=$http_port
        [ "$scheme" = https ] && port=$https_port
        target=$scheme://127.0.0.1:$port
        config=$work/curl-$scheme.conf
        : >"$config"
        for f in "$work"/many/*.gif; do
            { [ -s "$config" ] && echo next
              printf 'url = "%s/photo/include/asst_file_upload.php"\nupload-file = "%s"\noutput = "/dev/null"\n' "$target" "$f"
              headers "$f"; } >>"$config"
        done
        # Other work on the machine only ever adds time: the kept-alive curl and the uploader take turns,
        # and each side's best round counts.
        alive_s=""
        ours_s=""
        for _ in $(seq "$rounds"); do
            start=$(now)
            curl -s -K "$config"
            alive_s=$(best "$alive_s" "$(since "$start")")
            line=$(LUMIO_TEST_CA_FILE=$work/nginx/cert.pem "$bin/lumio-upload-bench" send "$target" "$work/many" 2>>"$work/engine.log")
            [ "$(field failed "$line")" = 0 ] || echo "$scheme: the uploader failed: $line"
            ours_s=$(best "$ours_s" "$(field seconds "$line")")
        done
        start=$(now)
        for f in "$work"/many/*.gif; do
            curl -s -K <(printf 'url = "%s/photo/include/asst_file_upload.php"\nupload-file = "%s"\noutput = "/dev/null"\n' "$target" "$f"; headers "$f")
        done
        single_s=$(since "$start")
        echo "$scheme: curl keeping its connection: $(ratio "$files" "$alive_s") files/s; curl per file: $(ratio "$files" "$single_s") files/s;" \
            "uploader: $(ratio "$files" "$ours_s") files/s (best of $rounds)"
        echo "$scheme: uploader / kept-alive curl: $(ratio "$alive_s" "$ours_s")  (target >= 0.5);  uploader / curl per file: $(ratio "$single_s" "$ours_s")"
    done
    kill "$nginx_pid" && wait "$nginx_pid" 2>/dev/null || true
    nginx_pid=
    rm -rf "$work/many"
fi

if [[ $parts == *" 3 "* ]]; then
    echo "== 3. skip-uploaded check and plan memory"
    half=$((scale / 2))
    small=$("$bin/lumio-upload-bench" skip "$work/skip-half" "$half" 2>>"$work/engine.log")
    large=$("$bin/lumio-upload-bench" skip "$work/skip-full" "$scale" 2>>"$work/engine.log")
    s_half=$(field seconds "$small")
    s_full=$(field seconds "$large")
    echo "$half recorded files: ${s_half} s  $scale recorded files: ${s_full} s (target < 5 s)" \
        " ratio: $(ratio "$s_full" "$s_half")  (target <= 2.2)"
    echo "plan of the folder of $scale files: peak memory growth $(( $(field peak_rss_growth_kb "$large") / 1024 )) MiB  (target < 300 MiB)"
fi
