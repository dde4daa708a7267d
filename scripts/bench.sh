#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks and prints, side by side, the start-up time and peak memory of the
# program and of an empty Qt window of the same size (offscreen and under Xvfb), the time of a
# press of "Рассчитать!", the calculation sheet as a PDF file, and the calculation core's own
# figures.
# Usage: scripts/bench.sh [build-dir] [rounds]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-bench}"
rounds="${2:-15}"
source "$root/scripts/deps.sh"
varnelo_install_missing python3

cmake -S "$root" -B "$build" -DVARNELO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNELO_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)" \
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
