# Sourced by the benchmarks: starts a private Xvfb and a session bus of
# its own, and gives the programs a home of their own. Needs $work (a scratch
# folder); sets DISPLAY, xvfb_pid and bus_pid, which the caller's clean-up
# ends.

# A private server; -displayfd picks a free display number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "$(basename "$0"): Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=:$(cat "$work/display")
export DISPLAY

# The programs get a home of their own, so they neither read nor change the
# user's settings, and a session bus of their own, as on a desktop (without
# one, Qt and GLib programs each try to start a bus through dbus-launch).
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
export XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM \
      QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON SESSION_MANAGER || true
bus_pid=
if command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --fork --print-address=4 --print-pid=5 \
        4>"$work/bus-address" 5>"$work/bus-pid"
    bus_pid=$(cat "$work/bus-pid")
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus-address")
    export DBUS_SESSION_BUS_ADDRESS
else
    echo "note: dbus-daemon is not installed; running without a session bus"
fi
