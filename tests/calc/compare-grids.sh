#!/bin/sh

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs two builds of the grid and compares what they print, byte for byte; both outputs stay
# in the given folder. Usage: compare-grids.sh first-grid second-grid folder
# (either grid may be a command line, e.g. "qemu-aarch64 -L /usr/aarch64-linux-gnu ./calc_grid").
set -eu
mkdir -p "$3"
$1 >"$3/first.txt" 2>"$3/first-summary.txt" &
first=$!
$2 >"$3/second.txt" 2>"$3/second-summary.txt"
wait "$first"
cat "$3/first-summary.txt" "$3/second-summary.txt"
if cmp -s "$3/first.txt" "$3/second.txt"; then
  echo "the two grids agree: $(wc -l <"$3/first.txt") lines, $(wc -c <"$3/first.txt") bytes"
  exit 0
fi
echo "the two grids differ ($(diff "$3/first.txt" "$3/second.txt" | grep -c '^<') lines); the first:"
diff "$3/first.txt" "$3/second.txt" | head -20
exit 1
