"""What the tests that read the window through AT-SPI share: finding it, its controls, pressing."""
import sys
import time

import pyatspi


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


# Roles by their value: at-spi2-core names them differently from one release to the next. A name
# is matched whole, or as the first words of a longer one ("Select a)" of "Select a) 10.0.0.1").
def named(window, role, name):
    return next((c for c in children(window) if c.getRole() == role
                 and (c.name == name or c.name.startswith(name + " "))), None)


def press(window, name):
    button = named(window, pyatspi.ROLE_PUSH_BUTTON, name)
    if button is None:
        fail(f"no button named {name!r}")
    action = button.queryAction()
    index = next(i for i in range(action.nActions) if action.getName(i) in ("Press", "press", "click"))
    action.doAction(index)
    time.sleep(0.5)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)
