#!/usr/bin/env bash
# The running clock at rest on a virtual X display under openbox, default skin at 400 pixels,
# beside `xclock -update 1` at 400 x 400 measured over the same seconds: CPU time per minute and
# resident memory of each, and the clock's time from start to its first face. Two desktops: no
# tray host, and a tray host (trayer), as most desktops have; on the second the clock is also
# measured with its read-out off and in timer mode.
# Usage: clock-idle.sh BUILD_FOLDER (run by scripts/run-bench)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${BENCH_SECONDS:-60}
# At rest means after start-up: Qt's pool threads from the first paints end after 30 idle seconds,
# and the first seconds fill the font, glyph and layout caches. Each case settles this long.
settle=${BENCH_SETTLE:-30}
max_ratio=2.0 # the clock's CPU over xclock's, with a tray host, default skin
max_rss_mb=30
max_first_face_ms=200
# The other benchmarks paint offscreen; this one needs the clock on the X display.
unset QT_QPA_PLATFORM

if [ "${CLOCK_IDLE_INNER:-}" != 1 ]; then
    for tool in xvfb-run openbox trayer xclock xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "clock-idle: $tool missing (scripts/install-deps)" >&2; exit 1; }
    done
    results=$(mktemp)
    trap 'rm -f "$results"' EXIT
    # Each desktop on a display of its own, so that nothing of the first is left for the second.
    for desktop in plain tray; do
        CLOCK_IDLE_INNER=1 CLOCK_IDLE_DESKTOP=$desktop CLOCK_IDLE_RESULTS=$results \
            xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build"
    done
    printf '%-34s %12s %8s %12s %8s %7s\n' "openbox, 400 px, this machine" "horavine" "RSS" "xclock" "RSS" "ratio"
    printf '%-34s %12s %8s %12s %8s %7s\n' "" "ms/minute" "MB" "ms/minute" "MB" ""
    awk -F'\t' '{printf "%-34s %12.1f %8.1f %12.1f %8.1f %6.2fx\n", $1, $2, $3, $4, $5, $2 / $4}' "$results"
    printf 'CPU: every thread'"'"'s scheduler time over the same %s s for both programs, after %s s to settle\n' \
        "$seconds" "$settle"
    first_face_ms=$(awk -F'\t' '$6 != "" {print $6; exit}' "$results")
    printf 'start to first face: %s ms\n' "$first_face_ms"
    printf 'bars, with a tray host and the default skin: at most %sx xclock'"'"'s CPU, at most %s MB resident; first face within %s ms\n' \
        "$max_ratio" "$max_rss_mb" "$max_first_face_ms"
    status=0
    read -r cpu rss xcpu < <(awk -F'\t' '$1 ~ /^with a tray host/ {print $2, $3, $4; exit}' "$results")
    awk -v c="$cpu" -v x="$xcpu" -v m="$max_ratio" 'BEGIN{exit !(c <= m * x)}' || { echo "clock-idle: CPU over the bar"; status=1; }
    awk -v r="$rss" -v m="$max_rss_mb" 'BEGIN{exit !(r <= m)}' || { echo "clock-idle: memory over the bar"; status=1; }
    [ "$first_face_ms" -le "$max_first_face_ms" ] || { echo "clock-idle: first face too late"; status=1; }
    [ $status = 0 ] && echo "clock-idle: within the bars"
    exit $status
fi

app=$(mktemp -d)
"$(dirname "$0")/../scripts/copy-app" "$build" "$app"
openbox >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "$app"' EXIT
sleep 1
if [ "$CLOCK_IDLE_DESKTOP" = tray ]; then
    # The tray host of the end-to-end tests; the clock's icon docks into it.
    . "$(dirname "$0")/../tests/e2e/desktop-helpers.sh"
    start_tray_host
    pids+=("$tray_pid")
    sleep 1
fi

# CPU time of every thread of a process, in nanoseconds, one "tid time" line each. The kernel's
# scheduler statistics count to the nanosecond; /proc/PID/stat counts in 10 ms ticks, too coarse
# for a process that runs a few milliseconds a minute.
thread_times() {
    local task time
    for task in /proc/"$1"/task/*; do
        # A thread may end between the listing and the reading.
        if time=$(cut -d' ' -f1 "$task/schedstat" 2>/dev/null) && [ -n "$time" ]; then
            echo "${task##*/} $time"
        fi
    done
}
rss_kb() { awk '$1 == "VmRSS:" {print $2}' "/proc/$1/status"; }

