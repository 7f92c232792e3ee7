#!/usr/bin/env bash
# An alarm as a user meets it: the clock runs from its own application folder with a daily alarm
# set for the coming minute (the shipped picture and chime). The alarm window appears at the
# minute's fourth second, its sound reaches the sound server's sink, and it closes by itself when
# the chime ends. Without any sound server the same alarm shows silently and waits for a click.
# Usage (under xvfb-run with a 1366x768 screen): clock-alarm.sh BUILT_HORAVINE DATA_FOLDER
# Exits 77 (skipped) where PulseAudio, its tools or perl are missing.
set -uo pipefail

exe=$1
data=$2
. "$(dirname "$0")/checks.sh"
require_tools pulseaudio pactl perl openbox xdotool

work=$(mktemp -d)
app=$work/app
wm_pid=
clock_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill "$clock_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    pulse_stop
    rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/private-pulse.sh"
. "$(dirname "$0")/alarm-file.sh"


mkdir -p "$app"
cp "$exe" "$app/horavine"
cp "$(dirname "$exe")/libhoravine_sound.so" "$app/" # the sound plugin
cp -r "$data"/. "$app/"

write_alarm_at() { # HOUR MINUTE
    write_alarm "$app/Alarm/Alarms.cfg" "$1" "$2" "$app/Alarm"
}

# One alarm: set for the coming minute (or the one after, too close to it), the clock started,
# and the window awaited. Leaves window, appeared_at (seconds of the minute) and heard set.
ring_once() {
    local label=$1
    local second
    second=$((10#$(date +%S)))
    local target
    if [ "$second" -le 50 ]; then target=$(date -d '+1 minute' +%H:%M); else target=$(date -d '+2 minute' +%H:%M); fi
    write_alarm_at "$((10#${target%:*}))" "$((10#${target#*:}))"
    "$app/horavine" >"$work/$label.log" 2>&1 &
    clock_pid=$!
    window=
    heard=
    for _ in $(seq 1 2800); do # up to 140 s
        window=$(alarm_window)
        if [ -n "$window" ]; then
            appeared_at=$((10#$(date +%S)))
            break
        fi
        sleep 0.05
    done
    [ -n "$window" ] || return 0
    if [ -n "$pulse_pid" ]; then
        for _ in $(seq 1 "$(stretched 20)"); do
            [ -n "$(pactl list short sink-inputs 2>/dev/null)" ] && heard=yes && break
            sleep 0.05
        done
    fi
}

stop_clock() {
    kill -TERM "$clock_pid" 2>/dev/null
    wait "$clock_pid" 2>/dev/null
    clock_pid=
}

openbox >/dev/null 2>&1 &
wm_pid=$!
pause 1

check "a private sound server with a null sink runs" pulse_start "$work"
ring_once sound
check "the alarm window appears" test -n "$window"
if [ -n "$window" ]; then
    check "at the fourth second of the alarm's minute (second $appeared_at)" test "$appeared_at" -ge 4 -a "$appeared_at" -le 5
    check "its chime reaches the sound server's sink" test -n "$heard"
    gone=
    for _ in $(seq 1 "$(stretched 100)"); do
        [ -z "$(alarm_window)" ] && gone=yes && break
        sleep 0.1
    done
    check "the window closes by itself when the chime ends" test -n "$gone"
fi
stop_clock

pulse_stop
ring_once silent
check "without a sound server the alarm window appears too" test -n "$window"
if [ -n "$window" ]; then
    sleep 3
    check "and stays while nobody clicks it" test -n "$(alarm_window)"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    pause 0.5
    check "a click closes it" test -z "$(alarm_window)"
fi
kill -0 "$clock_pid" 2>/dev/null
check "the clock still runs" test $? -eq 0
stop_clock

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
