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
failures = passes = 0


def check(what, ok):
    global failures, passes
    passes, failures = passes + bool(ok), failures + (not ok)
    print(("ok - " if ok else "not ok - ") + what, flush=True)


def until(condition, seconds=5):
    end = time.time() + seconds * slowdown
    while time.time() < end:
        found = condition()
        if found:
            return found
        time.sleep(0.1)
    return condition()


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(root, role, name):
    return until(lambda: next((n for n in nodes(root) if n.getRoleName() == role and n.name.strip() == name), None))


def do(node, action):
    if node is None:
        return False
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    return action in names and actions.doAction(names.index(action))


def has(node, state):
    return node is not None and node.getState().contains(state)


def checked(node):
    return has(node, pyatspi.STATE_CHECKED)


def sensitive(node):
    return has(node, pyatspi.STATE_SENSITIVE)


def text(node):
    try:
        return node.queryText().getText(0, -1)
    except (AttributeError, NotImplementedError):  # no node, or nothing to read
        return ""


def cells(tree):
    return [n.name for n in nodes(tree) if n.getRoleName() == "table cell"]


desktop = pyatspi.Registry.getDesktop(0)
app = until(lambda: next((a for a in desktop if a is not None and a.name == "Horavine"), None))
check("the clock is on the accessibility bus", app is not None)
if app is None:
    sys.exit(1)
options = until(lambda: next((n for n in nodes(app) if n.getRoleName() == "dialog" and "Options" in n.name), None))
check("the options window is found", options is not None)
if options is None:
    sys.exit(1)

do(find(options, "page tab", "Skin Galleries"), "Press")
do(find(options, "push button", "Meadow"), "Press")
box = find(options, "label", "Active skin")
check("the active-skin box reads the skin's name", until(lambda: text(box) == "Meadow"))

do(find(options, "page tab", "Alarms"), "Press")
edit_toggle = find(options, "check box", "Edit selected alarm")
do(find(options, "push button", "Create new alarm"), "Press")
check("Create new alarm begins an edit", until(lambda: checked(edit_toggle)))
name = find(options, "text", "The alarm name")
name.queryEditableText().setTextContents("Wake up")
do(edit_toggle, "Toggle")
tree = find(options, "tree", "Alarms")
check("the Edit toggle ends the edit: the row reads the name, the page locks",
      until(lambda: not checked(edit_toggle) and "Wake up" in cells(tree) and not sensitive(name)))
do(edit_toggle, "Toggle")
check("toggled again, the edit begins again", until(lambda: checked(edit_toggle) and sensitive(name)))
do(edit_toggle, "Press")
check("pressed, it ends again", until(lambda: not checked(edit_toggle) and not sensitive(name)))

# The read-out follows at the next tick, once a second.
clock = find(app, "filler", "ZavIro")
check("the clock window reads the time", until(lambda: re.fullmatch(r"\d+:\d\d:\d\d [AP]M", text(clock))))
do(find(options, "page tab", "Skin Design"), "Press")
do(find(options, "radio button", "24"), "Toggle")
check("the 24 radio button turns the read-out to 24 hours",
      until(lambda: re.fullmatch(r"\d+:\d\d:\d\d", text(clock))))
do(find(options, "push button", "Done"), "Press")
check("Done closes the options window", until(lambda: not has(options, pyatspi.STATE_SHOWING)))

subprocess.run(["xdotool", "windowactivate", "--sync", sys.argv[1], "key", "--window", sys.argv[1], "t"], check=False)
do(find(app, "push button", "Start"), "Press")
check("the clock window reads the timer counting", until(lambda: re.fullmatch(r"0:00:0[1-9]", text(clock))))
pause = find(app, "check box", "Pause")
do(pause, "Toggle")
time.sleep(1.5 * slowdown)
held = text(clock)
time.sleep(2 * slowdown)
check(f"the Pause toggle holds the count at {held}", checked(pause) and text(clock) == held)
do(pause, "Toggle")
check("toggled again, the count goes on", until(lambda: not checked(pause) and text(clock) != held))

print(f"{passes} passed, {failures} failed")
sys.exit(1 if failures else 0)
