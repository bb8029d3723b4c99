"""What Orca speaks as a blind learner works the window with the keyboard alone, and what the
accessibility tree holds of the verdicts still hidden. The first argument is Orca's debug log;
a second, "page", says that the window is the web page in Chromium."""
import os
import re
import sys
import time
from datetime import datetime

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi import (children, fail, program_window, send_key, showing,  # noqa: E402
                   wait_for)
from translations import translations  # noqa: E402

PAGE = sys.argv[2:] == ["page"]
TEXTS = translations(os.environ.get("LANG", "C").split(".")[0])


def T(english, *arguments):
    """A text as the window shows it, as a pattern; %1, %2 are filled with `arguments`."""
    text = re.escape(TEXTS.get(english, english))
    for number, argument in enumerate(arguments, 1):
        text = text.replace(f"%{number}", argument)
    return text


def letter(english):
    """An option's letter as the window shows it, "a)", without its blank."""
    return TEXTS.get(english, english).strip()


def verdicts(*english):
    return "(" + "|".join(T(v) for v in english) + ")"


SPOKEN = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{'established'")
VERDICT = re.compile(r"\b" + verdicts("True", "False", "Silly", "Too Small", "Too Big", "Too High",
                                      "Too Low") + r"\b")
ADDRESS = r"\d+\.\d+\.\d+\.\d+"
# What Orca calls a button (Orca 43 "push button", Orca 48 "button") and what it says before a
# text the window announces (Orca 43 "notification", Orca 48 nothing), each in its language: read
# off the first things it says, the focused button and the first question.
BUTTON = NOTICE = None
QUICKLY = 2  # seconds from a key to what it makes Orca say
ONCE = 1.5  # seconds after an utterance in which it must not be said again
# A learner hears Orca out before the next key; Orca 48 drops an announcement that comes within a
# tenth of a second of the one before.
PACE = 0.5
SETTLE = 1.5  # seconds of quiet in which Orca has done reading a page it has just heard load


class Orca:
    """The utterances in Orca's debug log, read as they are written."""

    def __init__(self, log):
        self.log = open(log, encoding="utf-8", errors="replace")
        self.said = []  # (time, text)
        self.speeches = []  # for each utterance, which of Orca's speeches it was part of
        self.speeches_begun = 0
        self.forgotten = 0  # times Orca 48 has cleared what it keeps of the objects it read

    def read(self):
        for line in self.log.readlines():
            self.speeches_begun += "- SPEECH: Speak " in line
            match = SPOKEN.match(line.rstrip("\r\n"))
            if not match:
                self.forgotten += "GENERATOR: Clearing cache." in line
                continue
            when = datetime.strptime(match[1], "%H:%M:%S.%f")
            text = match[2].rstrip(". ")
            # In a page, Orca 51 speaks a control's role in a voice of its own, as an utterance
            # of its own in the same speech: a learner hears it with the name before it.
            if (PAGE and "'voice-type': 'system'" in line and self.speeches and
                    self.speeches[-1] == self.speeches_begun):
                self.said[-1] = (self.said[-1][0], f"{self.said[-1][1]} {text}")
            else:
                self.said.append((when, text))
                self.speeches.append(self.speeches_begun)

    def forget(self):
        """Orca 48 keeps what it read of an object for up to two seconds, the description of a
        button among it; a learner coming back sooner hears the button as it was. Waits until
        Orca has cleared it, where Orca keeps such things."""
        self.read()
        if self.forgotten:
            before = self.forgotten
            wait_for(lambda: self.read() or self.forgotten > before, "clearing in Orca", 5)

    def hear_out(self, quiet, seconds=30):
        """Waits until Orca has said nothing for `quiet` seconds, as a learner hears it out."""
        deadline = time.monotonic() + seconds
        heard, last = len(self.said), time.monotonic()
        while time.monotonic() < deadline and time.monotonic() - last < quiet:
            time.sleep(0.1)
            self.read()
            if len(self.said) != heard:
                heard, last = len(self.said), time.monotonic()

    def wait(self, pattern, since, what, seconds=15):
        """The first utterance from `since` on that matches, as a match object."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.read()
            for when, text in self.said[since:]:
                match = re.fullmatch(pattern, text)
                if match:
                    return when, match
            time.sleep(0.05)
        fail(f"Orca did not say {what}; it said {[text for _, text in self.said[since:]]}")

    def key(self, name, pattern, what):
        """Presses a key and waits for what it should make Orca say, soon after."""
        time.sleep(PACE)
        self.read()
        since = len(self.said)
        pressed = datetime.now()  # Orca's log gives the local time of day
        send_key(name)
        when, match = self.wait(pattern, since, what)
        delay = (when - pressed.replace(year=1900, month=1, day=1)).total_seconds() % 86400
        if delay > QUICKLY:
            fail(f"Orca said {what} {delay:.2f} s after the key")
        time.sleep(ONCE)
        self.read()
        times = sum(text == match[0] for _, text in self.said[since:])
        if times > 1:
            fail(f"Orca said {what}, {match[0]!r}, {times} times")
        print(f"{name:>9}: {match[0]!r} after {delay:.2f} s, once")
        return match

    def tab_to(self, pattern, what):
        """Tabs on, as a learner does, until Orca names the control wanted. A control is known
        by its name, as the tree gives it, followed by what Orca calls it, which each release of
        Orca words its own way ("push button", "button"; "scroll bar", "horizontal scroll bar")."""
        for _ in range(30):
            self.read()
            since = len(self.said)
            names = sorted((c.name for c in controls(window) if c.name and
                            c.getState().contains(pyatspi.STATE_FOCUSABLE)), key=len, reverse=True)
            arrival = r"(" + "|".join(map(re.escape, names)) + r") .+"
            send_key("Tab")
            _, match = self.wait(arrival, since, "a control by its name")
            found = re.fullmatch(pattern, match[1])
            if found:
                print(f"      Tab: {match[0]!r}")
                return found
        fail(f"no {what} within 30 presses of Tab")


def controls(window):
    """The window's controls; in the page, where elements nest, every element of the document."""
    return pyatspi.findAllDescendants(window, lambda _: True) if PAGE else children(window)


def page_document():
    """The page as Chromium shows it: the document in the window named Orwin's Bramblet."""
    frame = program_window()
    return frame and pyatspi.findDescendant(
        frame, lambda a: a.getRole() == pyatspi.ROLE_DOCUMENT_WEB and a.name == frame.name)


def texts(window):
    """The names of the window's labels; in the page, of its texts."""
    return [c.name for c in controls(window) if c.getRole() in (pyatspi.ROLE_LABEL, ROLE_STATIC)]


def named(window, role, name):
    return next((c for c in controls(window) if c.getRole() == role and c.name == name), None)


# Chromium's role for a text on its own; older at-spi2-core knows no name for it.
ROLE_STATIC = getattr(pyatspi, "ROLE_STATIC", None)


def verdicts_readable(window):
    """Every verdict a screen reader could read in the window: names, descriptions, texts."""
    found = []
    for control in controls(window):
        readable = [control.name, control.description]
        try:
            text = control.queryText()
            readable.append(text.getText(0, text.characterCount))
        except NotImplementedError:
            pass
        found += [r for r in readable if VERDICT.search(r)]
    return found


orca = Orca(sys.argv[1])
window = wait_for(page_document if PAGE else program_window, "window named Orwin's Bramblet")

if PAGE:
    # Start-up: the page, its focused button and the question it opens with, which the page gives
    # once it has loaded, when Orca listens to it.
    focused = orca.wait(T("New Type 1") + r" (\S+(?: \S+)?)", 0, "the focused New Type 1")[1]
    BUTTON = re.escape(focused[1])
    orca.wait(T("Which of these IP addresses matches:") + " " + ADDRESS + r"/\d+", 0, "the first question")
    # Orca 51 may go on to read the whole page once it has loaded, and says nothing of a focus
    # that moves while it reads; the learner hears it out first.
    orca.hear_out(SETTLE)
    NOTICE = ""  # Orca says a live region's text on its own
else:
    # Start-up: the window, its focused button, then the question it opens with, which nothing
    # after it cuts short.
    first = orca.wait(r"(.*?)" + T("Which of these IP addresses matches:") + " " + ADDRESS + r"/\d+",
                      0, "the first question")[1]
    NOTICE = re.escape(first[1])
    start = [text for _, text in orca.said[1:]]  # after "Screen reader on"
    print(f"start-up: {start}")
    # What Orca says before the window arrives is of the desktop's own, such as Plasma's desktop.
    if "Orwin's Bramblet" in start:
        del start[:start.index("Orwin's Bramblet")]
    # Orca may name a window twice as it arrives, once as the window manager maps it and once as it
    # takes the focus.
    while start[1:2] == ["Orwin's Bramblet"]:
        del start[1]
    focused = re.fullmatch(T("New Type 1") + r" (\S+(?: \S+)?)", start[1]) if len(start) == 3 else None
    if not (focused and start[0] == "Orwin's Bramblet"):
        fail("Orca did not say the window, its focused button and the question, in that order")
    BUTTON = re.escape(focused[1])

orca.tab_to(T("New Type 3"), "New Type 3 button")
question = orca.key("space", NOTICE + "(" + T("How many IP addresses are contained in the range:")
                    + ") (" + ADDRESS + r"/\d+)", "the count question")
labels = texts(window)
if question[1] not in labels or question[2] not in labels:
    fail(f"Orca said {question[0]!r}; the window shows {labels}")

# Each Select is named with its option; its verdict is not in the tree and was never said.
select = orca.tab_to(T("Select %1 %2", re.escape(letter("a) ")), r"(\d+)"),
                     "Select a) with its option")
# The option beside its letter: one label in the window, a text of its own in the page.
if (select[1] if PAGE else f"{letter('a) ')} {select[1]}") not in texts(window):
    fail(f"Select a) names option {select[1]!r}, which the window does not show as a)")
if verdicts_readable(window):
    fail(f"a hidden verdict can be read: {verdicts_readable(window)}")
early = [text for _, text in orca.said if VERDICT.search(text)]
if early:
    fail(f"Orca said a verdict before any Select: {early}")

verdict = orca.key("space", NOTICE + T("%1 %2", re.escape(letter("a) ")),
                                      verdicts("True", "False", "Silly")), "verdict a)")
button = named(window, pyatspi.ROLE_PUSH_BUTTON, TEXTS.get("Select %1 %2", "Select %1 %2")
               .replace("%1", letter("a) ")).replace("%2", select[1]))
if not button.getState().contains(pyatspi.STATE_FOCUSED):
    fail("the focus left Select a) when it was pressed")
shown = [name for name in texts(window) if VERDICT.search(name)]
# The window names its verdict label with its letter; the page shows the verdict as it is, and
# keeps what it said in its live region.
wanted = [verdict[1], verdict[0]] if PAGE else [
    TEXTS.get("Verdict %1 %2", "Verdict %1 %2").replace("%1", letter("a) ")).replace("%2", verdict[1])]
if shown != wanted:
    fail(f"Orca said {verdict[0]!r}; the window shows {shown}")

# Back onto the revealed Select: its option, then its verdict.
orca.forget()
orca.key("shift+Tab", T("New Type 1") + " " + BUTTON, "New Type 1")
since = len(orca.said)
orca.key("Tab", T("Select %1 %2", re.escape(letter("a) ")), r"\d+") + " " + BUTTON,
         "Select a) again")
described = orca.wait(T("%1 %2", re.escape(letter("a) ")), re.escape(verdict[1])), since,
                      "verdict a) with its button")[1]
print(f"           and {described[0]!r}")

# A question of the second type takes every verdict back; one is revealed with Return.
orca.tab_to(T("New Type 2"), "New Type 2 button")
orca.key("Return", NOTICE + T("Which of these ranges includes:") + " " + ADDRESS,
         "the range question")
if verdicts_readable(window):
    fail(f"a verdict of the last question can still be read: {verdicts_readable(window)}")
orca.tab_to(T("Select %1 %2", re.escape(letter("b) ")), ADDRESS + r"/\d+"),
            "Select b) with its option")
orca.key("Return", NOTICE + T("%1 %2", re.escape(letter("b) ")), verdicts("True", "Too High", "Too Low")),
         "verdict b)")

# A converter row, both ways: the text written into the other box is said. In the window the bar
# takes Right and Left. The page's bar is a group of two arrow buttons: Orca, reading the page,
# goes from one to the other with Right and Left, and a learner presses the one wanted.
if PAGE:
    orca.tab_to(T("Fill the decimal box"), "the first converter row's arrows")
    orca.key("Right", T("Fill the binary box") + " " + BUTTON, "the arrow that fills the binary box")
    orca.key("space", r"11111111\.11111111\.11111111\.11111111", "the binary text written")
    orca.key("Left", T("Fill the decimal box") + " " + BUTTON, "the arrow that fills the decimal box")
    orca.key("space", r"255\.255\.255\.255", "the decimal text written")
else:
    orca.tab_to(T("Convert direction, row %1", "1"), "the first converter bar")
    orca.key("Right", NOTICE + r"11111111\.11111111\.11111111\.11111111", "the binary text written")
    orca.key("Left", NOTICE + r"255\.255\.255\.255", "the decimal text written")
print("1 passed, 0 failed")
