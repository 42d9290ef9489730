#!/bin/sh
# Runs a test program against a private Secret Service: a D-Bus session of its own and a GNOME Keyring
# unlocked with a fixed password, in a throw-away home. Where either cannot start the program runs
# without one, and its keyring tests skip with a message.
set -u
if ! command -v dbus-run-session >/dev/null 2>&1 || ! command -v gnome-keyring-daemon >/dev/null 2>&1 ||
    ! command -v dbus-send >/dev/null 2>&1; then
    exec "$@"
fi
home=$(mktemp -d "${TMPDIR:-/tmp}/lumio-keyring-XXXXXX") || exec "$@"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/run" && chmod 700 "$home/run"
HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run \
    dbus-run-session -- sh -c '
    printf "lumio-test-keyring\n" | gnome-keyring-daemon --foreground --unlock --components=secrets \
        >/dev/null 2>&1 &
    daemon=$!
    tries=0
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
            grep -q "boolean true"; do
        tries=$((tries + 1))
        if [ $tries -gt 50 ] || ! kill -0 $daemon 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    LUMIO_TEST_KEYRING=1 "$@"
    status=$?
    kill $daemon 2>/dev/null
    wait $daemon 2>/dev/null
    exit $status
' sh "$@"
