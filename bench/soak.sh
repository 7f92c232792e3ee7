#!/usr/bin/env bash
# A long run of the clock on a virtual X display while a driver keeps rebuilding its face: the
# size keys, timer mode on and off, the options window opened and closed, a gallery skin loaded.
# Prints resident memory, open files and X resources after warm-up and at the end, and every
# tick the clock's timer lost or doubled (from the clock's tick log).
# Usage: bench/soak.sh MINUTES [BUILD_FOLDER]      (by hand; not part of the suite)
# Bars: memory grows by less than 1 MB after warm-up, open files and X resources stay flat, no
# tick is lost.
set -euo pipefail
minutes=${1:?usage: soak.sh MINUTES [BUILD_FOLDER]}
build=$(cd "${2:-$(dirname "$0")/../build}" && pwd)
# Warm-up: the first rounds of every action fill Qt's caches (fonts, glyphs, style pixmaps).
warmup=${SOAK_WARMUP_SECONDS:-$((minutes * 60 / 10 > 120 ? 120 : minutes * 60 / 10))}
step=${SOAK_STEP_SECONDS:-4}
max_growth_kb=1024
unset QT_QPA_PLATFORM

if [ "${SOAK_INNER:-}" != 1 ]; then
    for tool in xvfb-run openbox xdotool xwininfo xrestop; do
        command -v "$tool" >/dev/null || { echo "soak: $tool missing (scripts/install-deps)" >&2; exit 1; }
    done
    SOAK_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$minutes" "$build"
fi

work=$(mktemp -d)
app=$work/app
"$(dirname "$0")/../scripts/copy-app" "$build" "$app"
openbox >/dev/null 2>&1 &
wm=$!
clock=
trap 'kill $clock $wm 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

HORAVINE_TICK_LOG=$work/ticks.log "$app/horavine" >"$work/clock.log" 2>&1 &
clock=$!
window=
for _ in $(seq 1 50); do
    window=$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "soak: the clock did not appear" >&2; exit 1; }

# A window manager may refuse to activate the clock while the timer toolbar is up; the focus alone
# is enough for keys.
focus_clock() {
    timeout 2 xdotool windowactivate --sync "$window" >/dev/null 2>&1 ||
        timeout 2 xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
}
options_window() { xdotool search --onlyvisible --name 'Options$' 2>/dev/null | head -1 || true; }

# One action per step, in turn. The gallery thumbnails sit in a 122-pixel grid whose first cell's
# centre is 65, 114 inside the options window.
round=0
act() {
    local options
    case $((round % 6)) in
        0) focus_clock; xdotool key KP_Add ;;
        1) focus_clock; xdotool key KP_Subtract ;;
        2) focus_clock; xdotool key t ;; # timer mode on ...
        3) # ... and off: Escape on the toolbar, which holds the focus
            local toolbar
            toolbar=$(xdotool search --onlyvisible --name '^  Timer$' 2>/dev/null | head -1 || true)
            if [ -n "$toolbar" ]; then
                timeout 2 xdotool windowactivate --sync "$toolbar" >/dev/null 2>&1 ||
                    timeout 2 xdotool windowfocus --sync "$toolbar" >/dev/null 2>&1 || true
                xdotool key Escape
            fi
            ;;
        4) focus_clock; xdotool key o ;;
        5)
            options=$(options_window)
            if [ -n "$options" ]; then
                local cell=$((round / 6 % 9)) x y
                read -r x y < <(xwininfo -id "$options" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
                timeout 5 xdotool windowactivate --sync "$options" >/dev/null 2>&1 || true
                xdotool key ctrl+Tab # to the galleries page
                sleep 0.5
                xdotool mousemove $((x + 65 + cell % 3 * 122)) $((y + 114 + cell / 3 * 122)) click 1
                sleep 0.5
                xdotool key Escape
            fi
            ;;
    esac
    round=$((round + 1))
}

