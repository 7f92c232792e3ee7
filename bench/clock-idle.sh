#!/usr/bin/env bash
# The running clock at rest on a virtual X display with a window manager, default skin: CPU time
# per minute and resident memory, averaged over BENCH_SECONDS (default 60), and the time from
# start to the first face. `xclock -update 1` is measured the same way beside it.
# Usage: clock-idle.sh BUILD_FOLDER (run by scripts/run-bench)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${BENCH_SECONDS:-60}
# The other benchmarks paint offscreen; this one needs the clock on the X display.
unset QT_QPA_PLATFORM

if [ "${CLOCK_IDLE_INNER:-}" != 1 ]; then
    for tool in xvfb-run openbox xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "clock-idle: $tool missing (scripts/install-deps)" >&2; exit 1; }
    done
    CLOCK_IDLE_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build"
fi

ticks_per_second=$(getconf CLK_TCK)
app=$(mktemp -d)
cp "$build/horavine" "$app/"
for item in default.clk Skins Textures Fonts Alarm; do
    [ -e "$build/$item" ] && cp -r "$build/$item" "$app/"
done
openbox >/dev/null 2>&1 &
wm=$!
pids=()
trap 'kill "${pids[@]}" $wm 2>/dev/null || true; wait 2>/dev/null; rm -rf "$app"' EXIT
sleep 1

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS:/{print $2}' "/proc/$1/status"; }

# Samples one process: prints "cpu_ms_per_minute rss_mb".
measure() {
    local pid=$1 start end rss_total=0 samples=0
    start=$(cpu_ticks "$pid")
    for _ in $(seq 1 "$seconds"); do
        sleep 1
        rss_total=$((rss_total + $(rss_kb "$pid")))
        samples=$((samples + 1))
    done
    end=$(cpu_ticks "$pid")
    awk -v t=$((end - start)) -v hz="$ticks_per_second" -v s="$seconds" -v r="$rss_total" -v n="$samples" \
        'BEGIN{printf "%.1f %.1f\n", t * 1000 / hz * 60 / s, r / n / 1024}'
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
sleep 2
read -r clock_cpu clock_rss < <(measure "$clock")

xclock -update 1 >/dev/null 2>&1 &
xclock_pid=$!
pids+=("$xclock_pid")
sleep 2
read -r xclock_cpu xclock_rss < <(measure "$xclock_pid")

printf '%-22s %14s %12s %16s\n' "program" "CPU ms/minute" "RSS MB" "start to face"
printf '%-22s %14s %12s %13s ms\n' "horavine" "$clock_cpu" "$clock_rss" "$first_face_ms"
printf '%-22s %14s %12s %16s\n' "xclock -update 1" "$xclock_cpu" "$xclock_rss" "-"
printf 'averaged over %s s; bars: under 150 ms/minute, under 60 MB, first face under 1500 ms\n' "$seconds"
awk -v c="$clock_cpu" -v r="$clock_rss" -v f="$first_face_ms" 'BEGIN{exit !(c < 150 && r < 60 && f < 1500)}' \
    && echo "clock-idle: within the bars" || { echo "clock-idle: over a bar"; exit 1; }
