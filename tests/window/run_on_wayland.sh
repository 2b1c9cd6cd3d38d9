#!/bin/bash
# Runs one window test program on Qt's wayland platform, under Weston's
# headless compositor started for this run alone on a private socket and
# runtime directory. Exits 77 (skipped) only when Weston or Qt's Wayland
# plugin is not installed.
set -u
program=$1
shift

if ! command -v weston >/dev/null; then
    echo "weston is not installed"
    exit 77
fi
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    echo "Qt's Wayland platform plugin (qt6-wayland) is not installed"
    exit 77
fi

runtime=$(mktemp -d "${TMPDIR:-/tmp}/orvane-wayland.XXXXXX") || exit 1
chmod 700 "$runtime"
socket=orvane-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --log="$runtime/weston.log" &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:"
        cat "$runtime/weston.log"
        exit 1
    fi
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston opened no socket within 10 s:"
    cat "$runtime/weston.log"
    exit 1
fi

# In the sanitizer build, leaks are checked by the offscreen runs: Qt's
# Wayland plugin and libwayland-client leave some of theirs at exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    "$program" "$@"
