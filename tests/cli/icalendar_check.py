#!/usr/bin/python3
"""Checks kalvest-cli's iCalendar file the way calendar users meet it.

    icalendar_check.py parse KALVEST_CLI   strict parse (Debian python3-icalendar)
    icalendar_check.py khal KALVEST_CLI    import into a temporary khal calendar
                                           and list the events in Irish time
    icalendar_check.py file FILE.ics SPAN  a file made elsewhere (the window's
                                           export): a strict parse, a VALARM of
                                           the reminder SPAN ("1d") in every
                                           event, and an import into khal

The first two check the solar events, the 24 solar terms by both methods
and the Moon's phases with their eclipses, each also with a reminder
(--alarm). Exit status 77 (a skipped test for CTest) with a message where
the package the check needs is missing.
"""

import csv
import datetime
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
YEARS = "2024..2026"
MOON_YEARS = "2025..2026"
UNIX_EPOCH_JD = 2440587.5
PHASE_NAMES = {"new": "New moon", "first_quarter": "First quarter", "full": "Full moon",
               "last_quarter": "Last quarter"}


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


REMINDERS = {"1d": datetime.timedelta(days=-1), "12h": datetime.timedelta(hours=-12),
             "PT30M": datetime.timedelta(minutes=-30)}


def import_icalendar():
    try:
        import icalendar
    except ImportError:
        print("SKIPPED: python3-icalendar is not installed (apt-get install python3-icalendar)")
        return None
    return icalendar


def parse(cli):
    icalendar = import_icalendar()
    if icalendar is None:
        return SKIPPED
    for name, listing in LISTINGS.items():
        parse_listing(icalendar, cli, name, listing)
    parse_moon(icalendar, cli)
    for span in REMINDERS:
        for args in ([], ["--terms"], ["--moon"]):
            data = run(cli, YEARS, *args, "--format", "ics", "--alarm", span)
            count = check_reminders(icalendar, data, span)
            print(f"{' '.join(args) or 'solar events'} --alarm {span}: a VALARM in each of "
                  f"{count} events")
    return 0


def check_reminders(icalendar, data, span):
    """A strict parse; every event has exactly one VALARM that shows its
    summary SPAN before its start. Returns the number of events."""
    check_lines(data)
    calendar = icalendar.Calendar.from_ical(data)
    errors = [(c.name, c.errors) for c in calendar.walk() if getattr(c, "errors", None)]
    assert not errors, f"parse errors: {errors}"
    events = calendar.walk("VEVENT")
    assert events, "no events"
    for event in events:
        alarms = event.walk("VALARM")
        assert len(alarms) == 1, f"{event['UID']}: {len(alarms)} alarms"
        alarm = alarms[0]
        assert str(alarm["ACTION"]) == "DISPLAY"
        assert str(alarm["DESCRIPTION"]) == str(event["SUMMARY"])
        assert alarm.decoded("TRIGGER") == REMINDERS[span], alarm.decoded("TRIGGER")
    return len(events)


def check_file(path, span):
    """The window's exported file: parsed strictly with its reminders, then
    imported into khal, which lists every event."""
    icalendar = import_icalendar()
    program = shutil.which("khal")
    if icalendar is None or program is None:
        print("SKIPPED: python3-icalendar or khal is not installed")
        return SKIPPED
    with open(path, "rb") as file:
        data = file.read()
    count = check_reminders(icalendar, data, span)
    # khal lists day by day: only the days the file covers.
    starts = [e.decoded("DTSTART") for e in icalendar.Calendar.from_ical(data).walk("VEVENT")]
    day = datetime.timedelta(days=1)
    first, last = (min(starts) - day).strftime("%Y-%m-%d"), (max(starts) + day).strftime("%Y-%m-%d")
    listed = khal_import_and_list(program, data, first, last)
    assert len(listed) == count, f"khal lists {len(listed)} of {count} events"
    print(f"{path}: a VALARM ({span}) in each of {count} events; khal imports all {count}")
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


