#!/usr/bin/env bash
# Snoozing an alarm from the keyboard: the daily 07:30 alarm (the shipped picture, its chime repeated
# until answered) rings; S snoozes it, the window goes and the chime stops; it rings again once its
# ten minutes are up; Escape ends it. Afterwards the alarm file marks it rung that day, no snooze
# file is left, and the settings file remembers the length.
# Time is faked with libfaketime as in clock-time-changes.sh, the monotonic clock left real. Sound
# goes to a private PulseAudio null sink; a chime is heard when the sink's monitor records more than
# silence.
# Usage (under xvfb-run): clock-snooze.sh BUILT_HORAVINE (horavine-cli beside it). Exits 77 where a
# tool is missing.
set -uo pipefail

build=$(dirname "$(realpath "$1")")
. "$(dirname "$0")/checks.sh"
require_tools openbox xdotool perl pulseaudio pactl parec
libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$libfaketime" ] || { echo "skipped: libfaketime is missing (scripts/install-deps installs it)"; exit 77; }

work=$(mktemp -d)
app=$work/app
clock_pid=
wm_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -KILL "$clock_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    pulse_stop
    rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/private-pulse.sh"
. "$(dirname "$0")/alarm-file.sh"

set_clock() { # UTC moment: the clock's wall clock from now on
    printf '%+d\n' $(($(date -u -d "$1" +%s) - $(date +%s))) >"$work/faketime.new"
    mv "$work/faketime.new" "$work/faketime"
}
await() { # seconds (stretched), command: true as soon as it holds
    for _ in $(seq 1 "$(stretched $(($1 * 10)))"); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}
rings() { [ -n "$(xdotool search --all --onlyvisible --pid "$clock_pid" --name '^Your alarm is on' 2>/dev/null)" ]; }
quiet() { ! rings; }
loudest() { # sample the sink's monitor hears in a second
    timeout "$(stretched 1)" parec -d ci_null.monitor --format=s16le --channels=1 >"$work/heard.raw" 2>/dev/null
    od -An -v -td2 -w2 "$work/heard.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}
heard() { [ "$(loudest)" -gt 1000 ]; }
silent() { [ "$(loudest)" -lt 50 ]; }
last_ring_date() {
    "$build/horavine-cli" alarms show "$app/Alarm/Alarms.cfg" | sed -n 's/.*"LastRingDate": \([0-9.]*\).*/\1/p'
}

"$(dirname "$0")/../../scripts/copy-app" "$build" "$app" || exit 1
write_alarm "$app/Alarm/Alarms.cfg" 7 30 "$app/Alarm" 2026-06-10 9999
openbox >/dev/null 2>&1 &
wm_pid=$!
pause 1
check "a private sound server with a null sink runs" pulse_start "$work"

set_clock '2026-06-10 07:29:57'
env TZ=UTC LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$work/faketime" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    "$app/horavine" >"$work/clock.log" 2>&1 &
clock_pid=$!
check "the 07:30 alarm rings" await 10 rings
check "with its chime" await 5 heard
xdotool key s # where the keyboard focus is: the alarm window took it
check "S snoozes it: the window goes" await 3 quiet
check "and the chime stops" await 3 silent
check "the length is remembered in the settings file" grep -qx 'SnoozeMinutes=10' "$app/horavine.ini"
set_clock '2026-06-10 07:39:50'
pause 2
check "nothing rings within its ten minutes" quiet
set_clock '2026-06-10 07:40:20'
check "then the same alarm rings again" await 5 rings
check "with its chime" await 5 heard
xdotool key Escape
check "Escape ends it" await 3 quiet
check "and its chime" await 3 silent
kill -TERM "$clock_pid" && wait "$clock_pid"
check "the clock ends normally" test $? -eq 0
clock_pid=
day=$(($(date -u -d 2026-06-10 +%s) / 86400 + 25569))
check "the alarm is marked as rung on 10 June (LastRingDate $(last_ring_date))" test "$(last_ring_date)" = "$day"
check "no snooze is left" test ! -e "$app/Alarm/Snoozes.cfg"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
