"""One check of the window on one desktop, named by the first argument; see desktop_test.sh."""
import os
import re
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi import children, fail, press, program_window, showing, wait_for  # noqa: E402

SHOT = os.path.join(os.environ["work"], "shot.png")  # the scratch folder of desktop_test.sh
OPTION = re.compile(r"^[a-d]\) \S")


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


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


def check_contrast(window):
    """Every verdict, green and dark red, at least 3 : 1 against the ground it is drawn on."""
    shown = reveal_every_verdict(window)
    screenshot()
    for verdict in shown:
        ground, text = colours(*extents(verdict))[:2]
        ratio = contrast(ground, text)
        print(f"{verdict.name}: {text} on {ground}, {ratio:.2f} : 1")
        if ratio < 3:
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


CHECKS = {"contrast": check_contrast, "uncut": check_uncut, "on-screen": check_on_screen,
          "question": check_question}
CHECKS[sys.argv[1]](wait_for(program_window, "window named Orwin's Bramblet"))
