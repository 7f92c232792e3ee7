#!/usr/bin/env bash
# The wall clock changing under a running clock, in New York's time zone:
#   jump-forward    the machine sleeps an hour over a daily alarm: the missed-alarm notice names it
#                   within about two seconds, and it does not ring late;
#   spring-forward  8 March 2026, 02:00 becomes 03:00: the daily 02:30 alarm is reported;
#   fall-back       1 November 2026, 02:00 becomes 01:00 again: the daily 01:30 alarm rings once;
#   set-back        the clock set an hour back after an alarm rang: it does not ring again, and
#                   the next alarm still rings.
# Time is faked with libfaketime from a timestamp file the script rewrites. The monotonic clock
# is left real, as it is on a machine that slept or had its clock set: Qt's timers run on it, so
# the tick goes on at once after every change (a faked monotonic clock set back would hold the
# timer back by the same hour). The clock runs at real speed and is moved to the moments that
# matter by jumps over stretches without alarms; it crosses each daylight-saving change by itself.
# (A speed factor would leave a tick tens of milliseconds, and a loaded machine would lose the
# ring seconds.) The notice is recognised by its text (selected with a triple click, read from
# the X selection), a ring by the alarm window, what the clock saw by its tick log, and the alarm
# file afterwards by horavine-cli (LastRingDate).
# Usage (under xvfb-run with a 1366x768 screen): clock-time-changes.sh BUILT_HORAVINE [SCENARIO...]
# The build folder must hold horavine-cli too. Without scenarios all four run.
# Exits 77 (skipped) where libfaketime or one of the tools is missing.
set -uo pipefail

