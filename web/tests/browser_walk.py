#!/usr/bin/python3
"""One walk through the page in headless Chromium, served from a local
static server on the loopback address: 2024 in Europe/Dublin, a year typed
with the keyboard, the grid, a 100-year range, the iCalendar download
(which python3-icalendar must parse), a phone's width, and the page again
with the server stopped, from the service worker's cache. Prints how long
the first result and the range took, and keeps a screenshot.

Usage: browser_walk.py SITE_DIR WORK_DIR
"""
import json
import os
import shutil
import socket
import subprocess
import sys
import time
import urllib.parse
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
    print(f"load average {os.getloadavg()[0]:.1f} on {os.cpu_count()} cores")
    print(f"first result {timings['firstResultMs']:.0f} ms after the start of loading "
          f"(document ready at {load:.0f} ms, module at {timings['moduleReadyMs']:.0f} ms, "
          f"controls at {timings['controlsReadyMs']:.0f} ms; core's run and table "
          f"{timings['lastRunMs']:.1f} ms)")
    driver.save_screenshot(str(work / "page-2024-dublin.png"))

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
    driver.execute_script("""
        document.getElementById('year').value = '2000';
        document.getElementById('to-year').value = '2099';
        document.getElementById('choices').dispatchEvent(new Event('change'));""")
    tables = len(driver.find_elements(By.CSS_SELECTOR, "#output table"))
    check(tables == 100, f"2000 to 2099: {tables} yearly tables")
    timings = driver.execute_script("return window.kalvestTimings")
    print(f"100-year range computed in {timings['lastCoreMs']:.0f} ms, shown in "
          f"{timings['lastRunMs']:.0f} ms")

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

    # A phone's width, and a desktop window at 200 % zoom (half as many
    # CSS pixels): nothing runs off the side.
    for width, scale, what in ((360, 3, "a phone's width"), (640, 2, "200 % zoom")):
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 800, "deviceScaleFactor": scale, "mobile": width < 400})
        overflow = driver.execute_script(
            "return document.documentElement.scrollWidth - window.innerWidth")
        check(overflow <= 0, f"at {what} nothing runs off the side ({overflow} px)")
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
