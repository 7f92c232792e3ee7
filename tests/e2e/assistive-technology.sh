#!/usr/bin/env bash
# The clock through the desktop's accessibility bus (AT-SPI), as a screen reader or desktop
# automation uses it: the checks are in assistive-technology.py. Runs the clock on a session bus of
# its own with accessibility on.
# Usage (under xvfb-run and dbus-run-session): assistive-technology.sh BUILT_HORAVINE DATA_FOLDER
# Exits 77 (skipped) where the tools or Debian's python3-pyatspi are missing.
set -uo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
. "$(dirname "$0")/checks.sh"
require_tools openbox xdotool
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: python3-pyatspi is missing (scripts/install-deps installs it)"
    exit 77
fi

work=$(mktemp -d)
app=$work/app
clock_pid=
wm_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill -TERM "$clock_pid" 2>/dev/null && wait "$clock_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$app"
cp "$exe" "$app/"
cp -r "$data"/. "$app/"
openbox >/dev/null 2>&1 &
wm_pid=$!
pause 1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app/horavine" >"$work/clock.log" 2>&1 &
clock_pid=$!
window=
for _ in $(seq 1 "$(stretched 100)"); do
    window=$(xdotool search --pid "$clock_pid" --name '^ZavIro$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "not ok - the clock window appears"; exit 1; }
pause 1
xdotool key --window "$window" o # the options window
/usr/bin/python3 "$(dirname "$0")/assistive-technology.py" "$window"
