# Sourced by the desktop tests: a private work folder and the processes
# started into `pids`, both gone at exit, and an Xvfb of our own.

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

# start_xvfb WIDTHxHEIGHT: Xvfb picks a free display number and writes it
# to fd 3; DISPLAY names it afterwards.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=:$(head -n1 "$work/display")
}

# start_session_bus: a private D-Bus session bus, for the desktop programs
# that want one, at the address in `session_bus`; the calculator never sees it.
start_session_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
    session_bus=$(head -n1 "$work/bus")
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
