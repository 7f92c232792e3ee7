# Sourced by the desktop tests (and the idle benchmark, for its tray host): the window managers, the clock's windows as X sees them, keys
# sent to the focused clock, and the scenarios that run under each window manager. Expects
# $work, $app, $window, $clock_pid, $wm_pid, $tray_pid and check() from the script.

wm_name() { # the running window manager's own name, as it announces it
    local id
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/WINDOW/{print $NF}')
    [ -n "$id" ] && xprop -id "$id" _NET_WM_NAME 2>/dev/null | cut -d'"' -f2
}

start_tray_host() { # a small notification area at the bottom right; sets tray_pid
    trayer --edge bottom --align right --widthtype pixel --width 60 --heighttype pixel --height 24 >/dev/null 2>&1 &
    tray_pid=$!
}

start_window_manager() { # name; the window manager (and under openbox a tray host) runs once it answers
    case $1 in
    openbox)
        openbox >/dev/null 2>&1 &
        wm_pid=$!
        # openbox has no notification area of its own: a small tray host gives the icon a place.
        if command -v trayer >/dev/null; then
            start_tray_host
        fi
        ;;
    fluxbox)
        # Its own home: no wallpaper setter (whose failure would open a message window), and
        # the toolbar with its notification area.
        local home=$work/fluxbox-home
        mkdir -p "$home/.fluxbox"
        printf '%s\n' 'session.screen0.toolbar.visible: true' \
            'session.screen0.toolbar.tools: workspacename, iconbar, systemtray' \
            "session.styleOverlay: $home/.fluxbox/overlay" >"$home/.fluxbox/init"
        printf 'background: none\n' >"$home/.fluxbox/overlay"
        HOME=$home fluxbox >/dev/null 2>&1 &
        wm_pid=$!
        ;;
    icewm)
        # Its own home too, with the task bar (where a clock's entry would show, and the tray)
        # and without the applets that poll the system.
        local home=$work/icewm-home
        mkdir -p "$home/.icewm"
        printf '%s\n' ShowTaskBar=1 TaskBarShowCPUStatus=0 TaskBarShowNetStatus=0 TaskBarShowMEMStatus=0 \
            TaskBarShowMailboxStatus=0 >"$home/.icewm/preferences"
        HOME=$home ICEWM_PRIVCFG=$home/.icewm icewm >/dev/null 2>&1 &
        wm_pid=$!
        ;;
    *)
        "$1" >/dev/null 2>&1 &
        wm_pid=$!
        ;;
    esac
    for _ in $(seq 1 50); do
        # icewm adds its version to its name.
        if wm_name | grep -qiE "^$1( |\$)"; then
            sleep 1 # its panels and the tray host settle
            return 0
        fi
        sleep 0.1
    done
    return 1
}

under_each_window_manager() { # runs run_under WM for each of window_managers installed; the verdict
    local wm
    for wm in "${window_managers[@]}"; do
        if ! command -v "$wm" >/dev/null; then
            echo "# $wm is not installed: skipped (scripts/install-deps installs it)"
            continue
        fi
        run_under "$wm"
    done
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ] && [ "$passes" -gt 0 ]
}

stop_window_manager() {
    [ -n "$tray_pid" ] && kill "$tray_pid" 2>/dev/null && wait "$tray_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    tray_pid=
    wm_pid=
}

work_area() { # x y width height of the first desktop's work area
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    if [ -n "$area" ]; then
        echo "$area" | awk '{print $1, $2, $3, $4}'
    else
        echo "0 0 1366 768"
    fi
}

