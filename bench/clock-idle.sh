#!/usr/bin/env bash
# The running clock at rest on a virtual X display with a window manager, default skin at 400
# pixels: CPU time per minute and resident memory, averaged over BENCH_SECONDS (default 60), and
# the time from start to the first face. `xclock -update 1` is measured the same way beside it.
# Usage: clock-idle.sh BUILD_FOLDER (run by scripts/run-bench)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${BENCH_SECONDS:-60}
# At rest means after start-up: Qt's pool threads from the first paints end after 30 idle seconds,
# and the first seconds fill the font, glyph and layout caches. Each program settles this long.
settle=${BENCH_SETTLE:-30}
max_cpu_ms=50
max_rss_mb=32
max_first_face_ms=200
# The other benchmarks paint offscreen; this one needs the clock on the X display.
unset QT_QPA_PLATFORM

if [ "${CLOCK_IDLE_INNER:-}" != 1 ]; then
    for tool in xvfb-run openbox xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "clock-idle: $tool missing (scripts/install-deps)" >&2; exit 1; }
    done
    CLOCK_IDLE_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build"
fi

app=$(mktemp -d)
"$(dirname "$0")/../scripts/copy-app" "$build" "$app"
openbox >/dev/null 2>&1 &
wm=$!
pids=()
trap 'kill "${pids[@]}" $wm 2>/dev/null || true; wait 2>/dev/null; rm -rf "$app"' EXIT
sleep 1

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
rss_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# Samples one process: prints "cpu_ms_per_minute rss_mb anon_mb". A thread that ends meanwhile
# (Qt's pool threads end when idle) counts from the start only while it ran; one that starts
# counts from zero.
measure() {
    local pid=$1 before after rss_total=0 anon_total=0 samples=0
    before=$(thread_times "$pid")
    for _ in $(seq 1 "$seconds"); do
        sleep 1
        rss_total=$((rss_total + $(rss_kb "$pid" VmRSS)))
        anon_total=$((anon_total + $(rss_kb "$pid" RssAnon)))
        samples=$((samples + 1))
    done
    after=$(thread_times "$pid")
    awk -v s="$seconds" -v r="$rss_total" -v a="$anon_total" -v n="$samples" '
        FNR == NR { start[$1] = $2; next }
        { ns += $2 - ($1 in start ? start[$1] : 0) }
        END { printf "%.1f %.1f %.1f\n", ns / 1e6 * 60 / s, r / n / 1024, a / n / 1024 }' \
        <(echo "$before") <(echo "$after")
}

begin=$(date +%s%N)
"$app/horavine" >/dev/null 2>&1 &
clock=$!
pids+=("$clock")
first_face_ms=
for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null | head -1 || true)
    # The first tick gives the window the skin's size (400); before it, it is 335 x 329.
    if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Width: 400'; then
        first_face_ms=$((($(date +%s%N) - begin) / 1000000))
        break
    fi
    sleep 0.01
done
[ -n "$first_face_ms" ] || { echo "clock-idle: no face appeared" >&2; exit 1; }
sleep "$settle"
read -r clock_cpu clock_rss clock_anon < <(measure "$clock")

xclock -update 1 >/dev/null 2>&1 &
xclock_pid=$!
pids+=("$xclock_pid")
sleep "$settle"
read -r xclock_cpu xclock_rss xclock_anon < <(measure "$xclock_pid")

printf '%-22s %14s %10s %14s %16s\n' "program" "CPU ms/minute" "RSS MB" "anon MB" "start to face"
printf '%-22s %14s %10s %14s %13s ms\n' "horavine" "$clock_cpu" "$clock_rss" "$clock_anon" "$first_face_ms"
printf '%-22s %14s %10s %14s %16s\n' "xclock -update 1" "$xclock_cpu" "$xclock_rss" "$xclock_anon" "-"
printf 'averaged over %s s after %s s to settle; anon: the process'"'"'s own memory, the rest of RSS is mapped\n' \
    "$seconds" "$settle"
printf 'libraries and fonts\n'
printf 'bars: at most %s ms/minute, at most %s MB resident, first face within %s ms\n' \
    "$max_cpu_ms" "$max_rss_mb" "$max_first_face_ms"
status=0
awk -v c="$clock_cpu" -v m="$max_cpu_ms" 'BEGIN{exit !(c <= m)}' || { echo "clock-idle: CPU over the bar"; status=1; }
awk -v r="$clock_rss" -v m="$max_rss_mb" 'BEGIN{exit !(r <= m)}' || { echo "clock-idle: memory over the bar"; status=1; }
[ "$first_face_ms" -le "$max_first_face_ms" ] || { echo "clock-idle: first face too late"; status=1; }
[ $status = 0 ] && echo "clock-idle: within the bars"
exit $status