def parse_moon(icalendar, cli):
    """The Moon's phases: one instant per phase, and each lunar eclipse
    from its first to its last contact."""
    data = run(cli, MOON_YEARS, "--moon", "--format", "ics")
    check_lines(data)
    calendar = icalendar.Calendar.from_ical(data)
    errors = [(c.name, c.errors) for c in calendar.walk() if getattr(c, "errors", None)]
    assert not errors, f"parse errors: {errors}"
    events = calendar.walk("VEVENT")
    rows = list(csv.DictReader(io.StringIO(run(cli, MOON_YEARS, "--moon", "--csv").decode())))
    lunar = [row for row in rows if int(row["eclipse"]) >= 8]
    assert len(events) == len(rows) + len(lunar), f"{len(events)} events, {len(rows)} phases"
    assert len({str(e["UID"]) for e in events}) == len(events), "UIDs repeat"
    spans = [e for e in events if "DTEND" in e]
    assert len(spans) == len(lunar)
    for span, row in zip(spans, lunar):
        start, end = span.decoded("DTSTART"), span.decoded("DTEND")
        assert start < end and str(span["SUMMARY"]) == row["eclipse_kind"].capitalize()
        assert str(span["UID"]) == f"moon-{row['lunation']}-eclipse@kalvest"
    print(f"{len(events)} moon events parsed strictly, {len(spans)} lunar eclipses")


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


def irish_eclipses(cli):
    """'2025-09-07 16:29 Total lunar eclipse' and '2025-09-07 19:08 Full moon,
    total lunar eclipse' for the eclipses of 2025, in time order, from the
    JSON output in Irish time."""
    lines = []
    rows = json.loads(run(cli, "2025", "--eclipses", "--format", "json", "--tz",
                          "Europe/Dublin"))
    for row in rows:
        lines.append(f"{row['date'][:10]} {row['time']} "
                     f"{PHASE_NAMES[row['phase']]}, {row['eclipse_kind']}")
        if row["penumbral_begin_local"]:
            date, _, time, _ = row["penumbral_begin_local"].split()
            lines.append(f"{date} {time} {row['eclipse_kind'].capitalize()}")
    return sorted(lines)


def khal(cli):
    program = shutil.which("khal")
    if program is None:
        print("SKIPPED: khal is not installed (apt-get install khal)")
        return SKIPPED
    for name, listing in LISTINGS.items():
        khal_listing(program, cli, name, listing)
    khal_eclipses(program, cli)
    # Reminders change nothing of what khal lists.
    listed = khal_import_and_list(program, run(cli, YEARS, "--format", "ics", "--alarm", "1d"),
                                  "2024-01-01", "2027-01-01")
    assert sorted(listed) == sorted(irish_lines(cli, "solar events")), listed
    print("khal imports the solar events with their reminders")
    return 0


def khal_import_and_list(program, data, first, last):
    """The events of an iCalendar file as a fresh khal calendar in Irish
    time lists them: '2024-06-20 21:50 Summer (June) solstice'."""
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
        ics = os.path.join(home, "kalvest.ics")
        with open(ics, "wb") as file:
            file.write(data)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home)
        khal_run = [program, "-c", config_path]
        subprocess.run(khal_run + ["import", "--batch", "-a", "kalvest", ics],
                       check=True, env=env)
        return subprocess.run(
            khal_run + ["list", "--day-format", "", "--format",
                        "{start-date} {start-time} {title}", first, last],
            check=True, capture_output=True, env=env).stdout.decode().splitlines()


def khal_listing(program, cli, name, listing):
    listed = khal_import_and_list(program, run(cli, YEARS, *listing["args"], "--format", "ics"),
                                  "2024-01-01", "2027-01-01")
    # Sorted: two events of the same minute (Dongzhi by both methods) may
    # come in either order.
    expected = sorted(irish_lines(cli, name))
    listed = sorted(listed)
    assert len(expected) == listing["events"]
    assert listed == expected, "\n".join(
        f"khal {got!r} / kalvest {want!r}" for got, want in zip(listed, expected) if got != want)
    print(f"khal lists the {listing['events']} {name} at kalvest-cli's Irish times")


def khal_eclipses(program, cli):
    listed = khal_import_and_list(program, run(cli, "2025", "--eclipses", "--format", "ics"),
                                  "2025-01-01", "2026-01-01")
    expected = irish_eclipses(cli)
    assert sorted(listed) == expected, f"khal {listed} / kalvest {expected}"
    print(f"khal lists the eclipses of 2025 at kalvest-cli's Irish times: {listed}")


if __name__ == "__main__":
    mode = sys.argv[1]
    if mode == "file":
        sys.exit(check_file(sys.argv[2], sys.argv[3]))
    sys.exit({"parse": parse, "khal": khal}[mode](sys.argv[2]))
