#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the core's fuzz targets with clang and runs each for a given time.
# Usage: scripts/fuzz.sh [seconds-per-target] [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
seconds="${1:-60}"
build="${2:-$root/build-fuzz}"
varnelo_install_missing clang libclang-rt-14-dev

CC=clang CXX=clang++ varnelo_configure "$build" \
  -DVARNELO_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DVARNELO_BUILD_BENCH=OFF -DVARNELO_BUILD_FUZZ=ON
varnelo_build "$build"

for target in text_to_number provercifr sizing; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  echo "== fuzz_$target for ${seconds}s"
  # New inputs go to the build folder; the seeds in the repository stay as they are.
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 \
    "$work" "$root/tests/fuzz/corpus/$target" 2>&1 | tail -n 4
done
