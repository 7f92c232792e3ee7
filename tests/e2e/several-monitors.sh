#!/usr/bin/env bash
# The clock on a desktop of two monitors side by side (one X screen of 3840x1080 split into two
# RandR monitors), under openbox: the stored place on the second monitor, the pad keys, the
# options window, the timer toolbar, the alarm window and the missed-alarm notice on the clock's
# monitor; a monitor left of the primary; a place on no monitor; the clock's monitor removed while
# it runs; and a second monitor at twice the scale, where the face is drawn at its resolution.
# Usage (under xvfb-run with a 3840x1080 screen): several-monitors.sh BUILT_HORAVINE DATA_FOLDER
set -uo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
. "$(dirname "$0")/checks.sh"
require_tools xrandr xdotool xwininfo xprop import convert openbox perl

work=$(mktemp -d)
app=$work/app
clock_pid=
wm_pid=
tray_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -KILL "$clock_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/desktop-helpers.sh"
. "$(dirname "$0")/alarm-file.sh"
wm=openbox

mkdir -p "$app"
cp "$exe" "$app/horavine"
cp "$(dirname "$exe")/libhoravine_sound.so" "$app/"
cp -r "$data"/. "$app/"

# The window manager first: it keeps the server from resetting (and forgetting the monitors) when
# the last other client leaves. The monitor that takes the screen's output is the primary one.
openbox >/dev/null 2>&1 &
wm_pid=$!
pause 1

monitors() { # PRIMARY_GEOMETRY OTHER_GEOMETRY, each as W/MMxH/MM+X+Y
    xrandr --delmonitor PRIMARY >/dev/null 2>&1
    xrandr --delmonitor OTHER >/dev/null 2>&1
    xrandr --setmonitor PRIMARY "$1" screen >/dev/null
    xrandr --setmonitor OTHER "$2" none >/dev/null
    pause 0.5
}

monitor_area() { # X Y W H of a monitor: its part of the work area, as "x y w h"
    local ax ay aw ah
    read -r ax ay aw ah <<<"$(work_area)"
    local left=$((ax > $1 ? ax : $1)) top=$((ay > $2 ? ay : $2))
    local right=$((ax + aw < $1 + $3 ? ax + aw : $1 + $3)) bottom=$((ay + ah < $2 + $4 ? ay + ah : $2 + $4))
    echo "$left $top $((right - left)) $((bottom - top))"
}

start_at() { # LEFT TOP [environment...]: the clock started with that stored place
    printf '[Position]\nKeepIt=1\nLeft=%s\nTop=%s\n' "$1" "$2" >"$app/horavine.ini"
    shift 2
    env "$@" "$app/horavine" >>"$work/out.log" 2>&1 &
    clock_pid=$!
    window=$(window_named ZavIro)
    pause 2 # the first tick sizes the clock
}

stop_clock() {
    kill -TERM "$clock_pid" 2>/dev/null
    wait "$clock_pid" 2>/dev/null
    clock_pid=
}

centred_in() { # window id, "x y w h" [pixels]: the window's frame centred on that area, to a pixel (or so)
    local ox oy ow oh x y w h
    read -r ox oy ow oh <<<"$(outer_geometry "$1")"
    read -r x y w h <<<"$2"
    local slack=$((2 * ${3:-1}))
    [ "$(abs $((2 * ox + ow - 2 * x - w)))" -le "$slack" ] && [ "$(abs $((2 * oy + oh - 2 * y - h)))" -le "$slack" ] ||
        { echo "  frame at $ox,$oy ${ow}x$oh, area $2"; return 1; }
}

within() { # window id, "x y w h": the window's frame wholly inside that area
    local ox oy ow oh x y w h
    read -r ox oy ow oh <<<"$(outer_geometry "$1")"
    read -r x y w h <<<"$2"
    [ "$ox" -ge "$x" ] && [ "$oy" -ge "$y" ] && [ $((ox + ow)) -le $((x + w)) ] && [ $((oy + oh)) -le $((y + h)) ] ||
        { echo "  frame at $ox,$oy ${ow}x$oh, area $2"; return 1; }
}

if ! xset q | grep -q 'Num Lock: *on'; then xdotool key Num_Lock; fi

# --- the primary on the left, a second monitor on its right
echo "# two monitors, the primary on the left"
monitors 1920/508x1080/286+0+0 1920/508x1080/286+1920+0
left_area=$(monitor_area 0 0 1920 1080)
right_area=$(monitor_area 1920 0 1920 1080)
read -r _ _ _ right_h <<<"$right_area"

start_at 2500 300
check "the clock starts at its stored place on the second monitor" test "$(geometry "$window")" = "2500 300 400 400"
press KP_3
check "pad 3 goes to the bottom right of the second monitor" \
    test "$(geometry "$window")" = "3441 $((right_h - 400)) 400 400"
press KP_7
check "pad 7 goes to its top left" test "$(geometry "$window")" = "1919 -1 400 400"
press KP_5
check "pad 5 centres the clock on the second monitor" test "$(geometry "$window")" = "2680 $(((right_h - 400) / 2)) 400 400"

press o
options=$(window_named 'Horavine Clock v3.05  -  Options')
check "the options window opens on the clock's monitor, centred" centred_in "$options" "$right_area"
[ -n "$options" ] && close_with_escape "$options"

