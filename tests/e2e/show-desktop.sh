#!/usr/bin/env bash
# "Show desktop" (wmctrl -k on, the request a panel's button sends) hides the ordinary windows;
# the clock stays on the screen and ticks, and takes keys after a click. Around it, the clock
# keeps what it had: above an ordinary window when it stays on top and below it when raised over
# otherwise, no task bar entry, dragging, H hiding it and a second start bringing it back (also
# while the desktop is shown). An xclock is the ordinary window, the control.
# The whole scenario runs once per window manager named (default: openbox, then icewm).
# Usage (under xvfb-run with a 1366x768 screen): show-desktop.sh BUILT_HORAVINE DATA_FOLDER [WM...]
set -uo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
shift 2
window_managers=("$@")
[ ${#window_managers[@]} -gt 0 ] || window_managers=(openbox icewm)

. "$(dirname "$0")/checks.sh"
require_tools xdotool xwininfo xprop xinput import compare wmctrl xclock

work=$(mktemp -d)
clock_pid=
wm_pid=
tray_pid=
xclock_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -KILL "$clock_pid" 2>/dev/null
    [ -n "$xclock_pid" ] && kill "$xclock_pid" 2>/dev/null
    [ -n "$tray_pid" ] && kill "$tray_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/desktop-helpers.sh"

map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State/{print $3}'; }

becomes() { # window id, map state; within 3 s (stretched)
    for _ in $(seq 1 "$(stretched 30)"); do
        [ "$(map_state "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    echo "  $(map_state "$1"), not $2"
    return 1
}

showing_desktop() { xprop -root _NET_SHOWING_DESKTOP 2>/dev/null | grep -q '= 1$'; }

frame_of() { # client window id: the window manager's frame around it (the root window's child)
    local id=$1 parent root
    root=$(xwininfo -root 2>/dev/null | awk '/Window id:/{print $4}')
    while parent=$(xwininfo -id "$id" -tree 2>/dev/null | awk '/Parent window id:/{print $4}') &&
        [ -n "$parent" ] && [ "$parent" != "$root" ]; do
        id=$parent
    done
    printf '0x%x\n' "$id"
}

# The X server's stacking order (xwininfo lists the top first; icewm's _NET_CLIENT_LIST_STACKING
# was seen to lag behind a change of layer): the first window named stands above the second.
stacked_above() {
    local order
    order=$(xwininfo -root -children 2>/dev/null | awk '/^ +0x/{print $1}')
    awk -v a="$(frame_of "$1")" -v b="$(frame_of "$2")" '
        $1 == a { pa = NR } $1 == b { pb = NR } END { exit !(pa && pb && pa < pb) }' <<<"$order" ||
        { echo "  not so: $(frame_of "$1") $(frame_of "$2") in" $order; return 1; }
}

net_state_has() { xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -q "_NET_WM_STATE_$1"; }

task_buttons() { # icewm: the buttons on its task bar's task pane
    local bar pane child count=0
    bar=$(timeout 5 icesh -T id 2>/dev/null | head -1)
    pane=$(xwininfo -id "$bar" -children 2>/dev/null | awk '/"TaskPane"/{print $1}')
    for child in $(xwininfo -id "$pane" -children 2>/dev/null | awk '/^ +0x/{print $1}'); do
        [ "$(map_state "$child")" = IsViewable ] && count=$((count + 1))
    done
    echo "$count"
}

no_taskbar_entry() { # wm, icewm's task buttons without the clock
    net_state_has SKIP_TASKBAR || { echo "  no _NET_WM_STATE_SKIP_TASKBAR"; return 1; }
    [ "$1" != icewm ] || [ "$(task_buttons)" = "$2" ] || { echo "  $(task_buttons) task buttons"; return 1; }
}

face_shot() { # file: the clock's face as it is on the screen now
    local x y w h
    read -r x y w h <<<"$(geometry "$window")"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${w}x$h+$x+$y" +repage "$1"
}

face_changes() { # over two seconds
    face_shot "$work/face1.png"
    pause 2
    face_shot "$work/face2.png"
    local differ
    differ=$(compare -metric AE "$work/face1.png" "$work/face2.png" null: 2>&1)
    [ "${differ%% *}" -gt 0 ] 2>/dev/null || { echo "  $differ pixels differ"; return 1; }
}

click_at() { # x y, a left click there
    xdotool mousemove "$1" "$2" click 1
    pause 0.3
}

click_control() { click_at 530 430; } # on the xclock, where the clock (at 100,50 400x400) is not

click_clock_then() { # keys typed after a click on the clock (and nothing else giving it the focus)
    local x y w h
    read -r x y w h <<<"$(geometry "$window")"
    click_at $((x + w / 2)) $((y + h / 2))
    xdotool key "$@"
    pause 0.5
    check "[$wm] no key is left held after a click and $*" no_key_held
}

moved_by() { # x y w h before, dx dy: as far, or up to 5 pixels further each way
    local x y
    read -r x y _ _ <<<"$(geometry "$window")"
    x=$((x - $1 - $5))
    y=$((y - $2 - $6))
    [ "$x" -ge 0 ] && [ "$x" -le 5 ] && [ "$y" -ge 0 ] && [ "$y" -le 5 ] || { echo "  $x $y off"; return 1; }
}

run_under() { # window manager
    local wm=$1 control buttons place
    app=$work/$wm
    mkdir -p "$app"
    cp "$exe" "$app/horavine"
    cp "$(dirname "$exe")/libhoravine_sound.so" "$app/"
    cp -r "$data"/. "$app/"
    printf '[Position]\nKeepIt=1\nLeft=100\nTop=50\n[Default]\nOnTop=1\n' >"$app/horavine.ini"

    echo "# under $wm"
    if ! start_window_manager "$wm"; then
        check "$wm manages the screen" false
        return
    fi
    xclock -geometry 200x200+350+250 >/dev/null 2>&1 &
    xclock_pid=$!
    control=$(window_named xclock)
    check "[$wm] the control window appears" test -n "$control"
    pause 0.5
    buttons=
    [ "$wm" != icewm ] || buttons=$(task_buttons)
    [ "$wm" != icewm ] || check "[$wm] the task bar shows the control ($buttons buttons)" test "$buttons" -ge 1

    start_clock
    check "[$wm] the clock window appears" test -n "$window"
    [ -n "$window" ] || return
    pause 2
    place="100 50 400 400"
    check "[$wm] the clock stands at its stored place" test "$(geometry "$window")" = "$place"
    check "[$wm] the clock has no task bar entry" no_taskbar_entry "$wm" "$buttons"
    click_control
    check "[$wm] staying on top, the clock stays above the control raised by a click" stacked_above "$window" "$control"

    if ! xset q | grep -q 'Num Lock: *on'; then xdotool key Num_Lock; fi
    wmctrl -k on
    check "[$wm] Show desktop hides the control" becomes "$control" IsUnMapped
    check "[$wm] the desktop is shown" showing_desktop
    check "[$wm] the clock stays on the shown desktop" test "$(map_state "$window")" = IsViewable
    check "[$wm] the clock's face goes on changing while the desktop is shown" face_changes
    click_clock_then KP_5
    check "[$wm] keys after a click on the clock reach it while the desktop is shown (KP_5 moves it)" \
        test "$(geometry "$window")" != "$place"
    check "[$wm] the click leaves the desktop shown" showing_desktop
    place=$(geometry "$window")
    press h
    check "[$wm] H hides the clock while the desktop is shown" hidden
    second_start "[$wm] a second start while the desktop is shown"
    check "[$wm] the second start brings the clock back on the shown desktop, and it stays" stays_at "$place"
    check "[$wm] the control is still hidden" test "$(map_state "$control")" = IsUnMapped
    wmctrl -k off
    check "[$wm] the control comes back when the desktop is no longer shown" becomes "$control" IsViewable
    check "[$wm] the clock is still there" stays_at "$place"

    # Back from a hide: the window manager was asked for the states again.
    check "[$wm] after hiding and showing the clock has no task bar entry" no_taskbar_entry "$wm" "$buttons"
    check "[$wm] after hiding and showing the clock stays on top" net_state_has ABOVE
    press KP_7
    place=$(geometry "$window")
    click_control
    check "[$wm] after hiding and showing the clock stays above the raised control" stacked_above "$window" "$control"
    tray_scenario "$wm" "$place"
    # The first step of the mouse starts the window manager's move, which follows the rest.
    xdotool mousemove 250 200 mousedown 1
    pause 0.2
    xdotool mousemove 255 205
    pause 0.2
    xdotool mousemove 315 245
    pause 0.3
    xdotool mouseup 1
    pause 0.5
    check "[$wm] the clock is dragged by the mouse" moved_by $place 60 40

    # Without "Stay on top" the clock stacks as an ordinary window.
    kill -TERM "$clock_pid"
    wait "$clock_pid" 2>/dev/null
    sed -i 's/^OnTop=1/OnTop=0/' "$app/horavine.ini"
    start_clock
    check "[$wm] the clock starts again, not on top" test -n "$window"
    [ -n "$window" ] || return
    pause 2
    check "[$wm] the clock does not ask to stay on top" sh -c "! xprop -id $window _NET_WM_STATE | grep -q ABOVE"
    click_control
    check "[$wm] not staying on top, the control raised by a click comes above the clock" \
        stacked_above "$control" "$window"
    wmctrl -k on
    check "[$wm] not on top, the clock stays on the shown desktop" sh -c "sleep $(stretched 1); \
        xwininfo -id $window | grep -q IsViewable && ! xwininfo -id $control | grep -q IsViewable"
    wmctrl -k off
    kill -TERM "$clock_pid"
    wait "$clock_pid" 2>/dev/null
    clock_pid=
    kill "$xclock_pid" 2>/dev/null
    wait "$xclock_pid" 2>/dev/null
    xclock_pid=
    stop_window_manager
}

under_each_window_manager
