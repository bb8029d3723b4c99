"""What the tests that read the window through AT-SPI share: finding it, its controls, pressing."""
import os
import subprocess
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


def send_key(keys):
    """Presses keys as a learner does, "Tab" or "shift+Tab": through xdotool under X and under
    KWin, whose keyboard is that of the X display it draws on; through a virtual keyboard of GNOME
    Shell's own on GNOME."""
    if os.environ.get("BRAMBLET_DESKTOP") != "gnome":
        display = os.environ.get("BRAMBLET_SCREEN_DISPLAY", os.environ.get("DISPLAY", ""))
        subprocess.run(["xdotool", "key", keys], check=True, env={**os.environ, "DISPLAY": display})
        return
    names = [{"shift": "Shift_L"}.get(key, key) for key in keys.split("+")]
    press = "".join(f"k.notify_keyval(t++, C.KEY_{n}, C.KeyState.PRESSED);" for n in names)
    release = "".join(f"k.notify_keyval(t++, C.KEY_{n}, C.KeyState.RELEASED);"
                      for n in reversed(names))
    # A new virtual keyboard brings a keymap of its own, which a program takes only after the
    # keys sent with it: a Shift goes first, on its own.
    keyboard = ("const C = imports.gi.Clutter; let t = imports.gi.GLib.get_monotonic_time();"
                "let k = global.brambletKeyboard;")
    if not shell_eval(keyboard + "k !== undefined"):
        shell_eval(keyboard + "k = global.brambletKeyboard = C.get_default_backend()"
                   ".get_default_seat().create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);"
                   "k.notify_keyval(t++, C.KEY_Shift_L, C.KeyState.PRESSED);"
                   "k.notify_keyval(t++, C.KEY_Shift_L, C.KeyState.RELEASED); true")
        time.sleep(1)
    shell_eval(keyboard + press + release + "true")


def shell_eval(script):
    """Whether a JavaScript expression is true in GNOME Shell."""
    return "'true'" in subprocess.run(
        ["gdbus", "call", "--session", "--dest", "org.gnome.Shell", "--object-path",
         "/org/gnome/Shell", "--method", "org.gnome.Shell.Eval", script],
        check=True, capture_output=True, text=True).stdout
