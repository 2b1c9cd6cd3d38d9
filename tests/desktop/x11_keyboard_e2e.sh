#!/bin/bash
# The calculator on a real X server with a window manager: a private Xvfb
# with openbox or xfwm4, keys typed with xdotool on US, Japanese, German and
# French layouts, the displays read back through the Copy buttons and xclip.
# One fresh program per row. Exits 77 (skipped) only when a tool is missing.
#
#   x11_keyboard_e2e.sh path/to/orvane [openbox|xfwm4]
set -u
orvane=$1
window_manager=${2:-openbox}
wm_options=()
[ "$window_manager" = xfwm4 ] && wm_options=(--compositor=off --sm-client-disable)

# shellcheck source=../../tools/private_display.sh
. "$(dirname "$0")/../../tools/private_display.sh"
# shellcheck source=program.sh
. "$(dirname "$0")/program.sh"
require_tools Xvfb dbus-daemon "$window_manager" xdotool xclip setxkbmap wmctrl xwininfo
start_xvfb 1280x1024
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work
# xfwm4 reads its settings over a session bus, and starts without one only
# half configured; it gets a private bus, which the calculator does not see.
start_session_bus
DBUS_SESSION_BUS_ADDRESS=$session_bus NO_AT_BRIDGE=1 \
    "$window_manager" "${wm_options[@]}" >"$work/wm.log" 2>&1 &
pids+=($!)
# The window manager is ready once it announces its desktops.
until_found 20 xdotool get_desktop >/dev/null ||
    { echo "$window_manager did not start"; cat "$work/wm.log"; exit 1; }

# The Copy buttons' centres, in pixels of the client area (twips / 15).
copy_expression="$(((8300 + 215) / 15)) $(((0 + 190) / 15))"
copy_answer="$(((8300 + 215) / 15)) $(((375 + 187) / 15))"
client_height=$((2985 / 15))

# The window that has the keyboard, when it is WINDOW. A window manager may
# mark a window active before it gives it the keyboard; keys typed between
# go to the window before.
keyboard_in() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && echo "$1"; }
# await_active NAME: waits until the program's window NAME has the keyboard,
# as a user waits to see a window focused before typing into it.
await_active() {
    local target
    target=$(until_found 10 x11_window "$1") || return 1
    until_found 10 keyboard_in "$target" >/dev/null
}
# start_in_front [VAR=VALUE...]: a fresh program, its window the active one.
start_in_front() {
    start_program "x11_window ^Orvane$" "$@" || return 1
    # Right after start-up the window manager may not be ready to activate.
    for _ in $(seq 20); do
        timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1 && break
        sleep 0.25
    done
    until_found 5 keyboard_in "$window" >/dev/null || timeout 5 xdotool windowfocus --sync "$window" >/dev/null 2>&1
}
# The client size of the window, as WIDTHxHEIGHT.
window_size() {
    xdotool getwindowgeometry "$window" | awk '/Geometry:/ {print $2}'
}
# Where the window is and its client size, as "X,Y WIDTHxHEIGHT".
window_place() {
    xdotool getwindowgeometry "$window" | awk '/Position:/ {p = $2} /Geometry:/ {print p, $2}'
}
# Clicks a Copy button and prints what the clipboard then holds.
read_display() {
    local x y menu_bar
    read -r x y <<<"$1"
    menu_bar=$(($(window_size | cut -dx -f2) - client_height))
    printf 'sentinel' | xclip -selection clipboard -i >/dev/null 2>&1
    # xclip takes the clipboard from the background: once it has, the click.
    for _ in $(seq 100); do [ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null)" = sentinel ] && break; sleep 0.05; done
    xdotool mousemove --window "$window" "$x" $((menu_bar + y)) click 1
    for _ in $(seq 100); do
        local text
        text=$(timeout 2 xclip -selection clipboard -o 2>/dev/null)
        if [ "$text" != sentinel ]; then
            printf '%s' "$text"
            return
        fi
        sleep 0.05
    done
    printf '<clipboard unchanged>'
}

