#!/usr/bin/env bash
# The clock's command line and skin files handed to it as a file manager does: --help, --version
# and a wrong option answer without a display or a clock; a skin file given to a second start is
# worn by the running clock, with no second clock left; a file that is no skin is refused with a
# message and the clock keeps its skin; with no clock running, the clock starts wearing the file;
# and the thumbnailer entry's command draws a skin at the size asked for.
# Usage (under xvfb-run): skin-files.sh BUILT_HORAVINE DATA_FOLDER THUMBNAILER_ENTRY
set -uo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
entry=$(realpath "$3")
. "$(dirname "$0")/checks.sh"
require_tools openbox xdotool identify

work=$(mktemp -d)
app=$work/app
clock_pid=
wm_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -KILL "$clock_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$app"
cp "$exe" "$(dirname "$exe")/horavine-cli" "$app/"
cp "$(dirname "$exe")/libhoravine_sound.so" "$app/"
cp -r "$data"/. "$app/"
neon=$app/Skins/Synthetic/Neon.clk
head -c 100 /dev/urandom >"$work/broken.clk"

# --- the command line, with no display at all
answer() { # arguments...: sets out, err, status
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$app/horavine" "$@" 2>"$work/err")
    status=$?
    err=$(cat "$work/err")
}
answer --help
check "--help prints the usage on stdout with status 0" test "$status" = 0 -a -z "$err"
names() { grep -q -- -hide <<<"$out" && grep -q SKIN.clk <<<"$out" && grep -q XDG_DATA_HOME <<<"$out"; }
check "the usage names -hide, the skin file and the environment" names
answer --version
versioned() { [ "$status" = 0 ] && grep -qxE 'horavine [0-9]+\.[0-9]+' <<<"$out"; }
check "--version prints the version ($out) with status 0" versioned
answer --frobnicate
refused() { [ "$status" = 2 ] && [ -z "$out" ] && grep -q 'unknown option' <<<"$err" && grep -q -- --help <<<"$err"; }
check "a wrong option says so on stderr with status 2" refused
check "nothing of the clock was left behind" test ! -e "$app/horavine.ini"

openbox >/dev/null 2>&1 &
wm_pid=$!
pause 1

clocks() { pgrep -c -f "^$app/horavine( |$)" 2>/dev/null || echo 0; }

stop_clock() {
    kill -TERM "$clock_pid" 2>/dev/null
    wait "$clock_pid" 2>/dev/null
    clock_pid=
}

worn() { grep -q "^Skin=$1\$" "$app/horavine.ini"; }

start_clock() { # arguments...
    "$app/horavine" "$@" >>"$work/clock.log" 2>&1 &
    clock_pid=$!
    for _ in $(seq 1 "$(stretched 50)"); do
        [ -n "$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null)" ] && break
        sleep 0.1
    done
    pause 1.5
}

# --- handed to the running clock
start_clock
timeout "$(stretched 10)" "$app/horavine" "$neon"
check "a second start with a skin file ends at once with success" test $? = 0
pause 1
check "no second clock stays" test "$(clocks)" = 1
timeout "$(stretched 10)" "$app/horavine" "$work/broken.clk"
box=
for _ in $(seq 1 "$(stretched 30)"); do
    box=$(xdotool search --all --onlyvisible --pid "$clock_pid" --name '^Horavine$' 2>/dev/null | head -1)
    [ -n "$box" ] && break
    sleep 0.1
done
check "a file that is no skin is refused with a message" test -n "$box"
if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" key Return 2>/dev/null
    pause 0.5
fi
stop_clock
check "the running clock wore the skin file, and kept it after the refusal" worn "$neon"

# --- no clock running: it starts wearing the file
printf '[Default]\nSkin=\n' >"$app/horavine.ini"
(cd "$app/Skins/Synthetic" && exec "$app/horavine" Candy.clk >>"$work/clock.log" 2>&1) &
clock_pid=$!
pause 3
stop_clock
check "with no clock running, the clock starts wearing the file named relative to the folder" \
    worn "$app/Skins/Synthetic/Candy.clk"

# --- the file manager's thumbnailer
thumbnail() { # skin, size, output: runs the entry's command as a file manager would
    local command
    command=$(sed -n 's/^Exec=//p' "$entry")
    command=${command//%i/\"$1\"}
    command=${command//%s/$2}
    command=${command//%o/\"$3\"}
    PATH=$app:$PATH eval "$command" 2>"$work/thumb.err"
}
thumbnail "$neon" 128 "$work/neon.png"
check "the thumbnailer draws a shipped skin" test $? = 0 -a -s "$work/neon.png"
check "as a PNG of the size asked for" test "$(identify -format '%m %wx%h' "$work/neon.png" 2>/dev/null)" = "PNG 128x128"
thumbnail "$work/broken.clk" 128 "$work/broken.png"
status=$?
check "a damaged skin fails cleanly, with a message and no picture" \
    test "$status" = 1 -a ! -e "$work/broken.png" -a -s "$work/thumb.err"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ] && [ "$passes" -gt 0 ]
