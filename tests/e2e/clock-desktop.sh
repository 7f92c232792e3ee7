#!/usr/bin/env bash
# The clock as a user meets it, on an X display under a window manager: started from its own
# application folder, placed from the settings, cut to its outline, moved by the numeric pad,
# hidden by "H" and brought back by a second start or the tray icon, the timer toolbar's frame
# directly below it, the options window centred by its frame, and its end by SIGTERM: saving the
# settings, and at once even when its folder is read-only.
# The whole scenario runs once per window manager named (default: openbox, then fluxbox).
# Keys go through XTEST to the focused clock and each one is released: after every key the
# XTEST keyboard must have no key left down, or the server's auto-repeat would go on typing it.
# Usage (under xvfb-run with a 1366x768 screen): clock-desktop.sh BUILT_HORAVINE DATA_FOLDER [WM...]
set -uo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
shift 2
window_managers=("$@")
[ ${#window_managers[@]} -gt 0 ] || window_managers=(openbox fluxbox)

. "$(dirname "$0")/checks.sh"

for tool in xdotool xwininfo xprop xinput import; do
    command -v "$tool" >/dev/null || { echo "clock-desktop: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done

work=$(mktemp -d)
clock_pid=
wm_pid=
tray_pid=
readonly_mount=
cleanup() {
    if [ -n "$clock_pid" ]; then # a clock that does not end on SIGTERM is ended for good
        kill "$clock_pid" 2>/dev/null
        sleep 0.2
        kill -KILL "$clock_pid" 2>/dev/null
        wait "$clock_pid" 2>/dev/null
    fi
    [ -n "$tray_pid" ] && kill "$tray_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$readonly_mount" ] && { umount "$readonly_mount" 2>/dev/null || umount -l "$readonly_mount"; }
    xdotool keyup h 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/desktop-helpers.sh"

run_under() { # window manager
    local wm=$1
    app=$work/$wm
    mkdir -p "$app"
    cp "$exe" "$app/horavine"
    cp "$(dirname "$exe")/libhoravine_sound.so" "$app/"
    cp -r "$data"/. "$app/"
    printf '[Position]\nKeepIt=1\nLeft=100\nTop=50\n' >"$app/horavine.ini"

    echo "# under $wm"
    if ! start_window_manager "$wm"; then
        check "$wm manages the screen" false
        return
    fi
    read -r _ _ area_w area_h <<<"$(work_area)"

    start_clock
    check "[$wm] the clock window appears" test -n "$window"
    [ -n "$window" ] || return
    pause 2 # the first tick builds the face

    check "[$wm] placed at the stored position with the skin's size" test "$(geometry "$window")" = "100 50 400 400"
    import -window root "$work/shot.png"
    local root_colour
    root_colour=$(pixel 5 700)
    # The default skin is square: a 1-pixel margin of the window is cut away.
    check "[$wm] the outline leaves out the window's corner" test "$(pixel 100 50)" = "$root_colour"
    check "[$wm] the face fills the outline" test "$(pixel 101 51)" != "$root_colour"
    check "[$wm] the face's middle is drawn" test "$(pixel 300 250)" != "$root_colour"

    # With Num Lock off the pad would send Page Down, which moves the clock the same way: make
    # sure the digit arrives.
    if ! xset q | grep -q 'Num Lock: *on'; then xdotool key Num_Lock; fi
    check "[$wm] Num Lock is on" sh -c "xset q | grep -q 'Num Lock: *on'"
    local corner="$((area_w - 400 + 1)) $((area_h - 400)) 400 400"
    press KP_3
    check "[$wm] numeric pad 3 puts the clock at the bottom right of the work area" \
        test "$(geometry "$window")" = "$corner"

    # A key press, then "H", then a second start: the clock comes back where it was and stays.
    press h
    check "[$wm] H hides the clock" hidden
    second_start "[$wm] a second start after H"
    check "[$wm] the second start brings the clock back at its place, and it stays" stays_at "$corner"
    check "[$wm] the first clock still runs" kill -0 "$clock_pid"

    # "H" twice in a row: the second press meets a clock already hidden.
    press h h
    check "[$wm] H twice hides the clock" hidden
    second_start "[$wm] a second start after H twice"
    check "[$wm] after H twice a second start brings the clock back, and it stays" stays_at "$corner"

    # "H" held down through the clock's return: its repeats are not new presses.
    focus_clock
    xdotool keydown h
    sleep 0.5
    check "[$wm] a held H hides the clock once" hidden
    second_start "[$wm] a second start while H is held"
    check "[$wm] the clock comes back and stays although H is still held" stays_at "$corner"
    xdotool keyup h
    check "[$wm] no key is left held after letting H go" no_key_held

    tray_scenario "$wm" "$corner"
    timer_scenario "$wm" "$area_w" "$area_h"
    options_scenario "$wm"

    end_with_sigterm "$wm" "$corner"
    hidden_start "$wm"
    readonly_end "$wm"

    stop_window_manager
}

under_each_window_manager
