#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the whole test suite (core, pictures, windows, soak) with the address and
# undefined-behaviour sanitizers and runs it offscreen. Any sanitizer report fails the run,
# also one from a process whose exit status nobody looks at.
# Usage: scripts/sanitize.sh [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="${1:-$root/build-asan}"
jobs="$(nproc)"
varnelo_install_missing

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
varnelo_configure "$build" \
  -DVARNELO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" --parallel "$jobs"

# An address or leak report also goes to a file, so that the check after the run catches one
# from test discovery or a child process too. An undefined-behaviour report aborts its process,
# which fails the test (this runtime writes it to stderr whatever log_path says).
reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# The grid of both back ends is left to the plain run: it checks figures, not memory, and its
# 1.2 million lines would take minutes under the sanitizers (the core's tests run on both);
# so is the sheet of every list combination, whose single sheets the window tests cover.
status=0
ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 300 \
  -E 'calc\.grid_|gui\.sheet_every_combination' || status=$?

shopt -s nullglob
found=("$reports"/*)
if [ ${#found[@]} -gt 0 ]; then
  echo "Sanitizer reports:"
  for report in "${found[@]}"; do
    echo "== $report"
    cat "$report"
  done
  status=1
fi
[ "$status" -eq 0 ] && echo "Sanitizer run clean."
exit "$status"
