#!/usr/bin/env bash
# The clock as a user meets it, on an X display with a window manager: started from its own
# application folder, placed from the settings, cut to its outline, moved by the numeric pad,
# hidden by "H", brought back by a second start (which ends at once), and saving its settings
# when the desktop session ends it with SIGTERM.
# Usage (under xvfb-run with a 1366x768 screen): clock-desktop.sh BUILT_HORAVINE DATA_FOLDER
set -uo pipefail

exe=$1
data=$2
app=$(mktemp -d)
wm_pid=
clock_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill "$clock_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$app"
}
trap cleanup EXIT

. "$(dirname "$0")/checks.sh"

cp "$exe" "$app/horavine"
cp -r "$data"/. "$app/"
printf '[Position]\nKeepIt=1\nLeft=100\nTop=50\n' >"$app/horavine.ini"

openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1

"$app/horavine" >"$app/out.log" 2>&1 &
clock_pid=$!

window=
for _ in $(seq 1 50); do
    window=$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
done
check "the clock window appears" test -n "$window"
[ -n "$window" ] || exit 1
sleep 2 # the first tick builds the face

geometry() { xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'; }
check "placed at the stored position with the skin's size" test "$(geometry)" = "100 50 400 400"

pixel() { convert "$app/shot.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" \
    -crop "1x1+$1+$2" +repage info: 2>/dev/null; }
import -window root "$app/shot.png"
root_colour=$(pixel 5 700)
# The default skin is square: a 1-pixel margin of the window is cut away.
check "the outline leaves out the window's corner" test "$(pixel 100 50)" = "$root_colour"
check "the face fills the outline" test "$(pixel 101 51)" != "$root_colour"
check "the face's middle is drawn" test "$(pixel 300 250)" != "$root_colour"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" h
sleep 0.5
check "H hides the clock" test -z "$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null)"

start=$(date +%s%N)
timeout 10 "$app/horavine" >/dev/null 2>&1
second_status=$?
took=$((($(date +%s%N) - start) / 1000000))
check "a second start ends at once with success ($took ms)" test "$second_status" -eq 0 -a "$took" -lt 3000
visible_again() {
    for _ in $(seq 1 30); do
        [ -n "$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}
check "the second start brings the first clock back" visible_again
check "the first clock still runs" kill -0 "$clock_pid"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# With Num Lock off the pad would send Page Down, which moves the clock the same way: make sure
# the digit arrives.
if ! xset q | grep -q 'Num Lock: *on'; then xdotool key Num_Lock; fi
check "Num Lock is on" sh -c "xset q | grep -q 'Num Lock: *on'"
xdotool key --window "$window" KP_3
sleep 0.5
check "numeric pad 3 puts the clock at the bottom right" test "$(geometry)" = "967 368 400 400"


kill -TERM "$clock_pid"
status=1
for _ in $(seq 1 50); do
    if ! kill -0 "$clock_pid" 2>/dev/null; then
        wait "$clock_pid"
        status=$?
        break
    fi
    sleep 0.1
done
clock_pid=
check "SIGTERM ends the clock normally" test "$status" -eq 0
check "SIGTERM saved the position" grep -q '^Left=967' "$app/horavine.ini"
check "SIGTERM saved the size" grep -q '^LastOne=400' "$app/horavine.ini"
check "SIGTERM saved the alarms" test -f "$app/Alarm/Alarms.cfg"

# Started hidden, in any letter case: no window, until a second start brings it forward.
"$app/horavine" -HiDe >/dev/null 2>&1 &
clock_pid=$!
sleep 2.5
check "-HiDe starts the clock hidden" test -z "$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null)"
check "the hidden clock runs" kill -0 "$clock_pid"
timeout 10 "$app/horavine" >/dev/null 2>&1
check "a second start shows the hidden clock" visible_again
kill -TERM "$clock_pid"
wait "$clock_pid" 2>/dev/null
clock_pid=

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
