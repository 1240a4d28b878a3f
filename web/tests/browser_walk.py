#!/usr/bin/python3
"""One walk through the page in headless Chromium, served from a local
static server on the loopback address: 2024 in Europe/Dublin, a year typed
with the keyboard, the grid, a 100-year range, the iCalendar download
(which python3-icalendar must parse), the wheel of the year as SVG with its
eight names and its download, a phone's width, and the page again with the
server stopped, from the service worker's cache. Prints how long the first
result, the range and the wheel took (a few times each, the machine's load
beside them), and keeps screenshots of the year's table and of the wheel.

Usage: browser_walk.py SITE_DIR WORK_DIR
"""
import json
import os
import statistics
import shutil
import socket
import subprocess
import sys
import time
import urllib.parse
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import icalendar
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

site, work = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
work.mkdir(parents=True, exist_ok=True)
downloads = work / "downloads"
downloads.mkdir(exist_ok=True)
for old in downloads.iterdir():
    old.unlink()
# A new browser profile each time: no service worker of an earlier build.
shutil.rmtree(work / "profile", ignore_errors=True)
failures = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def serve(port):
    return subprocess.Popen([sys.executable, "-m", "http.server", "-b", "127.0.0.1", "-d",
                             str(site), str(port)],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for_server(port, deadline=10):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
            return
        except OSError:
            time.sleep(0.05)
    raise SystemExit(f"the static server on port {port} did not start")


def row_text(driver, label):
    """The date column of the first table row whose header cell is `label`."""
    for row in driver.find_elements(By.CSS_SELECTOR, "#output tbody tr"):
        cells = row.find_elements(By.CSS_SELECTOR, "th, td")
        if cells and cells[0].text == label:
            return cells[1].text
    return None


EIGHT_NAMES = ["Spring equinox", "Summer solstice", "Autumn equinox", "Winter solstice",
               "Imbolc", "Beltane", "Lughnassad", "Samhain"]
SVG = "{http://www.w3.org/2000/svg}"


def wheel_texts(driver):
    """The texts of the wheel's SVG in the page, or None before it shows."""
    return driver.execute_script(
        "const svg = document.querySelector('#output figure.wheel svg');"
        "return svg && [...svg.querySelectorAll('text')].map((t) => t.textContent);")


def set_controls(driver, **values):
    """Sets text fields and check boxes by id, then lets the page run once."""
    driver.execute_script("""
        for (const [id, value] of Object.entries(arguments[0])) {
          const element = document.getElementById(id);
          if (typeof value === 'boolean') element.checked = value; else element.value = value;
        }
        document.getElementById('choices').dispatchEvent(new Event('change'));""", values)


def timing(driver, name):
    return driver.execute_script("return window.kalvestTimings")[name]


def spread(values):
    return (f"median {statistics.median(values):.0f} ms, "
            f"{min(values):.0f} to {max(values):.0f} ms over {len(values)}")


def wait_until(driver, condition, what, seconds=10):
    try:
        result = WebDriverWait(driver, seconds, poll_frequency=0.05).until(condition)
    except Exception:
        result = None
    check(bool(result), what)
    return result


port = free_port()
server = serve(port)
wait_for_server(port)
options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1200,1400",
                 f"--user-data-dir={work / 'profile'}", "--no-first-run"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": str(downloads)})
    base = f"http://127.0.0.1:{port}/"
    driver.get(base + "?year=2024&tz=Europe/Dublin")
    wait_until(driver, lambda d: row_text(d, "Summer (June) solstice"), "the table of 2024 appears")
    check(row_text(driver, "Spring (March) equinox") == "2024-03-20 CE 03:06 GMT",
          "2024, Europe/Dublin: March equinox 2024-03-20 CE 03:06 GMT")
    check(row_text(driver, "Summer (June) solstice") == "2024-06-20 CE 21:50 IST",
          "2024, Europe/Dublin: June solstice 2024-06-20 CE 21:50 IST")
    timings = driver.execute_script("return window.kalvestTimings")
    load = driver.execute_script(
        "return performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd")
    print(f"load average {' '.join(f'{x:.1f}' for x in os.getloadavg())} on "
          f"{os.cpu_count()} cores")
    print(f"first result {timings['firstResultMs']:.0f} ms after the start of loading "
          f"(document ready at {load:.0f} ms, module at {timings['moduleReadyMs']:.0f} ms, "
          f"controls at {timings['controlsReadyMs']:.0f} ms; core's run and table "
          f"{timings['lastRunMs']:.1f} ms)")
    driver.save_screenshot(str(work / "page-2024-dublin.png"))
    # Loaded again (from the browser's caches, as a returning visitor).
    firsts = [timings['firstResultMs']]
    for _ in range(4):
        driver.get(base + "?year=2024&tz=Europe/Dublin")
        WebDriverWait(driver, 10, poll_frequency=0.02).until(
            lambda d: d.execute_script(
                "return window.kalvestTimings && window.kalvestTimings.firstResultMs"))
        firsts.append(timing(driver, 'firstResultMs'))
    print(f"first result after each load: {spread(firsts)} "
          f"({', '.join(f'{x:.0f}' for x in firsts)})")

    # The keyboard alone: a new year typed, Tab commits it; Enter on a view.
    year = driver.find_element(By.ID, "year")
    year.send_keys(Keys.CONTROL, "a")
    year.send_keys("20x5", Keys.TAB)
    wait_until(driver, lambda d: d.find_element(By.ID, "message").text == "Invalid input for year.",
               "a year that is no number gets the program's message")
    year.send_keys(Keys.CONTROL, "a")
    year.send_keys("2025", Keys.TAB)
    wait_until(driver, lambda d: (row_text(d, "Spring (March) equinox") or "").startswith("2025"),
               "a year typed with the keyboard is computed")
    grid = driver.find_element(By.CSS_SELECTOR, "button[data-view=grid]")
    driver.execute_script("arguments[0].focus()", grid)
    grid.send_keys(Keys.ENTER)
    wait_until(driver, lambda d: "Read clockwise" in d.find_element(By.ID, "output").text,
               "Enter on 'Display all' shows the grid")
    address = urllib.parse.unquote(driver.current_url.split("/", 3)[-1])
    check("tz=Europe/Dublin" in address and "view=grid" in address,
          "the address carries the view: " + address)
    driver.find_element(By.CSS_SELECTOR, "button[data-view=events]").click()

    # A range of 100 years.
    computed, shown = [], []
    for first in (2000, 2100, 1900, 2000, 2200):
        set_controls(driver, **{"year": str(first), "to-year": str(first + 99)})
        computed.append(timing(driver, 'lastCoreMs'))
        shown.append(timing(driver, 'lastRunMs'))
    tables = len(driver.find_elements(By.CSS_SELECTOR, "#output table"))
    check(tables == 100, f"2200 to 2299: {tables} yearly tables")
    print(f"100-year range computed in {spread(computed)}; shown in {spread(shown)}")

    # The iCalendar file of one year.
    driver.execute_script("document.getElementById('to-year').value = '';"
                          "document.getElementById('choices').dispatchEvent(new Event('change'));")
    driver.find_element(By.CSS_SELECTOR, "button[data-format=ics]").click()
    saved = wait_until(driver, lambda d: [p for p in downloads.glob("*.ics")],
                       "the iCalendar download arrives")
    if saved:
        calendar = icalendar.Calendar.from_ical(saved[0].read_bytes())
        events = [c for c in calendar.walk("VEVENT")]
        check(len(events) == 12 and all(e.get("DTSTART") for e in events),
              f"{saved[0].name}: {len(events)} events that python3-icalendar reads")

    # The wheel of 2025 in Irish time: its SVG in the page holds the eight
    # names and the dates of the listing; the rings and the hemisphere
    # follow their controls; the download is the same SVG, as a file.
    set_controls(driver, year="2025")
    driver.find_element(By.CSS_SELECTOR, "button[data-view=wheel]").click()
    texts = wait_until(driver, wheel_texts, "the wheel of 2025 appears as SVG") or []
    check(all(name in texts for name in EIGHT_NAMES),
          "the wheel's SVG holds the eight names: " +
          ", ".join(name for name in EIGHT_NAMES if name in texts))
    check("2025-03-20 CE 09:01 GMT" in texts and "2025-06-21 CE 03:42 IST" in texts,
          "the wheel's SVG holds the equinox's and the solstice's local times")
    check("Full moon" in texts and "Lichun" not in texts, "the moons' ring is on, the terms' off")
    check(not driver.find_element(By.ID, "rings").get_attribute("hidden"),
          "the ring boxes show with the wheel")
    wheel_ms = [timing(driver, 'lastCoreMs')]
    set_controls(driver, **{"term-ring": True, "moon-ring": False, "southern": True})
    texts = wait_until(driver, lambda d: "Lichun" in (wheel_texts(d) or []) and wheel_texts(d),
                       "the terms' ring follows its box") or []
    wheel_ms.append(timing(driver, 'lastCoreMs'))
    check("Full moon" not in texts and
          "Gregorian calendar, Europe/Dublin, Southern Hemisphere" in texts and
          all(name in texts for name in EIGHT_NAMES),
          "the moons' ring goes, the southern hemisphere's wheel keeps the eight names")
    address = urllib.parse.unquote(driver.current_url.split("/", 3)[-1])
    check("view=wheel" in address and "termring=1" in address and "moonring=0" in address,
          "the address carries the wheel and its rings: " + address)
    set_controls(driver, **{"moon-ring": True, "northern": True})
    wheel_ms.append(timing(driver, 'lastCoreMs'))
    print(f"wheel drawn by the core in {spread(wheel_ms)}")
    driver.execute_script("document.querySelector('#output figure').scrollIntoView()")
    driver.save_screenshot(str(work / "page-wheel-2025-dublin.png"))
    driver.find_element(By.ID, "wheel-svg").click()
    saved = wait_until(driver, lambda d: [p for p in downloads.glob("*.svg")],
                       "the wheel's SVG download arrives")
    if saved:
        root = ElementTree.parse(saved[0]).getroot()
        names = [t.text for t in root.iter(SVG + "text")]
        check(root.tag == SVG + "svg" and all(name in names for name in EIGHT_NAMES),
              f"{saved[0].name}: SVG that an XML parser reads, with the eight names")

    # A phone's width, and a desktop window at 200 % zoom (half as many
    # CSS pixels): nothing runs off the side.
    for width, scale, what in ((360, 3, "a phone's width"), (640, 2, "200 % zoom")):
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 800, "deviceScaleFactor": scale, "mobile": width < 400})
        overflow = driver.execute_script(
            "return document.documentElement.scrollWidth - window.innerWidth")
        check(overflow <= 0, f"at {what} nothing runs off the side of the wheel's page "
              f"({overflow} px)")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    # Offline: once the service worker holds the files, the server goes.
    wait_until(driver, lambda d: d.execute_script(
        "return navigator.serviceWorker.controller !== null"), "the service worker takes over")
    server.terminate()
    server.wait()
    driver.get(base + "?year=2024&tz=Europe/Dublin")
    wait_until(driver, lambda d: row_text(d, "Summer (June) solstice") == "2024-06-20 CE 21:50 IST",
               "with the server stopped the page still computes 2024")
    print("offline: " + ("the page works" if not failures else "see above"))
finally:
    driver.quit()
    if server.poll() is None:
        server.terminate()

print(json.dumps({"failures": failures}))
sys.exit(1 if failures else 0)
