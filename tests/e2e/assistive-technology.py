#!/usr/bin/python3
# Drives the running clock over the accessibility bus, as a screen reader or desktop automation
# would, and prints one "ok -" or "not ok -" line a check. Usage: assistive-technology.py CLOCK_WINDOW_ID
import os
import re
import subprocess
import sys
import time

import pyatspi

slowdown = max(1, int(os.environ.get("HORAVINE_E2E_SLOWDOWN", "1") or 1))
results = []


def check(what, ok):
    results.append(bool(ok))
    print(("ok - " if ok else "not ok - ") + what, flush=True)


def until(condition, seconds=5):
    end = time.time() + seconds * slowdown
    while not condition() and time.time() < end:
        time.sleep(0.1)
    return condition()


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def find(root, role, name):  # name: a regular expression for the whole name
    match = lambda: next((n for n in nodes(root) if n.getRoleName() == role and re.fullmatch(name, n.name.strip())), None)
    until(match)
    return match()


def do(node, action):
    if node is None:
        return
    actions = node.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(action))


def state(node, which):
    return node.getState().contains(which)


def text(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


app = find(pyatspi.Registry.getDesktop(0), "application", "Horavine")
options = find(app, "dialog", r".* Options")
do(find(options, "page tab", "Skin Galleries"), "Press")
do(find(options, "push button", "Meadow"), "Press")
check("the active-skin box reads the skin's name", until(lambda: text(find(options, "label", "Active skin")) == "Meadow"))

do(find(options, "page tab", "Alarms"), "Press")
edit = find(options, "check box", "Edit selected alarm")
do(find(options, "push button", "Create new alarm"), "Press")
until(lambda: state(edit, pyatspi.STATE_CHECKED))
name = find(options, "text", "The alarm name")
name.queryEditableText().setTextContents("Wake up")
do(edit, "Toggle")
check("the Edit toggle ends the edit: the row reads the name, the page locks",
      until(lambda: find(options, "table cell", "Wake up") and not state(name, pyatspi.STATE_SENSITIVE)))

# The read-out follows at the next tick, once a second.
clock = find(app, "filler", "ZavIro")
check("the clock window reads the time", until(lambda: re.fullmatch(r"\d+:\d\d:\d\d [AP]M", text(clock))))
do(find(options, "push button", "Done"), "Press")
until(lambda: not state(options, pyatspi.STATE_SHOWING))
subprocess.run(["xdotool", "windowactivate", "--sync", sys.argv[1], "key", "--window", sys.argv[1], "t"], check=False)
do(find(app, "push button", "Start"), "Press")
until(lambda: re.fullmatch(r"12:00:0[1-9] AM", text(clock)))
pause = find(app, "check box", "Pause")
do(pause, "Toggle")
time.sleep(1.5 * slowdown)
held = text(clock)
time.sleep(2 * slowdown)
check(f"the Pause toggle holds the timer's count at {held}", re.fullmatch(r"12:00:0[1-9] AM", held) and text(clock) == held)

print(f"{results.count(True)} passed, {results.count(False)} failed")
sys.exit(0 if results and all(results) else 1)
