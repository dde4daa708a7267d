#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks and prints, side by side, the start-up time and peak memory of the
# program and of an empty Qt window of the same size (offscreen and under Xvfb), the time of a
# press of "Рассчитать!", the calculation sheet as a PDF file, and the calculation core's own
# figures.
# Usage: scripts/bench.sh [build-dir] [rounds]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="${1:-$root/build-bench}"
rounds="${2:-15}"
varnelo_install_missing python3

varnelo_configure "$build" -DVARNELO_BUILD_BENCH=ON
varnelo_build "$build" \
  --target varnelo empty_window firstpaint_hook press_bench sheet_bench calc_bench calc_bench_portable

xvfb-run -a -s "-screen 0 1280x1024x24" \
  python3 "$root/bench/measure.py" "$build" --rounds "$rounds"
echo
echo "Calculation sheet as a PDF file (ms), loading Qt's Russian catalogue (µs): median, range"
QT_QPA_PLATFORM=offscreen "$build/bench/sheet_bench" 30
echo
echo "Calculation core, x87 arithmetic:"
"$build/bench/calc_bench" --benchmark_min_time=0.2
echo
echo "Calculation core, portable arithmetic (GNU MPFR):"
"$build/bench/calc_bench_portable" --benchmark_min_time=0.2
