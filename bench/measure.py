#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up time, peak memory and the speed of a press of varnelo, next to an empty Qt window.

Usage: bench/measure.py BUILD-DIR [--rounds N] [--presses N]

Each round starts varnelo and empty_window (a bare main window of the same size) once each,
in alternating order, with firstpaint_hook preloaded: the start-up time runs from just before
the process starts to the end of its window's first paint, and the peak resident memory is
the process's own high-water mark at that moment. press_bench times a click on "Рассчитать!"
up to the seven boxes being written, and up to their being painted.

Both the offscreen platform and X11 are measured; X11 needs a display, for example:

    xvfb-run -a -s "-screen 0 1280x1024x24" bench/measure.py build-bench
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

TARGETS = {"startup_ratio": 1.5, "memory_mb": 10.0, "press_ms": 1.0}
START_LIMIT_S = 60


def one_start(program, platform, hook):
    env = dict(os.environ, QT_QPA_PLATFORM=platform, LD_PRELOAD=hook)
    started = time.time_ns()
    run = subprocess.run([program], env=env, capture_output=True, text=True, timeout=START_LIMIT_S)
    report = dict(line.split(" ", 1) for line in run.stdout.splitlines() if " " in line)
    if run.returncode != 0 or "first-paint-ns" not in report:
        raise RuntimeError(f"{program} on {platform}: no first paint (exit {run.returncode})\n"
                           f"{run.stderr}")
    return {"ms": (int(report["first-paint-ns"]) - started) / 1e6,
            "mb": int(report["peak-rss-kb"]) / 1024,
            "window": report["window"]}


def measure_startup(programs, platform, hook, rounds):
    for program in programs.values():
        one_start(program, platform, hook)  # fills the file cache
    runs = {name: [] for name in programs}
    order = list(programs)
    for _ in range(rounds):
        for name in order:
            runs[name].append(one_start(programs[name], platform, hook))
        order.reverse()
    return runs


def measure_press(press_bench, platform, presses):
    env = dict(os.environ, QT_QPA_PLATFORM=platform)
    run = subprocess.run([press_bench, str(presses)], env=env, capture_output=True, text=True,
                         timeout=START_LIMIT_S * 5)
    if run.returncode != 0:
        raise RuntimeError(f"press_bench on {platform} failed:\n{run.stderr}")
    figures = {}
    for line in run.stdout.splitlines():
        name, *values = line.split()
        figures[name] = [float(v) for v in values]
    return figures


def spread(values, unit, digits=1):
    return (f"{statistics.median(values):7.{digits}f} {unit} "
            f"({min(values):.{digits}f}-{max(values):.{digits}f})")


def verdict(ok):
    return "ok" if ok else "MISSED"


def print_startup(platform, runs, rounds):
    print(f"\n{platform}: {rounds} alternating starts of each, median (range)")
    print(f"  {'':14} {'start-up to first paint':>30}   {'peak resident memory':>26}   window")
    for name, values in runs.items():
        print(f"  {name:14} {spread([r['ms'] for r in values], 'ms'):>30}   "
              f"{spread([r['mb'] for r in values], 'MiB'):>26}   {values[0]['window']}")
    app_ms = statistics.median(r["ms"] for r in runs["varnelo"])
    empty_ms = statistics.median(r["ms"] for r in runs["empty window"])
    app_mb = statistics.median(r["mb"] for r in runs["varnelo"])
    empty_mb = statistics.median(r["mb"] for r in runs["empty window"])
    ratio = app_ms / empty_ms
    extra = app_mb - empty_mb
    print(f"  varnelo / empty: start-up x{ratio:.2f} (target <= {TARGETS['startup_ratio']}: "
          f"{verdict(ratio <= TARGETS['startup_ratio'])}), memory {extra:+.1f} MiB "
          f"(target <= {TARGETS['memory_mb']:.0f}: {verdict(extra <= TARGETS['memory_mb'])})")


def print_press(platform, figures, presses):
    print(f"  press of \"Рассчитать!\", {presses} presses, median (min-max, 99th percentile):")
    for name, label in (("press-written-us", "to the boxes written"),
                        ("press-painted-us", "to the boxes painted")):
        median, low, high, p99 = figures[name]
        print(f"    {label:22} {median:8.1f} us ({low:.1f}-{high:.1f}, p99 {p99:.1f})")
    median_ms = figures["press-written-us"][0] / 1000
    print(f"    target < {TARGETS['press_ms']:.0f} ms: {verdict(median_ms < TARGETS['press_ms'])}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("--presses", type=int, default=2000)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    programs = {"varnelo": f"{build}/app/varnelo", "empty window": f"{build}/bench/empty_window"}
    hook = f"{build}/bench/libfirstpaint_hook.so"
    press_bench = f"{build}/bench/press_bench"
    platforms = ["offscreen"]
    if os.environ.get("DISPLAY"):
        platforms.append("xcb")
    else:
        print("No DISPLAY: X11 is left out (run under xvfb-run to include it).", file=sys.stderr)
    for platform in platforms:
        runs = measure_startup(programs, platform, hook, args.rounds)
        title = "offscreen" if platform == "offscreen" else f"X11 on display {os.environ['DISPLAY']}"
        print_startup(title, runs, args.rounds)
        print_press(platform, measure_press(press_bench, platform, args.presses), args.presses)


if __name__ == "__main__":
    main()
