# Sourced by the desktop tests and the start-up benchmarks: a private work
# folder ($work) and the processes started into `pids`, both gone at exit; an
# Xvfb, a session bus and a home of their own.

# require_tools TOOL...: the test is skipped (77) when one is not installed.
require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
}

work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-desktop.XXXXXX") || exit 1
chmod 700 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

# until_found SECONDS COMMAND...: the first line COMMAND prints when it
# succeeds, asked again until it does or the time is up. A search that a
# vanishing window breaks (xdotool's BadWindow) fails and is simply asked again.
until_found() {
    local found deadline=$((SECONDS + $1))
    shift
    while :; do
        found=$("$@" 2>/dev/null) && [ -n "$found" ] && { echo "${found%%$'\n'*}"; return 0; }
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# start_xvfb WIDTHxHEIGHT: Xvfb picks a free display number and writes it
# to fd 3; DISPLAY names it afterwards.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    DISPLAY=:$(until_found 10 head -n1 "$work/display") ||
        { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY
}

# start_session_bus: a private D-Bus session bus at the address in
# `session_bus`, for the programs that are given it.
start_session_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" 2>/dev/null &
    pids+=($!)
    session_bus=$(until_found 5 head -n1 "$work/bus")
}

# private_home: everything started from here on gets a home of its own, so it
# neither reads nor changes the user's settings, and the session bus, as on a
# desktop (without one, Qt and GLib programs each try to start a bus).
private_home() {
    mkdir -p "$work/home" "$work/run"
    chmod 700 "$work/run"
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
    export XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
    unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM \
          QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON SESSION_MANAGER || true
    session_bus=
    if command -v dbus-daemon >/dev/null; then
        start_session_bus
        export DBUS_SESSION_BUS_ADDRESS=$session_bus
    else
        echo "note: dbus-daemon is not installed; running without a session bus"
    fi
}

# check WHAT GOT WANT: one line, "ok" or "FAIL" with both values; failures
# are counted for the test's exit status.
failures=0
check() {
    if [ "$2" = "$3" ]; then
        echo "ok    $1"
    else
        echo "FAIL  $1: [$2], want [$3]"
        failures=$((failures + 1))
    fi
}
