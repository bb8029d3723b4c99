"""The page in Debian's Chromium, headless, driven as a learner would: its controls against the
table of controls, the four events, the keyboard and the converter, and axe-core's rules in
English and in Arabic. The arguments are the built site folder and axe-core's axe.min.js."""
import functools
import http.server
import io
import re
import sys
import os
import threading

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from translations import translations  # noqa: E402

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f"FAIL: {what}")


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


with open(sys.argv[2], encoding="utf-8") as axe_source:
    AXE = axe_source.read()
server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(Quiet, directory=sys.argv[1]))
threading.Thread(target=server.serve_forever, daemon=True).start()


def contrast(first, second):
    """WCAG's contrast ratio between two colours, each red, green, blue from 0 to 255."""
    def luminance(rgb):
        linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
                  for c in (c / 255 for c in rgb[:3])]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def drawn_contrast(element):
    """A text's contrast as the screen shows it: the pixel that stands out most from the colour
    that most of its box is drawn in."""
    image = Image.open(io.BytesIO(element.screenshot_as_png)).convert("RGB")
    colours = image.getcolors(image.width * image.height)
    ground = max(colours)[1]
    return max(contrast(colour, ground) for _, colour in colours)


# Each shown control's text colour and the colour of what it stands on.
COLOURS = """
const rgb = (css) => css.match(/[\\d.]+/g).map(Number);
const ground = (e) => {
    for (; e; e = e.parentElement) {
        const colour = getComputedStyle(e).backgroundColor;
        if (rgb(colour)[3] !== 0) return colour;
    }
    return "rgb(255, 255, 255)";
};
return [...document.querySelectorAll("#Form1 > *")]
    .filter((e) => e.type !== "range" && getComputedStyle(e).visibility === "visible")
    .map((e) => (e.className === "arrows" ? e.firstChild : e))
    .map((e) => [e.id || e.parentElement.className, rgb(getComputedStyle(e).color), rgb(ground(e))]);
"""


def violations(chromium):
    """What axe-core finds against its rules in the page as it stands, by rule and element."""
    chromium.execute_script(AXE)
    return chromium.execute_async_script("""
        const done = arguments[arguments.length - 1];
        axe.run(document).then((found) => done(found.violations.map(
            (rule) => [rule.id, rule.nodes.map((node) => node.target.join(" "))])));""")


