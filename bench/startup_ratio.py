#!/usr/bin/env python3
"""Start-up time of lunadesk.exe against a program that only opens a window.

Both run under the same Wine, on the same private X screen, in the same warmed prefix,
interleaved, in one run; the figure is the ratio of the medians (launch until the window
is mapped), and the median of that over the batches. Usage: bench/startup_ratio.py [--runs N]
[--batches N] [--build build/windows] [--compare OTHER_BUILD] [--month-view]
(--month-view: the calendar starts in its month view, as stored by the user; --compare: another
build's lunadesk.exe, an earlier one say, timed in the same batches).
"""

import argparse
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--batches", type=int, default=3)
    parser.add_argument("--build", default="build/windows")
    parser.add_argument("--compare")
    parser.add_argument("--month-view", action="store_true")
    args = parser.parse_args()
    minimal = os.path.join(args.build, "bench", "minimal_window.exe")
    session = harness.Session(os.path.abspath(args.build), "bench")
    programs = {"lunadesk.exe": session.exe}
    if args.compare:
        programs[args.compare] = os.path.join(os.path.abspath(args.compare), "lunadesk.exe")
    ratios = {name: [] for name in programs}
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
            for batch in range(args.batches):
                times = {name: [] for name in ["minimal", *programs]}
                for _ in range(args.runs):
                    times["minimal"].append(time_to_window(env, minimal, "Minimal"))
                    for name, exe in programs.items():
                        times[name].append(time_to_window(env, exe, "日历-Calendar"))
                base = statistics.median(times["minimal"])
                for name in programs:
                    ours = statistics.median(times[name])
                    ratios[name].append(ours / base)
                    print(f"batch {batch + 1}: {name} median {ours * 1000:.0f} ms, minimal window "
                          f"{base * 1000:.0f} ms, ratio {ours / base:.2f}")
        finally:
            session.end_prefix(env)
    finally:
        session.close()
    for name, figures in ratios.items():
        print(f"{name}: ratio {statistics.median(figures):.2f} (median of {args.batches} batches)")


if __name__ == "__main__":
    main()
