"""Checks of the window on one desktop, named by the first argument (several joined by commas);
see desktop_test.sh. On GNOME Shell and KWin (real_desktop.py) the checks start the program."""
import os
import re
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi import children, fail, press, program_window, showing, wait_for  # noqa: E402
import real_desktop  # noqa: E402
from real_desktop import DESKTOP  # noqa: E402

SHOT = os.path.join(os.environ["work"], "shot.png")  # the scratch folder of desktop_test.sh
OPTION = re.compile(r"^[a-d]\) \S")


# Where the client area's top-left corner is on the screenshots. A Wayland program does not know
# where it stands, so on a real desktop the desktop tells.
ORIGIN = [0, 0]


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + ORIGIN[0], box.y + ORIGIN[1], box.width, box.height


def size(window):
    box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.width, box.height


def labels(window):
    return [c for c in children(window) if c.getRole() == pyatspi.ROLE_LABEL and showing(c)]


def options(window):
    return [label for label in labels(window) if OPTION.match(label.name)]


def verdicts(window):
    return [label for label in labels(window) if label.name.startswith("Verdict ")]


def reveal_every_verdict(window):
    for letter in "abcd":
        press(window, f"Select {letter})")
    return wait_for(lambda: len(verdicts(window)) == 4 and verdicts(window), "four verdicts")


def colours(x, y, width, height):
    """The colours of a rectangle of the last screenshot, the commonest first."""
    histogram = subprocess.run(
        ["convert", SHOT, "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-format", "%c",
         "histogram:info:-"], check=True, capture_output=True, text=True).stdout
    counted = [(int(count), colour) for count, colour in
               re.findall(r"^\s*(\d+):.*?(#[0-9A-Fa-f]{6})", histogram, re.MULTILINE)]
    return [colour.upper() for _, colour in sorted(counted, reverse=True)]


def screenshot():
    if DESKTOP:
        real_desktop.screenshot(SHOT)
    else:
        subprocess.run(["import", "-window", "root", SHOT], check=True)


def luminance(colour):
    def linear(channel):
        channel /= 255
        return channel / 12.92 if channel <= 0.04045 else ((channel + 0.055) / 1.055) ** 2.4
    red, green, blue = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue)


def contrast(one, other):
    darker, lighter = sorted((luminance(one), luminance(other)))
    return (lighter + 0.05) / (darker + 0.05)


def check_contrast(window, least=3):
    """Every verdict, green and dark red, at least 3 : 1 against the ground it is drawn on, the
    level for large text; `least` asks more."""
    shown = reveal_every_verdict(window)
    screenshot()
    for verdict in shown:
        ground, text = colours(*extents(verdict))[:2]
        ratio = contrast(ground, text)
        print(f"{verdict.name}: {text} on {ground}, {ratio:.2f} : 1")
        if ratio < least:
            fail(f"{verdict.name} has only {ratio:.2f} : 1")


def check_uncut(window):
    """No label's text reaches its right edge: the longest question text, then a range question
    with an option long enough to need all the room its label has."""
    press(window, "New Type 3")
    check_edges(window)
    for _ in range(30):
        press(window, "New Type 2")
        if any(sum(ch.isdigit() for ch in label.name) >= 13 for label in options(window)):
            break
    else:
        fail("no option of 13 digits in 30 questions")
    check_edges(window)


def check_edges(window):
    reveal_every_verdict(window)
    screenshot()
    for label in labels(window):
        x, y, width, height = extents(label)
        ground = colours(x, y, width, height)[0]
        if colours(x + width - 1, y, 1, height) != [ground]:
            fail(f"the text of {label.name!r} is cut at its right edge")
    print(f"nothing cut: {[label.name for label in options(window)]}")


def check_on_screen(window):
    """Every control inside the screen's available area, the panels left out."""
    work_area = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], check=True,
                               capture_output=True, text=True).stdout
    # The area is in the screen's pixels, the extents in Qt's, which QT_SCALE_FACTOR enlarges.
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1"))
    left, top, width, height = (round(int(n) / scale) for n in
                                re.findall(r"\d+", work_area.split("=")[1])[:4])
    print(f"available area: {width} x {height} at {left}, {top}")
    for control in filter(showing, children(window)):
        x, y, w, h = extents(control)
        if x < left or y < top or x + w > left + width or y + h > top + height:
            fail(f"{control.name!r} at {x}, {y}, {w} x {h} is off the available area")
    print(f"all {window.childCount} controls inside; window {extents(window)}")


def check_question(window):
    """A question posed and one verdict revealed, through the accessibility bus alone."""
    press(window, "New Type 3")
    question = wait_for(lambda: next((l for l in labels(window)
                                      if l.name.startswith("How many IP addresses")), None),
                        "count question")
    press(window, "Select a)")
    shown = [v.name for v in verdicts(window)]
    print(f"{question.name} {[o.name for o in options(window)]} -> {shown}")
    if len(shown) != 1 or not re.fullmatch(r"Verdict a\) (True|False|Silly)", shown[0]):
        fail("verdict a) alone showing after its Select")


def placed(window):
    """Where the desktop has put the window, once it has; the screenshots' origin follows."""
    place = wait_for(lambda: real_desktop.placement(size(window)), "window on the desktop")
    ORIGIN[:] = place["client"][:2]
    return place


