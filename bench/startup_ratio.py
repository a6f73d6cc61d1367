#!/usr/bin/env python3
"""Start-up time of lunadesk.exe against a program that only opens a window.

Both run under the same Wine, on the same private X screen, in the same warmed prefix,
interleaved, in one run; the figure is the ratio of the medians (launch until the window
is mapped). Usage: bench/startup_ratio.py [--runs N] [--build build/windows] [--month-view]
[--holiday-files N] [--batches B]
(--month-view: the calendar starts in its month view, as stored by the user;
--holiday-files: the same again with N notice files of 10 KiB in the holiday folder, the two
ratios and their difference, each the median of B batches of N runs).
"""

import argparse
import glob
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


def holiday_folder(env):
    """%APPDATA%\\Lunadesk\\holidays of the prefix's user."""
    roaming = [path for path in glob.glob(os.path.join(env["WINEPREFIX"], "drive_c", "users", "*",
                                                       "AppData", "Roaming"))
               if os.sep + "Public" + os.sep not in path]
    return os.path.join(roaming[0], "Lunadesk", "holidays")


def fill_holiday_folder(folder, count):
    """Notices of 10 KiB each, valid JSON whose years lie outside the schedule, so that every
    file is read, decoded and parsed to its end."""
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        padding = " " * (10 * 1024 - 80)
        with open(os.path.join(folder, f"{i:05}.json"), "w", encoding="utf-8") as notice:
            notice.write('{"year": 2050, "days": [{"name": "n", "date": "2050-01-01", '
                         f'"isOffDay": true}}]{padding}}}')


def run_batch(env, minimal, lunadesk, runs, folder=None, full=None):
    """The ratio of the medians; with a folder, also with it filled (moved in and out of place
    between runs, so both see the same warmed system)."""
    baseline, empty, filled = [], [], []
    for _ in range(runs):
        baseline.append(time_to_window(env, minimal, "Minimal"))
        empty.append(time_to_window(env, lunadesk, "日历-Calendar"))
        if folder:
            os.rename(full, folder)
            filled.append(time_to_window(env, lunadesk, "日历-Calendar"))
            os.rename(folder, full)
    base = statistics.median(baseline)
    return (statistics.median(empty) / base,
            statistics.median(filled) / base if folder else None, base)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--build", default="build/windows")
    parser.add_argument("--month-view", action="store_true")
    parser.add_argument("--holiday-files", type=int, default=0)
    parser.add_argument("--batches", type=int, default=3)
    args = parser.parse_args()
    minimal = os.path.join(args.build, "bench", "minimal_window.exe")
    session = harness.Session(os.path.abspath(args.build), "bench")
    lunadesk = session.exe
    try:
        env = session.new_prefix("startup")
        try:
            # Warm-up: Wine's own services, the font cache and the first-run settings.
            time_to_window(env, minimal, "Minimal")
            time_to_window(env, lunadesk, "日历-Calendar")
            if args.month_view:
                subprocess.run(["wine", "reg", "add", harness.SETTINGS_KEY, "/v", "view", "/d", "1",
                                "/f"], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            folder = full = None
            if args.holiday_files:
                folder = holiday_folder(env)
                full = folder + "-full"
                fill_holiday_folder(full, args.holiday_files)
            batches = [run_batch(env, minimal, lunadesk, args.runs, folder, full)
                       for _ in range(args.batches if args.holiday_files else 1)]
        finally:
            session.end_prefix(env)
    finally:
        session.close()
    for empty, filled, base in batches:
        line = f"batch: minimal window median {base * 1000:.0f} ms, ratio {empty:.2f}"
        if filled is not None:
            line += f", with {args.holiday_files} notice files {filled:.2f}"
        print(line)
    empty = statistics.median(b[0] for b in batches)
    print(f"ratio: {empty:.2f} (median of {len(batches)} batches of {args.runs} runs)")
    if args.holiday_files:
        filled = statistics.median(b[1] for b in batches)
        print(f"ratio with {args.holiday_files} files of 10 KiB: {filled:.2f} "
              f"(difference {filled - empty:+.2f})")


if __name__ == "__main__":
    main()
