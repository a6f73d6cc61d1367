"""The export as another calendar program reads it (the icalendar package), and line by line."""
import os, subprocess, sys, tempfile
import icalendar

with tempfile.TemporaryDirectory() as folder:
    subprocess.run([sys.argv[1], "--gtest_filter=DaysExportTest.*"], check=True,
                   env=dict(os.environ, LUNADESK_EXPORT_FOLDER=folder), stdout=subprocess.DEVNULL)
    assert os.listdir(folder) == ["日子.ics"], os.listdir(folder)  # no backup, no temporary
    raw = open(os.path.join(folder, "日子.ics"), "rb").read()
lines = raw.split(b"\r\n")  # CRLF only, at most 75 octets, never folded inside a character
assert lines.pop() == b"" and all(len(l) <= 75 and b"\r" not in l and b"\n" not in l for l in lines)
assert not [l for l in lines if l.startswith(b" ") and 0x80 <= l[1] < 0xC0]
events = icalendar.Calendar.from_ical(raw).walk("VEVENT")
uids = [str(e["UID"]).removesuffix("@lunadesk") for e in events]
starts = dict(zip(uids, (str(e.decoded("DTSTART")) for e in events)))
assert len(starts) == len(uids) == 57 and list(starts.values()) == sorted(starts.values())
assert sum(len(e.walk("VALARM")) for e in events) == 11 * 3 + 11 + 1  # none for old-2020
assert not {"eve-2036", "mum-2025", "long-2037"} & set(uids)
assert [starts[u] for u in ("eve-2029", "mum-2028", "long-2036", "kobayashi-2032", "old-2020")] \
    == ["2030-02-02", "2028-05-09", "2036-12-31", "2032-02-29", "2020-06-01"]
assert str(events[uids.index("long-2030")]["SUMMARY"]) == "一二三四五六七八九十" * 4
