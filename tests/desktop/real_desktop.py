"""GNOME Shell and KWin as desktop_session.sh runs them, read and driven through their own
interfaces: where the window stands and the room the desktop gives it, screenshots, the
learner's settings, and the program started as the desktop starts it."""
import ast
import json
import os
import subprocess
import time

from gi.repository import Gio, GLib

DESKTOP = os.environ.get("BRAMBLET_DESKTOP", "")  # gnome or plasma; empty on Xvfb and weston
APP_ID = "org.orwinsbramblet.OrwinsBramblet"
WORK = os.environ.get("work", "")


def gdbus(destination, path, method, *arguments):
    return subprocess.run(["gdbus", "call", "--session", "--dest", destination, "--object-path",
                           path, "--method", method, *arguments],
                          check=True, capture_output=True, text=True).stdout.strip()


def shell_eval(script):
    """What a JavaScript expression in GNOME Shell comes to, passed through JSON."""
    reply = gdbus("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Eval", script)
    if not reply.startswith("(true, "):
        raise RuntimeError(f"GNOME Shell could not run {script!r}: {reply}")
    return json.loads(ast.literal_eval(reply[len("(true, "):-1]))


def kwin_script(body):
    """Runs a KWin script whose print() line starts with 'BRAMBLET ', and returns that line from
    KWin's log, as JSON. Each run prints a marker of its own, so that no earlier run's line is
    taken for its answer."""
    marker = f"BRAMBLET-{time.monotonic_ns()}"
    path = os.path.join(WORK, f"kwin-{marker}.js")
    with open(path, "w", encoding="utf-8") as script:
        script.write(body.replace("'BRAMBLET '", f"'{marker} '"))
    name = os.path.basename(path)
    number = ast.literal_eval(gdbus("org.kde.KWin", "/Scripting",
                                    "org.kde.kwin.Scripting.loadScript", path, name))[0]
    gdbus("org.kde.KWin", f"/Scripting/Script{number}", "org.kde.kwin.Script.run")

    def answer():
        with open(os.path.join(WORK, "desktop.log"), encoding="utf-8", errors="replace") as log:
            return next((line.split(f"{marker} ", 1)[1] for line in log if f"{marker} " in line),
                        None)
    deadline = time.monotonic() + 10
    while (line := answer()) is None and time.monotonic() < deadline:
        time.sleep(0.1)
    gdbus("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting.unloadScript", name)
    if line is None:
        raise RuntimeError(f"KWin's script {name} did not answer")
    return json.loads(line)


def placement(client_size):
    """The window's frame (title bar and borders included), its client area, and the area the
    desktop leaves free of its panels, each as x, y, width, height on the screen. The client
    area's size is the one the accessibility tree gives."""
    if DESKTOP == "gnome":
        found = shell_eval(
            "(() => { const w = global.get_window_actors().map(a => a.meta_window)"
            f".find(w => w.get_wm_class() === '{APP_ID}');"
            " if (!w) return null; const f = w.get_frame_rect();"
            " const a = w.get_work_area_current_monitor();"
            " return {frame: [f.x, f.y, f.width, f.height],"
            " area: [a.x, a.y, a.width, a.height]}; })()")
        if found is None:
            return None
        # Qt draws the title bar and a border into the frame that GNOME Shell reports.
        frame = found["frame"]
        width, height = client_size
        border = (frame[2] - width) // 2
        found["client"] = [frame[0] + border, frame[1] + frame[3] - height - border, width, height]
        return found
    return kwin_script(
        "let found = null; for (const w of workspace.windowList()) {"
        f" if (w.resourceClass !== '{APP_ID}') continue;"
        " const f = w.frameGeometry, c = w.clientGeometry;"
        " const a = workspace.clientArea(KWin.MaximizeArea, w);"
        " found = {frame: [f.x, f.y, f.width, f.height],"
        " client: [c.x, c.y, c.width, c.height], area: [a.x, a.y, a.width, a.height]}; }"
        " print('BRAMBLET ' + JSON.stringify(found));")


def screenshot(path):
    if DESKTOP == "gnome":
        gdbus("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
              "org.gnome.Shell.Screenshot.Screenshot", "false", "false", path)
    else:
        subprocess.run(["import", "-display", os.environ["BRAMBLET_SCREEN_DISPLAY"], "-window",
                        "root", path], check=True)


def set_colour_scheme(dark):
    if DESKTOP == "gnome":
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "color-scheme",
                        "prefer-dark" if dark else "default"], check=True)
    else:
        subprocess.run(["plasma-apply-colorscheme", "BreezeDark" if dark else "BreezeLight"],
                       check=True, capture_output=True, env={**os.environ,
                                                             "QT_QPA_PLATFORM": "offscreen"})


def set_high_contrast(on):
    """GNOME's High Contrast, as its accessibility settings set it."""
    subprocess.run(["gsettings", "set", "org.gnome.desktop.a11y.interface", "high-contrast",
                    "true" if on else "false"], check=True)


def set_text_scale(factor):
    """GNOME's Large Text, as its accessibility settings set it."""
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "text-scaling-factor",
                    str(factor)], check=True)


def set_monitor_scale(wanted):
    """The monitor's scale, as the desktop's display settings set it: on GNOME the one it offers
    nearest to `wanted`. Returns the scale set."""
    if DESKTOP == "plasma":
        subprocess.run(["kscreen-doctor", f"output.1.scale.{wanted}"], check=True,
                       capture_output=True)
        time.sleep(1)
        return wanted
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    name, path = "org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig"

    def call(method, arguments=None):
        return bus.call_sync(name, path, name, method, arguments, None, 0, -1, None).unpack()
    serial, monitors, _, _ = call("GetCurrentState")
    (connector, _, _, _), modes, _ = monitors[0]
    mode = next(m for m in modes if m[6].get("is-current", False))
    scale = min(mode[5], key=lambda offered: abs(offered - wanted))
    call("ApplyMonitorsConfig", GLib.Variant(
        "(uua(iiduba(ssa{sv}))a{sv})", (serial, 1, [(0, 0, scale, 0, True,
                                                     [(connector, mode[0], {})])], {})))
    time.sleep(1)
    return scale


class Program:
    """The program as its desktop entry starts it, with the accessibility bridge on for the
    checks; started again to see a setting that it reads at the start."""

    def __init__(self):
        self.process = None

    def start(self):
        self.stop()
        self.process = subprocess.Popen(
            [os.environ["BRAMBLET_PROGRAM"]], stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(WORK, "app.log"), "a", encoding="utf-8"),
            env={**os.environ, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})

    def stop(self):
        if self.process is not None:
            self.process.terminate()
            self.process.wait()
            self.process = None
            time.sleep(0.5)