window_named() { # exact name; the first visible window with it, waiting up to 3 s (stretched)
    local id
    for _ in $(seq 1 "$(stretched 30)"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

start_clock() { # [arguments...]; sets window and clock_pid
    "$app/horavine" "$@" >>"${clock_log:-$app/out.log}" 2>&1 &
    clock_pid=$!
    window=$(window_named ZavIro)
}

geometry() { # window id; its inside: x y width height on the screen
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

outer_geometry() { # window id; its frame (title bar and border included): x y width height
    local x y w h l r t b extents
    read -r x y w h <<<"$(geometry "$1")"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    read -r l r t b <<<"${extents:-0 0 0 0}"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

frame_top() { # window id; the height of its title bar and top border
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    echo "${extents:-0 0 0 0}" | awk '{print $3}'
}

pixel() { # x y in the last screenshot
    convert "$work/shot.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" \
        -crop "1x1+$1+$2" +repage info: 2>/dev/null
}

abs() { echo $(($1 < 0 ? -$1 : $1)); }

viewable() { xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; }

hidden() { # within 3 s (stretched)
    for _ in $(seq 1 "$(stretched 30)"); do
        viewable || return 0
        sleep 0.1
    done
    return 1
}

shown() { # within 3 s (stretched)
    for _ in $(seq 1 "$(stretched 30)"); do
        viewable && return 0
        sleep 0.1
    done
    return 1
}

stays_at() { # "x y w h": shown there now, and still there two seconds later
    shown || return 1
    [ "$(geometry "$window")" = "$1" ] || { echo "  at $(geometry "$window"), not $1"; return 1; }
    sleep 2
    viewable || { echo "  hidden again"; return 1; }
    [ "$(geometry "$window")" = "$1" ] || { echo "  moved to $(geometry "$window")"; return 1; }
}

# The XTEST keyboard is the one xdotool types on: a key it still holds down is one whose release
# never reached the server, and the server's auto-repeat would go on typing it.
no_key_held() {
    local held
    held=$(xinput query-state "Virtual core XTEST keyboard" 2>/dev/null | grep '=down')
    [ -z "$held" ] || { echo "  held:" $held; return 1; }
}

activate() { # window id: focused, as a click would
    timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || timeout 5 xdotool windowfocus --sync "$1"
}

focus_clock() { activate "$window"; }

press() { # keys typed on the focused clock, each pressed and released through XTEST
    focus_clock
    xdotool key "$@"
    pause 0.5
    check "[$wm] no key is left held after $*" no_key_held
}

second_start() { # description
    local start status took
    start=$(date +%s%N)
    timeout "$(stretched 10)" "$app/horavine" >/dev/null 2>&1
    status=$?
    took=$((($(date +%s%N) - start) / 1000000))
    check "$1 ends at once with success ($took ms)" test "$status" -eq 0 -a "$took" -lt "$(stretched 3000)"
}

clock_windows() { # the program's visible windows other than the clock itself (by class: the
    # icon and the menu carry no name that xdotool sees)
    xdotool search --onlyvisible --classname '^horavine$' 2>/dev/null | grep -vx "$window"
}

tray_icon() { # the clock's icon docked in a notification area: small
    local id x y w h
    for _ in $(seq 1 "$(stretched 30)"); do
        for id in $(clock_windows); do
            read -r x y w h <<<"$(geometry "$id")"
            [ "${w:-99}" -le 64 ] && [ "${h:-99}" -le 64 ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

tray_menu() { # the icon's menu once it is up: taller than the icon
    local id x y w h
    for _ in $(seq 1 "$(stretched 30)"); do
        for id in $(clock_windows); do
            read -r x y w h <<<"$(geometry "$id")"
            [ "${h:-0}" -gt 64 ] && [ "${h:-0}" -lt 300 ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

menu_open() { tray_menu >/dev/null; }

tray_scenario() { # wm, where the clock stands
    local icon x y w h
    icon=$(tray_icon)
    if [ -z "$icon" ]; then
        echo "# [$1] no notification area took the icon: the tray's Show is not tried here"
        return
    fi
    read -r x y w h <<<"$(geometry "$icon")"
    press h
    check "[$1] H hides the clock before the tray's Show" hidden
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3
    check "[$1] a right click on the tray icon opens its menu" menu_open
    xdotool key Down Return # "Show", the first item
    pause 0.3
    check "[$1] no key is left held after choosing Show" no_key_held
    check "[$1] the tray menu's Show brings the clock back at its place, and it stays" stays_at "$2"

    press h
    check "[$1] H hides the clock before a click on the tray icon" hidden
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    check "[$1] a click on the tray icon brings the clock back at its place, and it stays" stays_at "$2"
    xdotool mousemove 5 5
}

close_with_escape() { # window id
    activate "$1"
    xdotool key Escape
    pause 0.5
    check "[$wm] no key is left held after Escape" no_key_held
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

timer_scenario() { # wm, work area width and height
    local toolbar cx cy cw ch tx ty tw th before_x before_y
    # In the middle of the work area: room below for the toolbar.
    press KP_5
    read -r before_x before_y _ _ <<<"$(geometry "$window")"
    press t
    toolbar=$(window_named '  Timer')
    check "[$1] T shows the timer toolbar" test -n "$toolbar"
    [ -n "$toolbar" ] || return
    pause 1.5 # a tick: the clock stands on the toolbar
    read -r tx ty tw th <<<"$(outer_geometry "$toolbar")"
    read -r cx cy cw ch <<<"$(geometry "$window")"
    check "[$1] the toolbar has a title bar, which the rule must count" test "$(frame_top "$toolbar")" -gt 0
    check "[$1] the toolbar's frame starts right below the clock (top $ty, clock bottom $((cy + ch)))" \
        test "$ty" -eq $((cy + ch))
    check "[$1] the clock keeps its height on T (top $cy, was $before_y)" test "$cy" -eq "$before_y"
    check "[$1] the clock moves at most a pixel aside on T (left $cx, was $before_x)" \
        test "$(abs $((cx - before_x)))" -le 1
    check "[$1] the toolbar's frame is centred below the clock" \
        test "$(abs $((2 * tx + tw - 2 * cx - cw)))" -le 1
    check "[$1] Escape closes the timer toolbar" close_with_escape "$toolbar"

    # At the bottom right: the toolbar is held 70 pixels above the screen's bottom and the clock
    # climbs onto it at the next tick.
    press KP_3
    press t
    toolbar=$(window_named '  Timer')
    check "[$1] T shows the timer toolbar again" test -n "$toolbar"
    [ -n "$toolbar" ] || return
    pause 1.5
    read -r tx ty tw th <<<"$(outer_geometry "$toolbar")"
    read -r cx cy cw ch <<<"$(geometry "$window")"
    check "[$1] near the bottom the toolbar's frame is held at 768 - 70 (top $ty)" test "$ty" -eq 698
    check "[$1] the clock stands on the toolbar's frame (clock bottom $((cy + ch)))" test $((cy + ch)) -eq "$ty"
    check "[$1] Escape closes the timer toolbar again" close_with_escape "$toolbar"
}

options_scenario() { # wm
    local options ox oy ow oh ax ay aw ah
    press o
    options=$(window_named 'Horavine Clock v3.05  -  Options')
    check "[$1] O opens the options window" test -n "$options"
    [ -n "$options" ] || return
    pause 0.5
    read -r ox oy ow oh <<<"$(outer_geometry "$options")"
    read -r ax ay aw ah <<<"$(work_area)"
    check "[$1] the options window has a title bar, which the centring must count" \
        test "$(frame_top "$options")" -gt 0
    check "[$1] the options window's frame is centred on the work area (at $ox,$oy size ${ow}x$oh)" \
        test "$(abs $((2 * ox + ow - 2 * ax - aw)))" -le 1 -a "$(abs $((2 * oy + oh - 2 * ay - ah)))" -le 1
    check "[$1] Escape closes the options window" close_with_escape "$options"
}

wait_for_end() { # pid, most milliseconds; sets end_status (or "running") and end_took (ms)
    local start
    start=$(date +%s%N)
    end_status=running
    for _ in $(seq 1 $(($2 / 50))); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            end_status=$?
            break
        fi
        sleep 0.05
    done
    end_took=$((($(date +%s%N) - start) / 1000000))
}

end_with_sigterm() { # wm
    local x y
    read -r x y _ _ <<<"$(geometry "$window")"
    kill -TERM "$clock_pid"
    wait_for_end "$clock_pid" "$(stretched 5000)"
    clock_pid=
    check "[$1] SIGTERM ends the clock normally ($end_took ms)" test "$end_status" = 0
    check "[$1] SIGTERM saved the position" grep -q "^Left=$x\$" "$app/horavine.ini"
    check "[$1] SIGTERM saved the top" grep -q "^Top=$y\$" "$app/horavine.ini"
    check "[$1] SIGTERM saved the size" grep -q '^LastOne=400' "$app/horavine.ini"
    check "[$1] SIGTERM saved the alarms" test -f "$app/Alarm/Alarms.cfg"
}

hidden_start() { # wm; in any letter case: no window, until a second start brings it forward
    "$app/horavine" -HiDe >>"$app/out.log" 2>&1 &
    clock_pid=$!
    pause 2.5
    check "[$1] -HiDe starts the clock hidden" test -z "$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null)"
    check "[$1] the hidden clock runs" kill -0 "$clock_pid"
    second_start "[$1] a second start of a hidden clock"
    window=$(window_named ZavIro)
    check "[$1] a second start shows the hidden clock" test -n "$window"
    kill -TERM "$clock_pid"
    wait "$clock_pid" 2>/dev/null
    clock_pid=
}

# The folder read-only under the running clock's feet (root writes through permission bits, not
# through a read-only mount), and the toolbar's modal loop up: SIGTERM still ends it at once.
readonly_end() { # wm
    local log=$work/readonly-$1.log
    # Started from a writable folder (a read-only one at start sends the clock to the user's
    # folder), which then turns read-only, as a disk remounted read-only or filled up does.
    clock_log=$log start_clock
    check "[$1] the clock starts" test -n "$window"
    if ! mount --bind "$app" "$app" 2>/dev/null; then
        echo "# [$1] no bind mount here (needs root): the read-only end is not tried"
        kill -TERM "$clock_pid"
        wait "$clock_pid" 2>/dev/null
        clock_pid=
        return
    fi
    readonly_mount=$app
    if ! mount -o remount,bind,ro "$app" 2>/dev/null; then
        umount "$app"
        readonly_mount=
        echo "# [$1] no read-only remount here: the read-only end is not tried"
        kill -TERM "$clock_pid"
        wait "$clock_pid" 2>/dev/null
        clock_pid=
        return
    fi
    check "[$1] the application folder is read-only" sh -c "! touch '$app/probe' 2>/dev/null"
    pause 2
    press t
    check "[$1] the timer toolbar is up when SIGTERM comes" test -n "$(window_named '  Timer')"
    kill -TERM "$clock_pid"
    wait_for_end "$clock_pid" "$(stretched 5000)"
    if [ "$end_status" = running ]; then
        kill -KILL "$clock_pid"
        wait "$clock_pid" 2>/dev/null
    fi
    clock_pid=
    check "[$1] SIGTERM with a read-only folder ends the clock within a second, stretched $slowdown times ($end_took ms)" \
        test "$end_status" != running -a "$end_took" -le "$(stretched 1000)"
    check "[$1] the exit status tells the save failed (status $end_status)" test "$end_status" = 1
    check "[$1] the failed save is written to stderr" grep -qE '^horavine: (Unable to write to|Cannot write) ' "$log"
    umount "$app"
    readonly_mount=
}
