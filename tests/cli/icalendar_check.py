#!/usr/bin/python3
"""Checks kalvest-cli's iCalendar file the way calendar users meet it.

    icalendar_check.py parse KALVEST_CLI   strict parse (Debian python3-icalendar)
    icalendar_check.py khal KALVEST_CLI    import into a temporary khal calendar
                                           and list the events in Irish time

Both check two listings: the solar events and the 24 solar terms by both
methods. Exit status 77 (a skipped test for CTest) with a message where the
package the check needs is missing.
"""

import csv
import datetime
import io
import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
YEARS = "2024..2026"
UNIX_EPOCH_JD = 2440587.5


def term_summary(row):
    return f"{row['pinyin']}, {row['english']} ({row['method']} sun)"


# Each listing: its arguments, its number of events over YEARS, and what a
# CSV row says the event's summary and UID are (a summary's end and a
# UID's start for the solar events, whose CSV rows hold no names).
LISTINGS = {
    "solar events": {
        "args": [],
        "events": 36,
        "summary_end": lambda row: f" ({row['method']} sun)" if row["method"] else "",
        "uid_start": lambda row: f"{row['year']}-{row['kind']}-{row['code']}",
    },
    "solar terms": {
        "args": ["--terms", "--method", "both"],
        "events": 144,
        "summary_end": term_summary,
        "uid_start": lambda row: (f"{row['year']}-solar-term-{row['solar_longitude']}-"
                                  f"{row['method']}@kalvest"),
    },
}


def run(cli, *args):
    return subprocess.run([cli, *args], check=True, capture_output=True).stdout


def check_lines(data):
    """Every content line ends in CR LF and holds at most 75 octets."""
    assert data.endswith(b"\r\n"), "the file does not end in CR LF"
    for number, line in enumerate(data.split(b"\r\n")[:-1], 1):
        assert b"\n" not in line and b"\r" not in line, f"line {number}: bare line break"
        assert len(line) <= 75, f"line {number}: {len(line)} octets"


def parse(cli):
    try:
        import icalendar
    except ImportError:
        print("SKIPPED: python3-icalendar is not installed (apt-get install python3-icalendar)")
        return SKIPPED
    for name, listing in LISTINGS.items():
        parse_listing(icalendar, cli, name, listing)
    return 0


def parse_listing(icalendar, cli, name, listing):
    args, count = listing["args"], listing["events"]
    data = run(cli, YEARS, *args, "--format", "ics")
    check_lines(data)
    calendar = icalendar.Calendar.from_ical(data)
    errors = [(c.name, c.errors) for c in calendar.walk() if getattr(c, "errors", None)]
    assert not errors, f"parse errors: {errors}"
    assert str(calendar["VERSION"]) == "2.0"
    assert str(calendar["PRODID"]).startswith("-//Orvanth Systems//Kalvest ")
    events = calendar.walk("VEVENT")
    assert len(events) == count, f"{name}: {len(events)} events"
    for event in events:
        for field in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            assert field in event, f"{event.get('UID')}: no {field}"
        assert event.decoded("DTSTART").utcoffset() == datetime.timedelta(0)
        assert event.decoded("DURATION") == datetime.timedelta(0)
    assert len({str(e["UID"]) for e in events}) == count, f"{name}: UIDs repeat"

    # The same instants as the CSV rows, to the second, in the same order
    # (every time text of the program counts a second from a
    # hundred-millionth of a day, 0.864 ms, before it); the same UIDs in
    # another run.
    rows = list(csv.DictReader(io.StringIO(run(cli, YEARS, *args, "--csv").decode())))
    assert len(rows) == count
    epoch = datetime.datetime(1970, 1, 1, tzinfo=datetime.timezone.utc)
    for row, event in zip(rows, events):
        seconds = (float(row["jd_ut"]) - UNIX_EPOCH_JD) * 86400.0
        expected = epoch + datetime.timedelta(seconds=seconds)
        start = event.decoded("DTSTART")
        nudge = datetime.timedelta(microseconds=864)
        assert -nudge <= expected - start < datetime.timedelta(seconds=1), (
            f"{event['UID']}: {start} for {expected}")
        assert str(event["SUMMARY"]).endswith(listing["summary_end"](row)), event["SUMMARY"]
        assert str(event["UID"]).startswith(listing["uid_start"](row)), event["UID"]
    again = icalendar.Calendar.from_ical(run(cli, YEARS, *args, "--format", "ics"))
    assert [str(e["UID"]) for e in again.walk("VEVENT")] == [str(e["UID"]) for e in events]
    print(f"{name}: {count} events parsed strictly")


def irish_lines(cli, name):
    """'2024-06-20 21:50 Summer (June) solstice' for every event of a
    listing, from its output in Irish time: the text lines of the solar
    events, the CSV rows of the solar terms."""
    if name == "solar terms":
        rows = csv.DictReader(io.StringIO(run(
            cli, YEARS, *LISTINGS[name]["args"], "--tz", "Europe/Dublin", "--csv").decode()))
        return [f"{row['date'][:10]} {row['time']} {term_summary(row)}" for row in rows]
    lines = []
    for line in run(cli, YEARS, "--tz", "Europe/Dublin").decode().splitlines():
        if line.startswith("---"):
            continue
        label, rest = line[:31].rstrip(" ."), line[32:].split()
        lines.append(f"{rest[0]} {rest[2]} {label}")
    return lines


def khal(cli):
    program = shutil.which("khal")
    if program is None:
        print("SKIPPED: khal is not installed (apt-get install khal)")
        return SKIPPED
    for name, listing in LISTINGS.items():
        khal_listing(program, cli, name, listing)
    return 0


def khal_listing(program, cli, name, listing):
    with tempfile.TemporaryDirectory() as home:
        config_path = os.path.join(home, "khal.conf")
        with open(config_path, "w") as file:
            file.write(f"""[calendars]
[[kalvest]]
path = {home}/kalvest
type = calendar
[locale]
local_timezone = Europe/Dublin
default_timezone = Europe/Dublin
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
[sqlite]
path = {home}/khal.db
""")
        os.mkdir(os.path.join(home, "kalvest"))
        ics = os.path.join(home, "solar.ics")
        with open(ics, "wb") as file:
            file.write(run(cli, YEARS, *listing["args"], "--format", "ics"))
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home)
        khal_run = [program, "-c", config_path]
        subprocess.run(khal_run + ["import", "--batch", "-a", "kalvest", ics],
                       check=True, env=env)
        listed = subprocess.run(
            khal_run + ["list", "--day-format", "", "--format",
                        "{start-date} {start-time} {title}", "2024-01-01", "2027-01-01"],
            check=True, capture_output=True, env=env).stdout.decode().splitlines()
    # Sorted: two events of the same minute (Dongzhi by both methods) may
    # come in either order.
    expected = sorted(irish_lines(cli, name))
    listed = sorted(listed)
    assert len(expected) == listing["events"]
    assert listed == expected, "\n".join(
        f"khal {got!r} / kalvest {want!r}" for got, want in zip(listed, expected) if got != want)
    print(f"khal lists the {listing['events']} {name} at kalvest-cli's Irish times")


if __name__ == "__main__":
    mode, cli = sys.argv[1], sys.argv[2]
    sys.exit({"parse": parse, "khal": khal}[mode](cli))
