"""Reads the quiz through AT-SPI and presses its buttons through their accessibility actions."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi import children, fail, named, press, program_window, showing, wait_for  # noqa: E402

OPTION = re.compile(r"^[a-d]\) \S")


window = wait_for(program_window, "window named Orwin's Bramblet")
press(window, "New Type 3")

labels = [c for c in children(window) if c.getRole() == pyatspi.ROLE_LABEL]
question = next((l for l in labels if l.name.startswith("How many IP addresses")), None)
if question is None:
    fail("the question text did not change to the count question")
line = labels[labels.index(question) + 1].name
option_labels = [l for l in labels if OPTION.match(l.name)]
options = [l.name for l in option_labels]
verdicts = [labels[labels.index(l) + 1] for l in option_labels]  # each row's label after its option
print(f"question: {question.name} {line}")
print(f"options: {options}")
if not re.fullmatch(r"\d+\.\d+\.\d+\.\d+/\d+", line):
    fail(f"question line {line!r}")
if len(options) != 4 or not all(re.fullmatch(r"[a-d]\) \d+", o) for o in options):
    fail("four count options with their letters")
if any(showing(v) for v in verdicts):
    fail("verdicts showing before any Select")


def everything_said(accessible):
    said = [accessible.name, accessible.description]
    try:
        text = accessible.queryText()
        said.append(text.getText(0, text.characterCount))
    except NotImplementedError:
        pass
    return [s for s in said if s]


hidden = [everything_said(v) for v in verdicts]
print(f"what the tree holds for the hidden verdicts: {hidden}")
if any(hidden):
    fail("a hidden verdict can be read")

# Select c) from the keyboard, as a screen-reader user would press it.
received = []


def listen(event):
    # Qt sends the changed object rather than the new value, so read the value as it arrives.
    value = event.source.description if event.type.endswith("description") else event.source.name
    received.append((event.type.split(":")[-1], event.source.name, value))


events = ("object:property-change:accessible-description", "object:property-change:accessible-name")
pyatspi.Registry.registerEventListener(listen, *events)
select_c = named(window, pyatspi.ROLE_PUSH_BUTTON, "Select c)")
select_c.queryComponent().grabFocus()
time.sleep(0.5)
subprocess.run(["xdotool", "key", "space"], check=True)
context = GLib.MainContext.default()
deadline = time.monotonic() + 2
while time.monotonic() < deadline:
    context.iteration(False)
    time.sleep(0.01)
pyatspi.Registry.deregisterEventListener(listen, *events)
print(f"events after Space on Select c): {received}")
announced = [data for kind, source, data in received
             if source == "Select c)" and kind == "accessible-description"]
if not any(re.fullmatch(r"c\) (True|False|Silly)", data) for data in announced):
    fail("Select c) announced no verdict")

shown = [v.name for v in verdicts if showing(v)]
print(f"revealed: {shown}")
if len(shown) != 1 or not re.fullmatch(r"Verdict c\) (True|False|Silly)", shown[0]):
    fail("exactly verdict c) showing after its Select")

# A new question takes the announcement back.
press(window, "New Type 1")
if named(window, pyatspi.ROLE_PUSH_BUTTON, "Select c)").description:
    fail("the announcement outlived its question")
print("1 passed, 0 failed")