def check_whole(window):
    """The whole window, title bar included, inside the area the desktop's panels leave free."""
    place = placed(window)
    x, y, width, height = place["frame"]
    left, top, room_width, room_height = place["area"]
    print(f"frame {width} x {height} at {x}, {y}; client {size(window)}; free area "
          f"{room_width} x {room_height} at {left}, {top}")
    if x < left or y < top or x + width > left + room_width or y + height > top + room_height:
        fail("the window reaches past the area its desktop leaves free")


def check_full_size(window):
    """Where there is room, the client area is the layout's own size, 762 x 616."""
    check_whole(window)
    if size(window) != (762, 616):
        fail(f"the client area is {size(window)} where 762 x 616 has room")


def ground_becomes(window, wanted, what):
    """Waits until the window's ground, on a screenshot, is as `wanted` says; the desktop tells
    its programs and they repaint. Returns the ground."""
    def turned():
        screenshot()
        ground = colours(*ORIGIN, *size(window))[0]
        return ground if wanted(ground) else None
    return wait_for(turned, what)


def ground_turns(window, dark):
    return ground_becomes(window, lambda ground: (luminance(ground) < 0.1) == dark,
                          "dark window" if dark else "light window")


def check_high_contrast(window):
    """GNOME's High Contrast switched on while the program runs: a white ground, every verdict
    at least 7 : 1 on its own; switched off, the window as it was."""
    placed(window)
    screenshot()
    before = colours(*ORIGIN, *size(window))[0]
    real_desktop.set_high_contrast(True)
    print(f"high contrast: {ground_becomes(window, lambda g: g == '#FFFFFF', 'white ground')}")
    check_contrast(window, least=7)
    real_desktop.set_high_contrast(False)
    ground_becomes(window, lambda ground: ground == before, f"the ground it had, {before}")


def check_dark(window):
    """The desktop turned dark while the program runs: a dark window, every verdict at least
    4.5 : 1 on its ground; turned light again, the light window it had."""
    placed(window)
    real_desktop.set_colour_scheme(dark=True)
    print(f"dark: the window's ground is {ground_turns(window, dark=True)}")
    check_contrast(window, least=4.5)
    real_desktop.set_colour_scheme(dark=False)
    print(f"light again: {ground_turns(window, dark=False)}")


def check_dark_start(window):
    """The desktop already dark when the program starts: dark from its first frame on."""
    real_desktop.set_colour_scheme(dark=True)
    window = restart()
    placed(window)
    screenshot()
    ground = colours(*ORIGIN, *size(window))[0]
    print(f"started dark: the window's ground is {ground}")
    if luminance(ground) >= 0.1:
        fail(f"the window starts light ({ground}) on a dark desktop")
    check_contrast(window, least=4.5)
    real_desktop.set_colour_scheme(dark=False)
    ground_turns(window, dark=False)
    return window


def check_frames(window):
    """Every text box keeps a frame: its left edge is not all of the box's own colour."""
    placed(window)
    screenshot()
    for box in (c for c in children(window) if c.getRole() == pyatspi.ROLE_TEXT):
        x, y, width, height = extents(box)
        inside = colours(x, y, width, height)[0]
        edge = colours(x, y + height // 2, 3, 1)
        print(f"{box.name}: {width} x {height}, edge {edge} inside {inside}")
        if edge == [inside]:
            fail(f"{box.name!r} is drawn without a frame")


def check_text_scale(window):
    """GNOME's Large Text at 1.5 while the program runs, on a screen with room for it: the window
    grows 1.5 times, and is as large when started again; back at 1, it is at its own size."""
    real_desktop.set_text_scale(1.5)
    wait_for(lambda: size(window) != (762, 616), "window that grows with the desktop's text")
    grown = size(window)
    check_whole(window)
    print(f"text scale 1.5: client area 762 x 616 becomes {grown}")
    if abs(grown[0] / 762 - 1.5) > 0.03 or abs(grown[1] / 616 - 1.5) > 0.03:
        fail(f"the window grew to {grown}, not 1.5 times")
    window = restart()
    if size(window) != grown:
        fail(f"started again at text scale 1.5, the window is {size(window)}, not {grown}")
    real_desktop.set_text_scale(1.0)
    wait_for(lambda: size(window) == (762, 616), "window back at its own size")
    return window


def check_monitor_scale(window):
    """The desktop's display settings at 125 %: the window, started again, is whole."""
    scale = real_desktop.set_monitor_scale(1.25)
    print(f"monitor scale {scale}")
    check_whole(restart())


PROGRAM = real_desktop.Program()


def restart():
    PROGRAM.start()
    time.sleep(1)
    return wait_for(program_window, "window named Orwin's Bramblet", 20)


CHECKS = {"contrast": check_contrast, "uncut": check_uncut, "on-screen": check_on_screen,
          "question": check_question, "whole": check_whole, "full-size": check_full_size,
          "dark": check_dark, "dark-start": check_dark_start,
          "high-contrast": check_high_contrast, "frames": check_frames, "text-scale": check_text_scale,
          "monitor-scale": check_monitor_scale}
shown = restart() if DESKTOP else wait_for(program_window, "window named Orwin's Bramblet")
try:
    for name in sys.argv[1].split(","):
        shown = CHECKS[name](shown) or shown
finally:
    PROGRAM.stop()
