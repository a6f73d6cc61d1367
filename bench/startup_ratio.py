#!/usr/bin/env python3
"""Start-up time of lunadesk.exe against a program that only opens a window.

Both run under the same Wine, on the same private X screen, in the same warmed prefix,
interleaved, in one run; the figure is the ratio of the medians (launch until the window
is mapped), and the median of that over the batches. Usage: bench/startup_ratio.py [--runs N]
[--batches N] [--build build/windows] [--compare OTHER_BUILD] [--month-view] [--holiday-files N]
(--month-view: the calendar starts in its month view, as stored by the user; --compare: another
build's lunadesk.exe, an earlier one say, timed in the same batches; --holiday-files: each
calendar also with N notice files of 10 KiB in the holiday folder, and the difference).
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


def timed(env, exe, folder, full):
    """One start; with `full`, the filled holiday folder is in place for it."""
    if full:
        os.rename(full, folder)
    try:
        return time_to_window(env, exe, "日历-Calendar")
    finally:
        if full:
            os.rename(folder, full)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--batches", type=int, default=3)
    parser.add_argument("--build", default="build/windows")
    parser.add_argument("--compare")
    parser.add_argument("--month-view", action="store_true")
    parser.add_argument("--holiday-files", type=int, default=0)
    args = parser.parse_args()
    minimal = os.path.join(args.build, "bench", "minimal_window.exe")
    session = harness.Session(os.path.abspath(args.build), "bench")
    programs = {"lunadesk.exe": session.exe}
    if args.compare:
        programs[args.compare] = os.path.join(os.path.abspath(args.compare), "lunadesk.exe")
    # Each program with an empty holiday folder, and with a filled one when asked for.
    variants = [(name, exe, False) for name, exe in programs.items()]
    if args.holiday_files:
        variants += [(f"{name} with {args.holiday_files} files", exe, True)
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
            folder = full = None
            if args.holiday_files:
                folder = holiday_folder(env)
                full = folder + "-full"
                fill_holiday_folder(full, args.holiday_files)
            for batch in range(args.batches):
                times = {name: [] for name in ["minimal", *ratios]}
                for _ in range(args.runs):
                    times["minimal"].append(time_to_window(env, minimal, "Minimal"))
                    for name, exe, filled in variants:
                        times[name].append(timed(env, exe, folder, full if filled else None))
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
    if args.holiday_files:
        for name in programs:
            filled = medians[f"{name} with {args.holiday_files} files"]
            print(f"{name}: {args.holiday_files} files of 10 KiB add {filled - medians[name]:+.2f}")


if __name__ == "__main__":
    main()
