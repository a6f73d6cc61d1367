#!/usr/bin/env python3
"""Start-up time of lunadesk.exe against a program that only opens a window.

Both run under the same Wine, on the same private X screen, in the same warmed prefix,
interleaved, in one run; the figure is the ratio of the medians (launch until the window
is mapped), and the median of that over the batches. Usage: bench/startup_ratio.py [--runs N]
[--batches N] [--build build/windows] [--compare OTHER_BUILD] [--month-view] [--holiday-files N]
[--days N] (--month-view: the calendar starts in its month view, as stored by the user;
--compare: another build's lunadesk.exe, an earlier one say, timed in the same batches;
--holiday-files: each calendar also with N notice files of 10 KiB in the holiday folder, and the
difference; --days: each also with an empty days.json and with one of N days).
"""

import argparse
import glob
import json
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402


def time_to_window(env, exe, title):
    started = time.monotonic()
    program = subprocess.Popen(["wine", exe], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        # Polled tightly: xdotool's own --sync only looks every half second.
        deadline = started + 60
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                   env=env, capture_output=True).stdout.strip()
            if found:
                return time.monotonic() - started
            time.sleep(0.002)
        raise RuntimeError(f"{title} did not appear")
    finally:
        program.kill()
        program.wait()


def user_folder(env):
    """%APPDATA%\\Lunadesk of the prefix's user."""
    roaming = [path for path in glob.glob(os.path.join(env["WINEPREFIX"], "drive_c", "users", "*",
                                                       "AppData", "Roaming"))
               if os.sep + "Public" + os.sep not in path]
    return os.path.join(roaming[0], "Lunadesk")


def fill_holiday_folder(folder, count):
    """Notices of 10 KiB each, valid JSON whose years lie outside the schedule, so that every
    file is read, decoded and parsed to its end."""
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        padding = " " * (10 * 1024 - 80)
        with open(os.path.join(folder, f"{i:05}.json"), "w", encoding="utf-8") as notice:
            notice.write('{"year": 2050, "days": [{"name": "n", "date": "2050-01-01", '
                         f'"isOffDay": true}}]{padding}}}')


def write_days_file(path, count):
    """A valid days.json of `count` days, lunar and Gregorian, of every kind, each reminded."""
    days = []
    for i in range(count):
        day = {"id": f"d{i:04}", "name": f"日子{i}", "kind": ["birthday", "anniversary", "yearly",
                                                              "once"][i % 4],
               "calendar": "lunar" if i % 2 else "gregorian", "year": 2027,
               "month": i % 12 + 1, "day": i % 28 + 1, "remind": [0, 3]}
        days.append(day)
    with open(path, "w", encoding="utf-8") as file:
        json.dump({"days": days}, file, ensure_ascii=False)


def timed(env, exe, place):
    """One start; with `place`, (where, stored): the stored file or folder is put there for it."""
    if place:
        os.rename(place[1], place[0])
    try:
        return time_to_window(env, exe, "日历-Calendar")
    finally:
        if place:
            os.rename(place[0], place[1])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--batches", type=int, default=3)
    parser.add_argument("--build", default="build/windows")
    parser.add_argument("--compare")
    parser.add_argument("--month-view", action="store_true")
    parser.add_argument("--holiday-files", type=int, default=0)
    parser.add_argument("--days", type=int, default=0)
    args = parser.parse_args()
    minimal = os.path.join(args.build, "bench", "minimal_window.exe")
    session = harness.Session(os.path.abspath(args.build), "bench")
    programs = {"lunadesk.exe": session.exe}
    if args.compare:
        programs[args.compare] = os.path.join(os.path.abspath(args.compare), "lunadesk.exe")
    # Each program with no user files, then with each kind asked for: (label, suffix of the
    # place in %APPDATA%\Lunadesk, where the stored copy waits).
    extras = []
    if args.holiday_files:
        extras.append((f"with {args.holiday_files} files", "holidays", "holidays-full"))
    if args.days:
        extras += [("with an empty days.json", "days.json", "days-empty.json"),
                   (f"with {args.days} days", "days.json", "days-full.json")]
    variants = [(name, exe, None) for name, exe in programs.items()]
    variants += [(f"{name} {label}", exe, (place, stored)) for label, place, stored in extras
                 for name, exe in programs.items()]
    ratios = {name: [] for name, _, _ in variants}
    try:
        env = session.new_prefix("startup")
        try:
            # Warm-up: Wine's own services, the font cache and the first-run settings.
            time_to_window(env, minimal, "Minimal")
            time_to_window(env, session.exe, "日历-Calendar")
            if args.month_view:
                subprocess.run(["wine", "reg", "add", harness.SETTINGS_KEY, "/v", "view", "/d", "1",
                                "/f"], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            folder = user_folder(env)
            os.makedirs(folder, exist_ok=True)
            if args.holiday_files:
                fill_holiday_folder(os.path.join(folder, "holidays-full"), args.holiday_files)
            if args.days:
                with open(os.path.join(folder, "days-empty.json"), "w") as empty:
                    empty.write('{"days": []}')
                write_days_file(os.path.join(folder, "days-full.json"), args.days)
            variants = [(name, exe, place and (os.path.join(folder, place[0]),
                                               os.path.join(folder, place[1])))
                        for name, exe, place in variants]
            for batch in range(args.batches):
                times = {name: [] for name in ["minimal", *ratios]}
                for _ in range(args.runs):
                    times["minimal"].append(time_to_window(env, minimal, "Minimal"))
                    for name, exe, place in variants:
                        times[name].append(timed(env, exe, place))
                base = statistics.median(times["minimal"])
                for name in ratios:
                    ours = statistics.median(times[name])
                    ratios[name].append(ours / base)
                    print(f"batch {batch + 1}: {name} median {ours * 1000:.0f} ms, minimal window "
                          f"{base * 1000:.0f} ms, ratio {ours / base:.2f}")
        finally:
            session.end_prefix(env)
    finally:
        session.close()
    medians = {name: statistics.median(figures) for name, figures in ratios.items()}
    for name, ratio in medians.items():
        print(f"{name}: ratio {ratio:.2f} (median of {args.batches} batches)")
    for label, _, _ in extras:
        for name in programs:
            print(f"{name}: {label} adds {medians[f'{name} {label}'] - medians[name]:+.2f}")


if __name__ == "__main__":
    main()