exe=$(realpath "$1")
shift
build=$(dirname "$exe")
scenarios=("$@")
[ ${#scenarios[@]} -gt 0 ] || scenarios=(jump-forward spring-forward fall-back set-back)

. "$(dirname "$0")/checks.sh"
require_tools openbox xdotool xwininfo xclip perl
libfaketime=
for candidate in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
    [ -f "$candidate" ] && libfaketime=$candidate && break
done
if [ -z "$libfaketime" ]; then
    echo "skipped: libfaketime is missing (scripts/install-deps installs it)"
    exit 77
fi

work=$(mktemp -d)
clock_pid=
wm_pid=
cleanup() {
    if [ -n "$clock_pid" ]; then
        kill "$clock_pid" 2>/dev/null
        sleep 0.2
        kill -KILL "$clock_pid" 2>/dev/null
        wait "$clock_pid" 2>/dev/null
    fi
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# --- faked time

offset_file=$work/faketime

set_clock() { # UTC moment: the clock's wall clock from now on (within the second)
    local offset=$(($(date -u -d "$1" +%s) - $(date +%s)))
    # Replaced whole: the clock rereads the file at every look at the time, and a half-written
    # one would give it the real time for that look.
    printf '%+d\n' "$offset" >"$offset_file.new"
    mv "$offset_file.new" "$offset_file"
}

day_number() { # YYYY-MM-DD: the alarm file's day count (days since 30 December 1899)
    echo $(($(date -u -d "$1" +%s) / 86400 + 25569))
}

# --- the clock

# Alarm/Alarms.cfg with daily alarms NAME=HH:MM from `start` on, each showing the message
# "Ring NAME" without sound, so that its window stays until clicked.
write_alarms() { # start day, NAME=HH:MM...
    perl -e '
        my ($file, $start, @alarms) = @ARGV;
        my $text = sub { my ($s, $n) = @_; pack("C a$n", length($s), $s) };
        open(my $out, ">:raw", $file) or die "$file: $!\n";
        for (@alarms) {
            my ($name, $hour, $minute) = /^(.*)=(\d+):(\d+)$/ or die "bad alarm $_\n";
            my $record = pack("C x7 d< l< x4 d< d< C C x2 l< d< l< x4 d< a8 C x3 l< l< l< a13",
                              1, 0, 1, ($hour * 60 + $minute) / 1440, 0, 0, 0, 1, $start, 1, 0,
                              "F" x 8, 0, 1, 1, 1, "F" x 13)
                . $text->($name, 12) . $text->("Ring $name", 180) . $text->("", 180)
                . $text->("", 180) . pack("C C x l<", 0, 1, 0);
            length($record) == 672 or die "record of " . length($record) . " bytes\n";
            print $out $record;
        }
    ' "$app/Alarm/Alarms.cfg" "$@"
}

start_clock() { # scenario, UTC moment; the alarms are written. Waits for its third tick: the
    # first builds the face, the second is the first whose time the alarms remember (a jump is
    # measured from it), and the third shows the second has run to its end.
    ticks=$work/$1.ticks
    set_clock "$2"
    # A sanitized clock refuses to start behind a preloaded library unless told it may.
    env TZ=America/New_York LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$offset_file" \
        FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 HORAVINE_TICK_LOG="$ticks" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        "$app/horavine" >"$work/$1.log" 2>&1 &
    clock_pid=$!
    for _ in $(seq 1 "$(stretched 100)"); do
        [ "$(tick_count)" -ge 3 ] && return 0
        sleep 0.1
    done
    return 1
}

stop_clock() { # SIGTERM, which saves the alarms; its exit status
    local status
    kill -TERM "$clock_pid" 2>/dev/null
    wait "$clock_pid" 2>/dev/null
    status=$?
    clock_pid=
    return "$status"
}

tick_count() { if [ -f "$ticks" ]; then wc -l <"$ticks"; else echo 0; fi; }
last_tick() { tail -n 1 "$ticks" 2>/dev/null | cut -d' ' -f1; }
ticks_since() { tail -n +"$(($1 + 1))" "$ticks" | cut -d' ' -f1; } # line count before

seconds_of() { # HH:MM:SS
    local h m s
    IFS=: read -r h m s <<<"$1"
    echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

window_of_clock() { # name pattern
    xdotool search --all --onlyvisible --pid "$clock_pid" --name "$1" 2>/dev/null | head -1
}
alarm_window() { window_of_clock '^Your alarm is on'; }
notice_window() { window_of_clock '^Horavine$'; }

later() { # HH:MM:SS, seconds: the time of day that many seconds later
    local t
    t=$(($(seconds_of "$1") + $2))
    printf '%02d:%02d:%02d\n' $((t / 3600 % 24)) $((t / 60 % 60)) $((t % 60))
}

# Ticks logged after the first `since` lines: one ticked at HH:MM:SS or later; one matched the
# pattern; two ticks in a row were A and B.
reached() { # since, HH:MM:SS
    local tick target
    target=$(seconds_of "$2")
    for tick in $(ticks_since "$1"); do
        [ "$(seconds_of "$tick")" -ge "$target" ] && return 0
    done
    return 1
}
ticked() { ticks_since "$1" | grep -qx "$2"; } # since, pattern
crossed() { ticks_since "$1" | grep -A1 -x "$2" | tail -n 1 | grep -qx "$3"; } # since, A, B

# Watches the clock until the condition holds or one of its windows appears (15 s at most,
# stretched). Sets `seen` to "alarm", "notice", "", "timeout" or "ended" (the clock is gone) and
# `seen_at` to the last tick.
watch() { # condition...
    seen=
    for _ in $(seq 1 "$(stretched 150)"); do
        kill -0 "$clock_pid" 2>/dev/null || { seen=ended; return; }
        [ -n "$(alarm_window)" ] && seen=alarm
        [ -n "$(notice_window)" ] && seen=notice
        seen_at=$(last_tick)
        [ -n "$seen" ] && return
        "$@" && return
        sleep 0.1
    done
    seen=timeout
}

inside() { # window id: x y width height of its inside on the screen
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

notice_text() { # the notice's text, as a triple click on it selects it
    local x y w h
    # Its one line of text stands beside the icon, 17 pixels down from the box's top.
    read -r x y w h <<<"$(inside "$(notice_window)")"
    xdotool mousemove $((x + w / 2)) $((y + 17)) click --repeat 3 --delay 80 1
    pause 0.3
    xclip -o -selection primary 2>/dev/null
}

close_notice() {
    local id
    id=$(notice_window)
    timeout 5 xdotool windowactivate --sync "$id" 2>/dev/null
    xdotool key Return
    for _ in $(seq 1 "$(stretched 20)"); do
        [ -z "$(notice_window)" ] && return 0
        sleep 0.1
    done
    return 1
}

close_alarm() { # by a click on it, as a user ends it
    local x y w h
    read -r x y w h <<<"$(inside "$(alarm_window)")"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    for _ in $(seq 1 "$(stretched 20)"); do
        [ -z "$(alarm_window)" ] && return 0
        sleep 0.1
    done
    return 1
}

last_ring_dates() { # the alarm file's LastRingDate of each alarm, space-separated
    "$build/horavine-cli" alarms show "$app/Alarm/Alarms.cfg" | sed -n 's/.*"LastRingDate": \([0-9.]*\).*/\1/p' |
        tr '\n' ' ' | sed 's/ $//'
}

new_app() { # scenario
    app=$work/$1
    "$(dirname "$0")/../../scripts/copy-app" "$build" "$app" || return 1
    [ -d "$app/Alarm" ] || { echo "  $build is no complete application folder (its data is not staged)"; return 1; }
}

# --- the scenarios

# The notice must be up within about two seconds of the clock's own time, stretched.
notice_limit=$((2 * slowdown))
# A ring comes at the alarm's fourth second; the watch gives it a few more.
ring_limit=$((4 + 4 * slowdown))

begin() { # tag, what the start shows, scenario, UTC moment, alarms' start day, NAME=HH:MM...
    local tag=$1 what=$2 scenario=$3 moment=$4
    shift 4
    local status=0
    new_app "$scenario" && write_alarms "$@" && start_clock "$scenario" "$moment" || status=1
    check "[$tag] $what" test "$status" -eq 0
    return "$status"
}

expect_notice() { # tag, text
    check "[$1] it reads: $2" test "$(notice_text)" = "$2"
    check "[$1] the notice closes with Return" close_notice
}

jump_forward() {
    begin jump "the clock runs at 10:29 on 10 June" jump-forward '2026-06-10 14:29:00' \
        "$(day_number 2026-06-10)" Coffee=10:45 || return
    set_clock '2026-06-10 15:29:00' # an hour on: 11:29
    local since
    since=$(tick_count)
    watch reached "$since" "$(later 11:29:00 $((notice_limit + 1)))"
    check "[jump] the missed-alarm notice is up by the tick of $(later 11:29:00 "$notice_limit") (${seen:-none} at ${seen_at:-no tick})" \
        test "$seen" = notice
    [ "$seen" = notice ] && expect_notice jump "Alarm \"Coffee\" should've rung earlier(at 10: 45 am) today."
    since=$(tick_count)
    watch reached "$since" "$(later "$(last_tick)" 3)"
    check "[jump] nothing rings late, and nothing is reported again (${seen:-nothing} until $seen_at)" test -z "$seen"
    check "[jump] the clock ends normally" stop_clock
    check "[jump] the alarm is not marked as rung (LastRingDate $(last_ring_dates))" test "$(last_ring_dates)" = 0
}

spring_forward() {
    begin spring "the clock runs at 01:50 EST on 8 March" spring-forward '2026-03-08 06:50:00' \
        "$(day_number 2026-03-01)" Night=02:30 || return
    set_clock '2026-03-08 06:59:57' # 01:59:57 EST, three seconds before 03:00 EDT
    local since
    since=$(tick_count)
    watch reached "$since" "$(later 03:00:00 $((notice_limit + 1)))"
    check "[spring] the missed-alarm notice is up by the tick of $(later 03:00:00 "$notice_limit") (${seen:-none} at ${seen_at:-no tick})" \
        test "$seen" = notice
    check "[spring] the running clock went from 01:59:59 straight to 03:00:00" crossed "$since" 01:59:59 03:00:00
    [ "$seen" = notice ] && expect_notice spring "Alarm \"Night\" should've rung earlier(at 2: 30 am) today."
    since=$(tick_count)
    watch reached "$since" "$(later "$(last_tick)" 2)"
    check "[spring] nothing rings late, and nothing is reported again (${seen:-nothing} until $seen_at)" test -z "$seen"
    check "[spring] the clock ends normally" stop_clock
    check "[spring] the alarm is not marked as rung (LastRingDate $(last_ring_dates))" test "$(last_ring_dates)" = 0
}

fall_back() {
    begin fall "the clock runs at 01:20 EDT on 1 November" fall-back '2026-11-01 05:20:00' \
        "$(day_number 2026-10-01)" Late=01:30 || return
    set_clock '2026-11-01 05:30:02' # 01:30:02 EDT
    local since
    since=$(tick_count)
    watch reached "$since" "$(later 01:30:00 "$ring_limit")"
    check "[fall] the 01:30 alarm rings in daylight time (${seen:-nothing} at the tick of $seen_at)" test "$seen" = alarm
    check "[fall] not before its fourth second" test "${seen_at:-0}" \> 01:30:03
    [ "$seen" = alarm ] && check "[fall] a click ends it" close_alarm
    set_clock '2026-11-01 05:59:57' # 01:59:57 EDT, three seconds before 01:00 EST
    since=$(tick_count)
    watch crossed "$since" 01:59:59 01:00:00
    check "[fall] the running clock went from 01:59:59 EDT back to 01:00:00 EST, quietly (${seen:-nothing} at $seen_at)" \
        test -z "$seen"
    set_clock '2026-11-01 06:30:02' # 01:30:02 EST, the day's second 01:30
    since=$(tick_count)
    watch reached "$since" 01:30:07
    check "[fall] the tick passes 01:30's ring seconds a second time" ticked "$since" '01:30:0[45]'
    check "[fall] and nothing rings or is reported (${seen:-nothing} until $seen_at)" test -z "$seen"
    check "[fall] the clock ends normally" stop_clock
    check "[fall] the alarm is marked as rung on 1 November (LastRingDate $(last_ring_dates))" \
        test "$(last_ring_dates)" = "$(day_number 2026-11-01)"
}

set_back() {
    begin back "the clock runs at 10:20 on 10 June" set-back '2026-06-10 14:20:00' \
        "$(day_number 2026-06-01)" First=10:30 Next=10:31 || return
    set_clock '2026-06-10 14:30:02' # 10:30:02
    local since
    since=$(tick_count)
    watch reached "$since" "$(later 10:30:00 "$ring_limit")"
    check "[back] the 10:30 alarm rings (${seen:-nothing} at the tick of $seen_at)" test "$seen" = alarm
    [ "$seen" = alarm ] && check "[back] a click ends it" close_alarm
    set_clock '2026-06-10 13:30:20' # an hour back: 09:30:20
    since=$(tick_count)
    watch reached "$since" 09:30:22
    check "[back] the clock set an hour back ticks on at once, quietly (${seen:-nothing} at $seen_at)" \
        test -z "$seen" -a "$seen_at" \< 10:00:00
    set_clock '2026-06-10 14:30:02' # the hour lived again, up to 10:30:02
    since=$(tick_count)
    watch reached "$since" 10:30:07
    check "[back] the tick passes 10:30's ring seconds again" ticked "$since" '10:30:0[45]'
    check "[back] and the alarm that rang today does not ring again (${seen:-nothing} until $seen_at)" test -z "$seen"
    set_clock '2026-06-10 14:31:02' # 10:31:02
    since=$(tick_count)
    watch reached "$since" "$(later 10:31:00 "$ring_limit")"
    check "[back] the next alarm, at 10:31, still rings (${seen:-nothing} at the tick of $seen_at)" test "$seen" = alarm
    [ "$seen" = alarm ] && check "[back] a click ends it" close_alarm
    check "[back] the clock ends normally" stop_clock
    local day
    day=$(day_number 2026-06-10)
    check "[back] both alarms are marked as rung on 10 June (LastRingDate $(last_ring_dates))" \
        test "$(last_ring_dates)" = "$day $day"
}

openbox >/dev/null 2>&1 &
wm_pid=$!
pause 1

for scenario in "${scenarios[@]}"; do
    case $scenario in
    jump-forward) jump_forward ;;
    spring-forward) spring_forward ;;
    fall-back) fall_back ;;
    set-back) set_back ;;
    *)
        echo "clock-time-changes: unknown scenario $scenario" >&2
        exit 2
        ;;
    esac
    [ -n "$clock_pid" ] && stop_clock
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
