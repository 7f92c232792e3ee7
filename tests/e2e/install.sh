#!/usr/bin/env bash
# The installed clock: installs the build into a temporary prefix, checks the layout and the
# desktop's metadata, starts the installed clock with its own home and XDG folders, ends it with
# SIGTERM, and finds its settings and alarms in the user's folder and nothing new under the prefix.
# Usage (under xvfb-run): install.sh CMAKE BUILD_FOLDER
set -uo pipefail

cmake=$1
build=$2
. "$(dirname "$0")/checks.sh"
require_tools desktop-file-validate appstreamcli xdotool

work=$(mktemp -d)
prefix=$work/prefix
clock_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -KILL "$clock_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT


"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
check "cmake --install succeeds" test $? -eq 0

png_size() { # width x height from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'
}
check "the programs are installed" test -x "$prefix/bin/horavine" -a -x "$prefix/bin/horavine-cli"
check "the sound plugin is installed where the clock looks for it" test -f "$prefix/lib/horavine/libhoravine_sound.so"
check "the shipped data is installed" test -f "$prefix/share/horavine/default.clk" \
    -a -f "$prefix/share/horavine/README.md" -a -f "$prefix/share/horavine/Alarm/Chime.wav"
for folder in Skins Textures Fonts; do
    check "$folder is installed" test -n "$(find "$prefix/share/horavine/$folder" -type f 2>/dev/null | head -1)"
done
check "the scalable icon is installed" test -f "$prefix/share/icons/hicolor/scalable/apps/horavine.svg"
for size in 16 32 48 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/horavine.png
    check "the ${size} px icon is installed at its size" test "$(png_size "$icon" 2>/dev/null)" = "${size}x$size"
done
desktop=$prefix/share/applications/horavine.desktop
check "the desktop entry is valid" desktop-file-validate "$desktop"
metainfo=$prefix/share/metainfo/org.horavine.horavine.metainfo.xml
check "the AppStream metadata is valid" appstreamcli validate --no-net "$metainfo"

listing() { find "$prefix" -printf '%p %y %s %m %T@\n' | sort; }
listing >"$work/before"

home=$work/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
    XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/runtime
unset QT_QPA_PLATFORM
user=$XDG_DATA_HOME/horavine
(cd "$work" && exec "$prefix/bin/horavine") >"$work/clock.log" 2>&1 &
clock_pid=$!

window=
for _ in $(seq 1 "$(stretched 100)"); do
    window=$(xdotool search --onlyvisible --name '^ZavIro$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
done
check "the installed clock's window appears" test -n "$window"
pause 2 # the first tick builds the face
check "the user's folder is filled from the shipped data" test -f "$user/default.clk" \
    -a -n "$(find "$user/Skins" -name '*.clk' 2>/dev/null | head -1)"

kill -TERM "$clock_pid"
for _ in $(seq 1 "$(stretched 50)"); do
    kill -0 "$clock_pid" 2>/dev/null || break
    sleep 0.1
done
check "SIGTERM ends the clock" bash -c "! kill -0 $clock_pid 2>/dev/null"
wait "$clock_pid" 2>/dev/null
clock_pid=

check "the settings are saved in the user's folder" test -f "$user/horavine.ini"
check "the alarms are saved in the user's folder" test -f "$user/Alarm/Alarms.cfg"
listing >"$work/after"
check "nothing is written under the prefix" diff "$work/before" "$work/after"

if [ "$failures" -ne 0 ] || [ -s "$work/clock.log" ]; then
    echo "--- the clock's output"
    cat "$work/clock.log"
fi
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
