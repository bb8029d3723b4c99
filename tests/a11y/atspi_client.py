"""Reads the quiz through AT-SPI and presses its buttons through their accessibility actions."""
import re
import sys
import time

import pyatspi

OPTION = re.compile(r"^[a-d]\) \S")


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def wait_for(find, what, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(f"no {what}")


def program_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == "Orwin's Bramblet":
                return window
    return None


def children(window):
    return [window.getChildAtIndex(i) for i in range(window.childCount)]


def named(window, role, name):
    return next((c for c in children(window) if c.getRoleName() == role and c.name == name), None)


def press(window, name):
    button = named(window, "push button", name)
    if button is None:
        fail(f"no button named {name!r}")
    action = button.queryAction()
    index = next(i for i in range(action.nActions) if action.getName(i) in ("Press", "press", "click"))
    action.doAction(index)
    time.sleep(0.5)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


window = wait_for(program_window, "window named Orwin's Bramblet")
press(window, "New Type 3")

labels = [c for c in children(window) if c.getRoleName() == "label"]
question = next((l for l in labels if l.name.startswith("How many IP addresses")), None)
if question is None:
    fail("the question text did not change to the count question")
line = labels[labels.index(question) + 1].name
options = [l.name for l in labels if OPTION.match(l.name)]
verdicts = [l for l in labels if l.name.startswith("Verdict ")]
print(f"question: {question.name} {line}")
print(f"options: {options}")
if not re.fullmatch(r"\d+\.\d+\.\d+\.\d+/\d+", line):
    fail(f"question line {line!r}")
if len(options) != 4 or not all(re.fullmatch(r"[a-d]\) \d+", o) for o in options):
    fail("four count options with their letters")
if len(verdicts) != 4 or any(showing(v) for v in verdicts):
    fail("verdicts showing before any Select")

press(window, "Select c)")
verdicts = [c for c in children(window) if c.getRoleName() == "label" and c.name.startswith("Verdict ")]
shown = [v.name for v in verdicts if showing(v)]
print(f"revealed: {shown}")
if len(shown) != 1 or not re.fullmatch(r"Verdict c\) (True|False|Silly)", shown[0]):
    fail("exactly verdict c) showing after its Select")
print("1 passed, 0 failed")
