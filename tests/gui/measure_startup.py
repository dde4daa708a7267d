#!/usr/bin/env python3
"""Start-up time of the program next to an empty Qt window of the same size, in one run.

Each round starts varnelo_startup_probe twice, once with the program's own windows and once
with an empty window, and takes the time from just before the process starts to the end of
the window's first paint. Run it where a display is available, for example:

    xvfb-run -a -s "-screen 0 1280x1024x24" tests/gui/measure_startup.py build/tests/gui/varnelo_startup_probe
"""
import statistics
import subprocess
import sys
import time

ROUNDS = 15


def one_start(probe, mode):
    started = time.time_ns()
    output = subprocess.run([probe, mode], check=True, capture_output=True, text=True).stdout
    for line in output.splitlines():
        if line.startswith("first-paint-ns "):
            return (int(line.split()[1]) - started) / 1e6
    raise RuntimeError(f"{mode}: no first paint reported")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    probe = sys.argv[1]
    one_start(probe, "empty")  # fills the file cache for both
    one_start(probe, "varnelo")
    times = {"varnelo": [], "empty": []}
    for _ in range(ROUNDS):
        for mode in times:
            times[mode].append(one_start(probe, mode))
    for mode, values in times.items():
        print(f"{mode:8} median {statistics.median(values):6.1f} ms  "
              f"min {min(values):6.1f} ms  max {max(values):6.1f} ms  ({ROUNDS} starts)")


if __name__ == "__main__":
    main()