press t
toolbar=$(window_named '  Timer')
check "the timer toolbar opens below the clock on its monitor" within "$toolbar" "$right_area"
[ -n "$toolbar" ] && close_with_escape "$toolbar"

# The monitor goes away under the running clock: it comes onto the remaining one, wholly, and
# that is the place saved at exit.
press KP_3
xrandr --delmonitor OTHER >/dev/null
pause 2
check "with its monitor removed, the clock moves wholly onto the remaining one" within "$window" "$left_area"
read -r x y _ _ <<<"$(geometry "$window")"
stop_clock
check "the place saved at exit is the new one" grep -qzE "Left=$x
Top=$y
" "$app/horavine.ini"

# The alarm window and the missed-alarm notice, on the second monitor: the clock's day starts two
# seconds before the daily alarm's minute (libfaketime), and a second alarm file holds one that
# was missed an hour earlier.
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
# A sanitized clock would refuse a library loaded before its runtime.
faketime_asan="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
if [ -n "$faketime_lib" ]; then
    monitors 1920/508x1080/286+0+0 1920/508x1080/286+1920+0
    write_alarm "$app/Alarm/Alarms.cfg" 9 0 "$app/Alarm" 2026-12-10
    start_at 2500 300 LD_PRELOAD="$faketime_lib" ASAN_OPTIONS="$faketime_asan" FAKETIME="@2026-12-10 08:59:58" \
        FAKETIME_DONT_FAKE_MONOTONIC=1
    ringing=
    for _ in $(seq 1 "$(stretched 150)"); do
        ringing=$(alarm_window)
        [ -n "$ringing" ] && break
        sleep 0.1
    done
    check "the alarm rings" test -n "$ringing"
    # Centred by its inside, before its frame is known: within a title bar's height.
    [ -n "$ringing" ] && check "the alarm window is centred on the clock's monitor" \
        centred_in "$ringing" "1920 0 1920 1080" 30
    stop_clock

    write_alarm "$app/Alarm/Alarms.cfg" 8 0 "$app/Alarm" 2026-12-10
    start_at 2500 300 LD_PRELOAD="$faketime_lib" ASAN_OPTIONS="$faketime_asan" FAKETIME="@2026-12-10 09:00:30" \
        FAKETIME_DONT_FAKE_MONOTONIC=1
    notice=
    for _ in $(seq 1 "$(stretched 30)"); do
        notice=$(xdotool search --all --onlyvisible --pid "$clock_pid" --name '^Horavine$' 2>/dev/null | head -1)
        [ -n "$notice" ] && break
        sleep 0.1
    done
    pause 0.5
    check "the missed-alarm notice shows" test -n "$notice"
    [ -n "$notice" ] && check "the notice is centred on the clock's monitor" centred_in "$notice" "$right_area" 30
    stop_clock
    rm -f "$app/Alarm/Alarms.cfg"
else
    echo "# libfaketime is missing: the alarm window is not tried here (scripts/install-deps installs it)"
fi

# --- the primary on the right: a monitor lies left of it
echo "# two monitors, the primary on the right"
monitors 1920/508x1080/286+1920+0 1920/508x1080/286+0+0
right_area=$(monitor_area 1920 0 1920 1080)
read -r _ _ _ right_h <<<"$right_area"
start_at 100 300
check "a place on the monitor left of the primary is kept" test "$(geometry "$window")" = "100 300 400 400"
press KP_1
check "pad 1 goes to the bottom left of that monitor" test "$(geometry "$window")" = "0 $((right_h - 400)) 400 400"
stop_clock
start_at 5000 300
check "a place on no monitor lands wholly on the primary" test "$(geometry "$window")" = "3440 300 400 400"
stop_clock

# --- twice the scale on the second monitor
echo "# the second monitor at scale 2"
monitors 1920/508x1080/286+0+0 1920/508x1080/286+1920+0
start_at 100 100 QT_SCREEN_SCALE_FACTORS="1;2"
check "on the first monitor the clock has 400 pixels" test "$(geometry "$window")" = "100 100 400 400"
# Not blocky: a face drawn at a lower resolution and scaled up is made of 2x2 blocks, which
# sampling down and up again leaves unchanged.
crisp() { # x y size: the face in the last screenshot has detail finer than 2x2 blocks
    convert "$work/shot.png" -crop "$3x$3+$1+$2" +repage "$work/face.png"
    convert "$work/face.png" -sample 50% -sample 200% "$work/blocks.png"
    local changed
    changed=$(compare -metric AE "$work/face.png" "$work/blocks.png" null: 2>&1 | cut -d' ' -f1)
    changed=$(printf '%.0f' "$changed" 2>/dev/null || echo 0)
    [ "$changed" -gt $(($3 * $3 / 200)) ] || { echo "  $changed pixels differ from 2x2 blocks"; return 1; }
}
xdotool windowmove "$window" 2100 100
pause 2
read -r x y w h <<<"$(geometry "$window")"
check "moved to the second monitor, the clock has 800 pixels there" test "$w $h" = "800 800"
import -window root "$work/shot.png"
check "and its face is drawn at that resolution, not scaled up" crisp "$x" "$y" 800
stop_clock

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ] && [ "$passes" -gt 0 ]
