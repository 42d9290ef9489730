# Sourced by the benchmarks: folders of their own under $work and the reference server with the
# "Demo" profile. Needs $bin and $work; sets server_pid, base ("http://127.0.0.1:<port>") and port.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work/tmp
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$bin/lumio-refserver" --demo --port 0 --root "$work/photo" >"$work/server.out" 2>&1 &
server_pid=$!
for _ in $(seq 50); do grep -q listening "$work/server.out" 2>/dev/null && break; sleep 0.1; done
base=$(head -1 "$work/server.out" | sed 's/^listening on //')
port=${base##*:}
"$bin/lumio-upload" --seed-demo-profile "$port" >/dev/null