def browser(languages):
    """Chromium with the page loaded and its first question posed, for a learner whose browser
    asks for `languages`."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--window-size=1000,800"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": languages})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    chromium = webdriver.Chrome(service=webdriver.ChromeService("/usr/bin/chromedriver"),
                                options=options)
    chromium.get(f"http://127.0.0.1:{server.server_port}/index.html")
    try:
        WebDriverWait(chromium, 10).until(
            lambda d: d.find_element(By.ID, "lblAQuestion").text != "123.54.23.45")
    except TimeoutException:
        print("FAIL: the page posed no question;", chromium.get_log("browser"))
        raise
    return chromium


driver = browser("en-GB,de")
try:
    wait = WebDriverWait(driver, 10)

    def control(name):
        return driver.find_element(By.ID, name)

    def focused():
        return driver.switch_to.active_element.get_attribute("id")

    # Every control at the table's place, read from the core the page is built on.
    table = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        import("./bramblet.js").then((m) => m.default()).then((core) => done(core.controls()));""")
    for spec in table["controls"]:
        name = spec["name"] if spec["index"] < 0 else f"{spec['name']}({spec['index']})"
        box = driver.execute_script(
            "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height];", name)
        wanted = [spec["left"], spec["top"], spec["width"], spec["height"]]
        check(box == wanted, f"{name} at {box}, not {wanted}")

    # Page load: a matching-address question with four options, every verdict hidden.
    address = r"\d+\.\d+\.\d+\.\d+"
    check(control("lblQuestion").text == "Which of these IP addresses matches:",
          f"the first question is {control('lblQuestion').text!r}")
    check(re.fullmatch(address + r"/\d+", control("lblAQuestion").text),
          f"the first block is {control('lblAQuestion').text!r}")
    check(focused() == "cmdQuestion(0)", f"the focus starts on {focused()}")

    def hidden_verdicts():
        return [i for i in range(4) if not control(f"lblSolution({i})").is_displayed()
                and control(f"lblSolution({i})").get_attribute("textContent") == ""]

    check(hidden_verdicts() == [0, 1, 2, 3], "a verdict shows before any Select")

    # The keyboard: the window's tab order, and Space and Enter on a focused button. After the
    # last control the focus leaves the page for the browser's own, as on any page.
    order = ["Command2(0)", "Command2(1)", "Command2(2)", "Command2(3)", "cmdQuestion(1)",
             "cmdQuestion(2)", "txtDecimal(0)", "txtBinary(0)", "HScroll1(0)", "HScroll1(1)",
             "txtBinary(1)", "txtDecimal(1)"]
    tabbed = []
    for _ in order:
        driver.switch_to.active_element.send_keys(Keys.TAB)
        tabbed.append(focused())
    check(tabbed == order, f"Tab runs {tabbed}")

    control("cmdQuestion(2)").send_keys(Keys.SPACE)
    check(control("lblQuestion").text == "How many IP addresses are contained in the range:",
          f"New Type 3 posed {control('lblQuestion').text!r}")
    control("Command2(1)").send_keys(Keys.ENTER)
    verdict = control("lblSolution(1)").text
    check(verdict in ("True", "False", "Silly"), f"verdict b) is {verdict!r}")
    check(hidden_verdicts() == [0, 2, 3], "Select b) showed another verdict")
    wait.until(lambda d: control("spoken").get_attribute("textContent") == f"b) {verdict}")

    control("cmdQuestion(1)").click()
    check(control("lblQuestion").text == "Which of these ranges includes:",
          f"New Type 2 posed {control('lblQuestion').text!r}")
    check(hidden_verdicts() == [0, 1, 2, 3], "a new question kept a verdict")
    control("Command2(3)").click()
    check(control("lblSolution(3)").text in ("True", "Too High", "Too Low"),
          f"verdict d) is {control('lblSolution(3)').text!r}")

    # The converter: the arrow keys fill a box; the learner's text in the other row stays.
    control("txtDecimal(1)").clear()
    control("txtDecimal(1)").send_keys("10.0.0.1")
    control("HScroll1(0)").send_keys(Keys.ARROW_RIGHT)
    check(control("txtBinary(0)").get_attribute("value") == "11111111.11111111.11111111.11111111",
          f"Right wrote {control('txtBinary(0)').get_attribute('value')!r}")
    control("txtBinary(0)").clear()
    control("txtBinary(0)").send_keys("00001010.00000000.00000000.00000001")
    control("HScroll1(0)").send_keys(Keys.ARROW_LEFT)
    check(control("txtDecimal(0)").get_attribute("value") == "10.0.0.1",
          f"Left wrote {control('txtDecimal(0)').get_attribute('value')!r}")
    check(control("HScroll1(0)").get_attribute("value") == "1", "the bar did not come back to rest")
    check(control("txtDecimal(1)").get_attribute("value") == "10.0.0.1",
          "a conversion overwrote the other row")
    # A 4 MiB paste with no answer in it leaves both boxes as they were, and the page answers.
    pasted = driver.execute_script("""
        const box = document.getElementById("txtDecimal(1)");
        box.value = "\u00e9x\ud83d\ude00.".repeat(1 << 20);
        return box.value.length;""")
    control("HScroll1(1)").send_keys(Keys.ARROW_RIGHT)
    check(control("txtBinary(1)").get_attribute("value") == "00000000.00000000.00000000.00000000",
          "a paste with no answer wrote the binary box")
    check(driver.execute_script("return document.getElementById('txtDecimal(1)').value.length")
          == pasted, "the paste was not kept as it was")
    control("txtDecimal(1)").clear()
    control("txtDecimal(1)").send_keys("10.0.0.1")
    # A click on the bar's right arrow, right of its middle.
    ActionChains(driver).move_to_element_with_offset(control("HScroll1(1)"), 8, 0).click().perform()
    check(control("txtBinary(1)").get_attribute("value") == "00001010.00000000.00000000.00000001",
          f"a click wrote {control('txtBinary(1)').get_attribute('value')!r}")

    # Dark style, more contrast and the system's forced colours, as the browser asks for them:
    # every verdict at least 4.5 : 1 on what it stands on, in its colours and as drawn, and with
    # more contrast every text at least 7 : 1.
    for name in ("Command2(0)", "Command2(1)", "Command2(2)"):
        control(name).click()
    for features, verdicts, texts in (
            ([("prefers-color-scheme", "dark")], 4.5, 0),
            ([("prefers-contrast", "more")], 7, 7),
            ([("prefers-color-scheme", "dark"), ("prefers-contrast", "more")], 7, 7),
            ([("forced-colors", "active"), ("prefers-color-scheme", "dark")], 4.5, 4.5)):
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": name, "value": value} for name, value in features]})

        def faint(_):
            ratios = [(name, contrast(text, ground)) for name, text, ground
                      in driver.execute_script(COLOURS)]
            ratios += [(f"{name} as drawn", drawn_contrast(control(name)))
                       for name in (f"lblSolution({i})" for i in range(4))]
            return [(name, ratio) for name, ratio in ratios
                    if ratio < (verdicts if name.startswith("lblSolution") else texts)]
        try:  # the page repaints on the browser's next frame
            WebDriverWait(driver, 2).until(lambda d: not faint(d))
        except TimeoutException:
            check(False, f"too faint under {features}: {faint(driver)}")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    found = violations(driver)  # with every verdict shown
    check(not found, f"axe-core finds in English: {found}")

    # A 360x640 phone: the whole window shows, scaled as a whole to the screen's width.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    driver.refresh()
    shown = "const r = document.getElementById('Form1').getBoundingClientRect();" \
            "return [r.left, r.top, r.right, r.bottom].map(Math.round);"
    try:
        WebDriverWait(driver, 5).until(lambda d: d.execute_script(shown) == [0, 0, 360, 291])
    except TimeoutException:
        check(False, f"on a phone the window stands at {driver.execute_script(shown)}")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    check(not errors, f"the console reports {errors}")
