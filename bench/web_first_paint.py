"""First paint of the page in Debian's Chromium, headless, beside a static page that shows the
same controls with no script: the page as it stands once posed, saved without its scripts. Each
is loaded in turn, with the browser's cache off and no service worker, and Chromium's first
contentful paint is read off each load. The static page keeps the font, and fetches neither the
script nor the WebAssembly. Usage: web_first_paint.py SITE_FOLDER [LOADS]"""
import functools
import http.server
import os
import re
import shutil
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.support.ui import WebDriverWait

loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
site = tempfile.mkdtemp()
shutil.copytree(sys.argv[1], site, dirs_exist_ok=True)
os.remove(os.path.join(site, "sw.js"))  # every load from the server, as a first visit


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
address = f"http://127.0.0.1:{server.server_port}"

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--window-size=1000,800"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=webdriver.ChromeService("/usr/bin/chromedriver"), options=options)
driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})

driver.get(f"{address}/index.html")
WebDriverWait(driver, 10).until(
    lambda d: d.execute_script("return document.getElementById('lblAQuestion') !== null"))
posed = re.sub(r"<script\b[^>]*>.*?</script>|<link rel=\"(modulepreload|preload)\" href=\"bramblet[^>]*>",
               "", driver.page_source, flags=re.S)
with open(os.path.join(site, "static.html"), "w", encoding="utf-8") as file:
    file.write(posed)


def first_paint(page):
    driver.get(f"{address}/{page}")
    return WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "const p = performance.getEntriesByName('first-contentful-paint')[0];"
        "return p ? p.startTime : null;"))


times = {"static.html": [], "index.html": []}
for _ in range(loads):
    for page, paints in times.items():
        paints.append(first_paint(page))
driver.quit()
server.shutdown()
shutil.rmtree(site)
static, page = (statistics.median(times[p]) for p in ("static.html", "index.html"))
print(f"first contentful paint, median of {loads} loads: static page {static:.0f} ms, "
      f"the page {page:.0f} ms, {page / static:.2f} times the static page's")
