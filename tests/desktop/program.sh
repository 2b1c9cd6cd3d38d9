# Sourced by the end-to-end desktop tests after tools/private_display.sh: the
# calculator ($orvane) started on the private display, its id in `program`,
# its output in $work/orvane.log, and its window found.

# x11_window NAME: the running program's own visible windows whose title
# matches NAME; another program's, also a closing one's, never count.
x11_window() { xdotool search --all --onlyvisible --pid "$program" --name "$1"; }

# start_program FINDER [VAR=VALUE | -u VAR]...: the program with that
# environment; `window` is what the command FINDER prints once the window is
# there. Fails, showing the program's output, when it is not there in 30 s.
start_program() {
    local finder=$1
    shift
    env "$@" "$orvane" >"$work/orvane.log" 2>&1 &
    program=$!
    # shellcheck disable=SC2086  # FINDER is a command and its arguments
    window=$(until_found 30 $finder) && return 0
    cat "$work/orvane.log"
    return 1
}

# stop_program: the server destroys a killed program's windows only once it
# sees the connection close; the next program starts after they are gone.
stop_program() {
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
    until_found 5 none_left >/dev/null
}
none_left() { [ -z "$(xdotool search --onlyvisible --name '^Orvane$')" ] && echo none; }
