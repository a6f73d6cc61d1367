#!/usr/bin/env python3
"""Start-up time of lunadesk.exe against a program that only opens a window.

Both run under the same Wine, on the same private X screen, in the same warmed prefix,
interleaved, in one run; the figure is the ratio of the medians (launch until the window
is mapped). Usage: bench/startup_ratio.py [--runs N] [--build build/windows] [--month-view]
(--month-view: the calendar starts in its month view, as stored by the user).
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
    parser.add_argument("--build", default="build/windows")
    parser.add_argument("--month-view", action="store_true")
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
            baseline, program = [], []
            for _ in range(args.runs):
                baseline.append(time_to_window(env, minimal, "Minimal"))
                program.append(time_to_window(env, lunadesk, "日历-Calendar"))
        finally:
            session.end_prefix(env)
    finally:
        session.close()
    base, ours = statistics.median(baseline), statistics.median(program)
    print(f"minimal window: median {base * 1000:.0f} ms over {args.runs} runs")
    print(f"lunadesk.exe:   median {ours * 1000:.0f} ms over {args.runs} runs")
    print(f"ratio: {ours / base:.2f}")


if __name__ == "__main__":
    main()