# name | layout | xdotool commands, ';' between | expression | answer. A
# step "clip TEXT" puts TEXT on the clipboard first ("clip" alone, nothing).
rows=(
    "Alt+E, Esc, Esc leaves the expression and Enter evaluates|us|type 2+3;key alt+e;key Escape;key Escape;key Return|2+3|5"
    "Alt, Esc: the Esc leaves keyboard mode and is no clear-all|us|type 2+3;key alt;key Escape;key Return|2+3|5"
    "keys in keyboard mode go to the menu bar alone|us|type 2+3;key alt;type 9;key Right;key Left;key Escape;key Return|2+3|5"
    "Alt, Enter opens the File menu and two Esc close it|us|type 2+3;key alt;key Return;key Escape;key Escape;key Return|2+3|5"
    "a click on a display leaves keyboard mode|us|type 2+3;key alt;mousemove --window WINDOW 100 60;click 1;key Return|2+3|5"
    "keys reach the calculator after Alt+E, Esc, Alt+E, C|us|type 1;key alt+e;key Escape;key alt+e;key c;type 56+7;key Return|156+7|163"
    "keys reach the calculator after Alt, Alt+E, C|us|type 1;key alt;key alt+e;key c;type 2+3;key Return|12+3|15"
    "F10, Right, Down, Enter copy the expression and keys then reach the calculator|us|type 12;key F10;key Right;key Down;key Return;type +3;key Return|12+3|15"
    "keys reach the calculator after the About box opened from the keyboard|us|type 1;key alt;key alt+h;key Return;await のﾊﾞｰｼﾞｮﾝ情報$;key Escape;await ^Orvane$;type 2+3;key Return|12+3|15"
    "keys reach the calculator after a click on Edit, Esc, Alt+E, C|us|type 1;mousemove --window WINDOW 95 MENU;click 1;key Escape;key alt+e;key c;type 2+3;key Return|12+3|15"
    "keys reach the calculator after Alt+E, Esc, Alt+E, Esc, Esc|us|type 1;key alt+e;key Escape;key alt+e;key Escape;key Escape;type 2+3;key Return|12+3|15"
    "a right click on Sin leaves the focus on the evaluate key|us|type 2+3;mousemove --window WINDOW 35 Y93;click 3;key Return|2+3|5"
    "^ is Shift+6 on a US layout|us|key 2;key asciicircum;key 3;key Return|2^3|8"
    "^ has a key of its own on a Japanese layout|jp|key 2;key asciicircum;key 3;key Return|2^3|8"
    "dead ^ is the power key on a German layout|de|key 2;key dead_circumflex;key 3;key Return|2^3|8"
    "dead ^ is the power key on a French layout|fr|key 2;key dead_circumflex;key 3;key Return|2^3|8"
    "French digits are shifted, ( and ) are not|fr|type (1+2)*3;key Return|(1+2)*3|9"
    "Shift with keypad operators is ignored|us|key Escape;key 1;key shift+KP_Add;key shift+KP_Subtract;key shift+KP_Multiply;key shift+KP_Divide|1|＝"
    "keypad operators without Shift|de|key KP_1;key KP_Add;key KP_2;key KP_Multiply;key KP_3;key Return|1+2*3|7"
    "= evaluates from the key 2, which Enter would press|us|type 2+3*4;key Tab;key Tab;key Tab;key equal|2+3*4|14"
    "= is Shift and - on a Japanese layout|jp|type 2+3*4;key Tab;key shift+minus|2+3*4|14"
    "S 3 0 gives Sin30|us|key s;type 30|Sin30|＝"
    "Ctrl+V pastes|us|clip (1+2)×3;key ctrl+v;key equal|(1+2)*3|9"
    "Shift+Insert pastes|us|clip (1+2)×3;key shift+Insert;key equal|(1+2)*3|9"
    "a pasted sentence changes nothing|us|type 1+;clip 172 apples;key ctrl+v|1+|＝"
    "a pasted stray ) changes nothing|us|type 1+;clip 2);key ctrl+v|1+|＝"
    "an empty clipboard changes nothing|us|type 1+;clip;key ctrl+v|1+|＝"
    "Ctrl+5 is still ignored|us|type 1;key ctrl+5|1|＝"
    "Enter on a focused 7 still types 7|us|type 2+;key Tab;key Tab;key Tab;key Tab;key Tab;key Tab;key Tab;key Tab;key Return|2+7|＝"
)

for row in "${rows[@]}"; do
    IFS='|' read -r name layout commands want_expression want_answer <<<"$row"
    setxkbmap "$layout"
    if ! start_in_front; then
        echo "FAIL  $name: the window did not appear (window [$window])"
        failures=$((failures + 1))
        stop_program
        continue
    fi
    IFS=';' read -ra steps <<<"$commands"
    menu_bar=$(($(window_size | cut -dx -f2) - client_height))
    for step in "${steps[@]}"; do
        # MENU is the menu bar's middle, Y<n> the client area's row n.
        step=${step//WINDOW/$window}
        [[ $step == await\ * ]] && { await_active "${step#await }"; continue; }
        if [[ $step == clip* ]]; then
            text=${step#clip}
            printf '%s' "${text# }" | xclip -selection clipboard -i >/dev/null 2>&1
            continue
        fi
        [[ $step =~ Y([0-9]+) ]] && step=${step/Y${BASH_REMATCH[1]}/$((menu_bar + BASH_REMATCH[1]))}
        # shellcheck disable=SC2086
        xdotool ${step//MENU/$((menu_bar / 2))} >/dev/null
        sleep 0.1
    done
    expression=$(read_display "$copy_expression")
    answer=$(read_display "$copy_answer")
    check "$name" "$expression | $answer" "$want_expression | $want_answer"
    stop_program
done
setxkbmap us

# At a fractional scale the window is its size at scale 1 times the scale,
# rounded once: 582x218 becomes 873x327 at 1.5, also under a window manager.
# Asked by the window manager to fill the screen, it keeps its size and place.
for row in "1|-|582x218" "1.5|-|873x327" "1.75|-|1019x382" "1|add,fullscreen|582x218"; do
    IFS='|' read -r scale state want <<<"$row"
    if start_in_front QT_SCALE_FACTOR="$scale"; then
        place=$(window_place)
        [ "$state" = - ] || { wmctrl -i -r "$window" -b "$state"; sleep 1; }
        size=$(window_size)
        [ "$(window_place)" = "$place" ] || size="$size, moved from $place to $(window_place)"
    else
        size="no window"
    fi
    stop_program
    check "window at scale $scale, state ${state/-/normal}" "$size" "$want"
done

# The About box's client area at its place on the screen (2340, 1875 twips),
# the window manager's frame around it.
about_place="no About box"
if start_in_front; then
    xdotool key alt+h sleep 0.3 key a
    about=$(until_found 10 x11_window 'のﾊﾞｰｼﾞｮﾝ情報$')
    [ -n "$about" ] && about_place=$(xwininfo -id "$about" | awk '/Absolute upper-left/ {printf "%s%s", sep, $NF; sep = ","}')
fi
stop_program
check "the About box's client area at its place" "$about_place" "$((2340 / 15)),$((1875 / 15))"

[ "$failures" -eq 0 ]