# Samples the clock and xclock over the same seconds: prints "clock_cpu clock_rss xclock_cpu
# xclock_rss", CPU in ms per minute, RSS in MB averaged over a sample a second. A thread that ends
# meanwhile (Qt's pool threads end when idle) counts from the start only while it ran; one that
# starts counts from zero.
measure() {
    local clock=$1 xclock=$2 clock_before xclock_before rss=0 xrss=0
    clock_before=$(thread_times "$clock")
    xclock_before=$(thread_times "$xclock")
    for _ in $(seq 1 "$seconds"); do
        sleep 1
        rss=$((rss + $(rss_kb "$clock")))
        xrss=$((xrss + $(rss_kb "$xclock")))
    done
    cpu_ms() {
        awk -v s="$seconds" 'FNR == NR { start[$1] = $2; next }
            { ns += $2 - ($1 in start ? start[$1] : 0) } END { printf "%.1f", ns / 1e6 * 60 / s }' \
            <(echo "$1") <(echo "$2")
    }
    echo "$(cpu_ms "$clock_before" "$(thread_times "$clock")") $(awk -v k="$rss" -v n="$seconds" 'BEGIN{printf "%.1f", k / n / 1024}')" \
        "$(cpu_ms "$xclock_before" "$(thread_times "$xclock")") $(awk -v k="$xrss" -v n="$seconds" 'BEGIN{printf "%.1f", k / n / 1024}')"
}

clock_window() { xdotool search --all --pid "$1" --onlyvisible --name '^ZavIro$' 2>/dev/null | head -1 || true; }

# Starts the clock with ARGS and waits for its face: sets $clock and $first_face_ms.
launch_clock() {
    local begin window
    begin=$(date +%s%N)
    "$app/horavine" "$@" >/dev/null 2>&1 &
    clock=$!
    pids+=("$clock")
    first_face_ms=
    for _ in $(seq 1 300); do
        window=$(clock_window "$clock")
        # The first tick gives the window the skin's size (400); before it, it is 335 x 329.
        if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Width: 400'; then
            first_face_ms=$((($(date +%s%N) - begin) / 1000000))
            return
        fi
        sleep 0.01
    done
    echo "clock-idle: no face appeared" >&2
    exit 1
}
stop_clock() {
    kill "$clock"
    wait "$clock" 2>/dev/null || true
}

# Top right: clear of the clock (centred at its first start) and of the tray host.
xclock -update 1 -geometry 400x400-0+0 >/dev/null 2>&1 &
xclock=$!
pids+=("$xclock")

report() { # case name, first face or ""
    local clock_cpu clock_rss xclock_cpu xclock_rss
    read -r clock_cpu clock_rss xclock_cpu xclock_rss < <(measure "$clock" "$xclock")
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$1" "$clock_cpu" "$clock_rss" "$xclock_cpu" "$xclock_rss" "$2" \
        >>"$CLOCK_IDLE_RESULTS"
}

launch_clock
sleep "$settle"
if [ "$CLOCK_IDLE_DESKTOP" = plain ]; then
    report "no tray host" "$first_face_ms"
    exit 0
fi
report "with a tray host" ""

# Timer mode: T on the clock (a click gives it the keys), the toolbar shows, and its Start button
# (the first, past a 12-pixel indent) sets the face counting.
window=$(clock_window "$clock")
xdotool mousemove --window "$window" 200 200 click 1
sleep 0.5
xdotool key t
sleep 1
toolbar=$(xdotool search --all --pid "$clock" --onlyvisible --name . 2>/dev/null | grep -v "^$window$" | head -1 || true)
[ -n "$toolbar" ] || { echo "clock-idle: the timer toolbar did not show" >&2; exit 1; }
xdotool mousemove --window "$toolbar" 27 15 click 1
xdotool mousemove 10 700
sleep "$settle"
report "  same, in timer mode, counting" ""
stop_clock

# The read-out off: the default skin with DigPosition 0, handed to the clock at its start.
"$build/horavine-cli" skin set "$app/default.clk" DigPosition=0 -o "$app/no-readout.clk" >/dev/null
launch_clock "$app/no-readout.clk"
sleep "$settle"
report "  same, read-out off" ""
