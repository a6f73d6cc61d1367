"""Reads the export with the icalendar package: what another calendar program would import."""
import datetime, os, subprocess, sys, tempfile
import icalendar

with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "我的日子.ics")
    subprocess.run([sys.argv[1], path], check=True)
    assert os.listdir(folder) == ["我的日子.ics"], os.listdir(folder)  # no backup, no temporary
    calendar = icalendar.Calendar.from_ical(open(path, "rb").read())
events = {str(e["UID"]): e for e in calendar.walk("VEVENT")}
assert len(events) == 56, len(events)
assert sum(len(e.walk("VALARM")) for e in events.values()) == 11 * 3 + 11 + 1
for uid, start in [("eve-2025", "2026-02-16"), ("mum-2028", "2028-05-09"),
                   ("kobayashi-2027", "2027-02-28"), ("check-2027", "2027-01-15")]:
    event = events[uid + "@lunadesk"]
    assert event.decoded("DTSTART") == datetime.date.fromisoformat(start), (uid, event["DTSTART"])
    assert event.decoded("DTEND") - event.decoded("DTSTART") == datetime.timedelta(days=1)
assert str(events["long-2030@lunadesk"]["SUMMARY"]) == "一二三四五六七八九十" * 4
assert str(events["ab-1-2027@lunadesk"]["DESCRIPTION"]) == "1月15日\n行一\n行二"
assert [str(a["TRIGGER"].to_ical(), "ascii") for a in events["mum-2027@lunadesk"].walk("VALARM")] \
    == ["PT9H", "-PT15H", "-P6DT15H"]
print("ok")
