#!/usr/bin/env bash
# The alarm window's sound as a user hears it: a private PulseAudio server with a null sink stands
# in for the sound card. A picture alarm with the shipped chime plays into the sink and closes by
# itself when the chime ends; the chime plays again from its start; a damaged sound is reported and
# the picture stays; and with no sound server at all the alarm shows silently and waits for a click.
# Usage (under xvfb-run): alarm-sound.sh ALARM_SOUND_PROBE ALARM_FOLDER
# Exits 77 (skipped) where PulseAudio or its tools are missing.
set -uo pipefail

probe=$1
folder=$2
. "$(dirname "$0")/checks.sh"
require_tools pulseaudio pactl parec od

work=$(mktemp -d)
record_pid=
cleanup() {
    [ -n "$record_pid" ] && kill "$record_pid" 2>/dev/null
    pulse_stop
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/private-pulse.sh"

# Runs the probe in one mode and counts its own checks; the probe's exit status is checked too.
probe() {
    local mode=$1
    timeout "$(stretched 60)" "$probe" "$mode" "$folder" >"$work/$mode.out" 2>"$work/$mode.err"
    local status=$?
    cat "$work/$mode.out"
    passes=$((passes + $(grep -c '^ok - ' "$work/$mode.out")))
    failures=$((failures + $(grep -c '^not ok - ' "$work/$mode.out")))
    if [ "$status" -ne 0 ]; then
        echo "# $mode: exit status $status; its error output:"
        sed 's/^/#   /' "$work/$mode.err"
    fi
    check "$mode: the probe ends normally" test "$status" -eq 0
}

check "a private sound server with a null sink runs" pulse_start "$work"

# While the chime plays, the sink has an input and its monitor hears more than silence.
parec -d ci_null.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=50 >"$work/heard.raw" 2>/dev/null &
record_pid=$!
(
    for _ in $(seq 1 "$(stretched 100)"); do
        if [ -n "$(pactl list short sink-inputs 2>/dev/null)" ]; then
            echo seen
            break
        fi
        sleep 0.05
    done
) >"$work/inputs" &
watch_pid=$!
sleep 0.3
probe plays
wait "$watch_pid"
sleep 0.2
kill "$record_pid" 2>/dev/null
wait "$record_pid" 2>/dev/null
record_pid=
peak=$(od -An -v -td2 -w2 "$work/heard.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
check "the sink had an input while the alarm rang" grep -q seen "$work/inputs"
check "the sink heard the chime (peak $peak of 32767)" test "$peak" -gt 1000

probe replay
probe unplayable

# No sound server at all: the alarm is shown silently and stays until it is clicked.
pulse_stop
probe silent

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