finally:
    driver.quit()

# Arabic, the first language the window has of those asked for: its texts, the window mirrored,
# the addresses left to right, and each arrow filling the box it points at.
arabic = translations("ar")
driver = browser("ar-EG,de")
try:
    html = driver.find_element(By.TAG_NAME, "html")
    check((html.get_attribute("lang"), html.get_attribute("dir")) == ("ar", "rtl"),
          "the Arabic page is not marked right to left")
    for name, english in (("cmdQuestion(0)", "New Type 1"), ("Label2(1)", "b) "),
                          ("Command2(3)", "Select"),
                          ("lblQuestion", "Which of these IP addresses matches:")):
        shown = driver.find_element(By.ID, name).get_attribute("textContent")
        check(shown == arabic[english], f"{name} reads {shown!r} in Arabic")
    cut = driver.execute_script("""return [...document.querySelectorAll("button, .label")]
        .filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.id);""")
    check(not cut, f"texts too wide for their controls in Arabic: {cut}")
    box = driver.find_element(By.ID, "cmdQuestion(0)").rect
    check((box["x"], box["y"]) == (762 - 56 - 177, 16), f"New Type 1 stands at {box} right to left")
    decimal = driver.find_element(By.ID, "txtDecimal(0)")
    check(driver.execute_script("return getComputedStyle(arguments[0]).direction", decimal) ==
          "ltr", "the decimal box reads right to left")
    binary = driver.find_element(By.ID, "txtBinary(0)")
    binary.clear()
    binary.send_keys("00001010.00000000.00000000.00000001")
    driver.find_element(By.ID, "HScroll1(0)").send_keys(Keys.ARROW_RIGHT)  # toward the decimal box
    check(decimal.get_attribute("value") == "10.0.0.1",
          f"Right wrote {decimal.get_attribute('value')!r} right to left")
    driver.find_element(By.ID, "Command2(0)").click()
    said = driver.find_element(By.ID, "spoken").get_attribute("textContent")
    check(said.startswith(arabic["a) "].strip() + " "), f"verdict a) is said {said!r}")
    for name in ("Command2(1)", "Command2(2)", "Command2(3)"):
        driver.find_element(By.ID, name).click()
    found = violations(driver)
    check(not found, f"axe-core finds in Arabic: {found}")

    # Offline after the first visit: with the server gone, the page comes back whole, in Arabic.
    try:
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return navigator.serviceWorker.controller !== null"))
        server.shutdown()
        server.server_close()
        driver.refresh()
        WebDriverWait(driver, 10).until(lambda d: re.fullmatch(
            r"[\d./]+", d.find_element(By.ID, "lblAQuestion").text) and
            d.find_element(By.ID, "lblQuestion").text == arabic[
                "Which of these IP addresses matches:"])
    except TimeoutException:
        check(False, "the page kept nothing, or did not come back offline")
finally:
    driver.quit()
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