rss_kb() { awk '$1 == "VmRSS:" {print $2}' "/proc/$clock/status"; }
open_files() { find "/proc/$clock/fd" -mindepth 1 2>/dev/null | wc -l; }
# The clock's X resources: windows, GCs, fonts, pixmaps, pictures, ... counted by xrestop.
x_resources() {
    xrestop -b -m 1 2>/dev/null | awk -v pid="$clock" '
        /^[0-9]+ - / { mine = 0; if (match($0, /PID: *[0-9]+/)) { p = substr($0, RSTART + 4, RLENGTH - 4); mine = (p + 0 == pid) } next }
        mine && /^\t(windows|GCs|fonts|pixmaps|pictures|glyphsets|colormaps|passive grabs|cursors|unknowns) *:/ { n += $NF; found = 1 }
        END { print found ? n : -1 }'
}
sample() { echo "$(rss_kb) $(open_files) $(x_resources)"; }

echo "soak: $minutes minutes, an action every $step s, warm-up $warmup s"
start=$(date +%s)
end=$((start + minutes * 60))
warm=
peak_kb=0
# Whole rounds only, so the end is sampled in the state of the warm-up sample.
while [ "$(date +%s)" -lt "$end" ] || [ $((round % 6)) != 0 ]; do
    kill -0 "$clock" 2>/dev/null || { echo "soak: the clock ended" >&2; cat "$work/clock.log" >&2; exit 1; }
    act
    sleep "$step"
    # SOAK_SHOTS=FOLDER keeps a screenshot after each action, to see that the driver drives.
    [ -n "${SOAK_SHOTS:-}" ] && import -window root "$SOAK_SHOTS/$(printf %05d "$round").png"
    now=$(date +%s)
    if [ -z "$warm" ] && [ $((now - start)) -ge "$warmup" ] && [ $((round % 6)) = 0 ]; then
        warm=$(sample)
        echo "soak: after warm-up: $warm (RSS kB, open files, X resources)"
    fi
    if [ -n "$warm" ]; then
        kb=$(rss_kb)
        [ "$kb" -gt "$peak_kb" ] && peak_kb=$kb
    fi
done
sleep 2
final=$(sample)
ticks=$(wc -l <"$work/ticks.log")
# Consecutive ticks belong to consecutive seconds: a gap is a lost tick, a repeat a doubled one.
read -r lost doubled < <(awk '
    { split($1, t, ":"); s = t[1] * 3600 + t[2] * 60 + t[3]
      if (NR > 1) { d = (s - prev + 86400) % 86400; if (d == 0) doubled++; else if (d > 1) lost += d - 1 }
      prev = s }
    END { print lost + 0, doubled + 0 }' "$work/ticks.log")

read -r warm_kb warm_files warm_x <<<"$warm"
read -r final_kb final_files final_x <<<"$final"
growth=$((final_kb - warm_kb))
printf '%-22s %12s %12s\n' "" "after warm-up" "at the end"
printf '%-22s %12s %12s\n' "resident memory (kB)" "$warm_kb" "$final_kb"
printf '%-22s %12s %12s\n' "open files" "$warm_files" "$final_files"
printf '%-22s %12s %12s\n' "X resources" "$warm_x" "$final_x"
echo "memory growth: $growth kB (peak $peak_kb kB); actions: $round; ticks: $ticks, lost: $lost, doubled: $doubled"
status=0
[ "$growth" -lt "$max_growth_kb" ] || { echo "soak: memory grew by $growth kB"; status=1; }
[ "$final_files" -le "$warm_files" ] || { echo "soak: open files grew"; status=1; }
[ "$final_x" -le "$warm_x" ] || { echo "soak: X resources grew"; status=1; }
[ "$lost" = 0 ] || { echo "soak: $lost ticks lost"; status=1; }
[ $status = 0 ] && echo "soak: within the bars"
exit $status
