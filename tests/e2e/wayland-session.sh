#!/usr/bin/env bash
# The clock in a Wayland session (weston, headless) with QT_QPA_PLATFORM unset. Where weston
# serves X11 programs through XWayland, the clock runs there: its window on that X display, its
# ticks, "H" and a second start. Where it does not (DISPLAY naming no server), the clock runs on
# Wayland itself, says once on stderr what that session does not allow, ticks, answers a second
# start, and ends on SIGTERM saving horavine.ini with the stored position it could not use.
# Usage: wayland-session.sh BUILT_HORAVINE DATA_FOLDER
# Exits 77 (skipped) where weston, its headless backend, Xwayland or the X tools are missing.
set -uo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
. "$(dirname "$0")/checks.sh"
require_tools weston Xwayland xdotool xwininfo
ls /usr/lib/*/libweston-*/headless-backend.so >/dev/null 2>&1 \
    || { echo "skipped: weston's headless backend is missing"; exit 77; }

work=$(mktemp -d)
clock_pid=
weston_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -KILL "$clock_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A session of its own: the compositor's socket and the clock's single-instance channel live here.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM XDG_SESSION_TYPE
app=$work/app
mkdir -p "$app"
cp "$exe" "$app/horavine"
cp -r "$data"/. "$app/"

# A sanitized clock on Wayland: libEGL unloads Mesa's driver at exit, before the leak check, and
# the driver's own set-up blocks then show as a leak no report can name. Kept loaded, they are not.
driver_kept=()
if [ -n "${ASAN_OPTIONS:-}" ]; then
    driver=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -1)
    [ -n "$driver" ] && driver_kept=(env LD_PRELOAD="$driver" ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0")
fi

start_weston() { # socket name, weston's options; sets weston_pid, and x_display with --xwayland
    weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$1" --log="$work/$1.log" "${@:2}" \
        >/dev/null 2>&1 &
    weston_pid=$!
    x_display=
    for _ in $(seq 1 "$(stretched 100)"); do
        if [ -S "$XDG_RUNTIME_DIR/$1" ]; then
            # weston listens for X11 programs itself and starts Xwayland at the first one.
            x_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/$1.log")
            [[ " ${*:2} " != *" --xwayland "* || -n $x_display ]] && return 0
        fi
        sleep 0.1
    done
    return 1
}

stop_weston() {
    kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    weston_pid=
}

runs_on() { # pid, platform: the Qt platform plugin the process loaded (wayland: any of its kinds)
    grep -q "platforms/libq$2[-.]" "/proc/$1/maps" 2>/dev/null
}

ticks() { [ -f "$1" ] && wc -l <"$1" || echo 0; }

ticks_grow() { # tick log: at least two more ticks within a few seconds
    local before
    before=$(ticks "$1")
    for _ in $(seq 1 "$(stretched 40)"); do
        [ "$(ticks "$1")" -ge $((before + 2)) ] && return 0
        sleep 0.1
    done
    return 1
}

ends_on_sigterm() { # the clock ends by itself, with 0, after SIGTERM
    kill -TERM "$clock_pid"
    for _ in $(seq 1 "$(stretched 50)"); do
        if ! kill -0 "$clock_pid" 2>/dev/null; then
            wait "$clock_pid"
            local status=$?
            clock_pid=
            return $((status != 0))
        fi
        sleep 0.1
    done
    return 1
}

map_state() { DISPLAY=$x_display xwininfo -id "$1" 2>/dev/null | awk '/Map State/{print $3}'; }

map_state_becomes() { # window, state
    for _ in $(seq 1 "$(stretched 30)"); do
        [ "$(map_state "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

limits_line='^horavine: on Wayland without XWayland'

echo "# weston with XWayland"
if start_weston xw --xwayland; then
    WAYLAND_DISPLAY=xw DISPLAY=$x_display HORAVINE_TICK_LOG=$work/xw.ticks "$app/horavine" 2>"$work/xw.err" &
    clock_pid=$!
    window=
    for _ in $(seq 1 "$(stretched 50)"); do
        window=$(DISPLAY=$x_display xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    check "the clock's window appears on XWayland's display $x_display" test -n "$window"
    check "the clock runs on xcb" runs_on "$clock_pid" xcb
    check "the clock ticks" ticks_grow "$work/xw.ticks"
    if [ -n "$window" ]; then
        # weston's X11 window manager does not iconify: the clock withdraws its window instead.
        DISPLAY=$x_display xdotool key --window "$window" h 2>/dev/null
        check "H hides the clock" map_state_becomes "$window" IsUnMapped
        WAYLAND_DISPLAY=xw DISPLAY=$x_display "$app/horavine" 2>>"$work/xw.err"
        check "a second start ends at once and brings the clock back" map_state_becomes "$window" IsViewable
    fi
    check "nothing is said about Wayland's limits" test "$(grep -c "$limits_line" "$work/xw.err")" -eq 0
    check "the clock ends cleanly on SIGTERM" ends_on_sigterm
    stop_weston
else
    check "weston starts with XWayland" false
fi

echo "# weston without XWayland"
if start_weston wl; then
    # DISPLAY names an X server that is not there: Qt's xcb plugin would end the clock at once.
    for n in $(seq 170 400); do [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ] && break; done
    printf '[Position]\nKeepIt=1\nLeft=300\nTop=200\n' >"$app/horavine.ini"
    WAYLAND_DISPLAY=wl DISPLAY=:$n HORAVINE_TICK_LOG=$work/wl.ticks "${driver_kept[@]}" "$app/horavine" 2>"$work/wl.err" &
    clock_pid=$!
    check "the clock ticks" ticks_grow "$work/wl.ticks"
    check "the clock runs on Wayland" runs_on "$clock_pid" wayland
    WAYLAND_DISPLAY=wl DISPLAY=:$n "${driver_kept[@]}" "$app/horavine" 2>"$work/wl-second.err"
    second_status=$?
    check "a second start hands over to the running clock and ends with 0" test "$second_status" -eq 0
    check "the second start says nothing" test ! -s "$work/wl-second.err"
    pause 3
    check "the clock still ticks seconds later" ticks_grow "$work/wl.ticks"
    check "stderr holds one line, the one about Wayland's limits" \
        test "$(grep -c "$limits_line" "$work/wl.err")" -eq 1 -a "$(wc -l <"$work/wl.err")" -eq 1
    check "the clock ends cleanly on SIGTERM" ends_on_sigterm
    check "horavine.ini is saved, with the stored position kept" \
        test "$(grep -cxE 'Skin=default.clk|Left=300|Top=200' "$app/horavine.ini")" -eq 3
    stop_weston
else
    check "weston starts" false
fi

[ -s "$work/wl.err" ] && sed 's/^/# clock: /' "$work/wl.err"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
