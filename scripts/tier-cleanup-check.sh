#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The desktop and screen-reader tiers end everything they started when they are stopped from
# outside: each is started under `timeout` (which sends SIGTERM) or sent SIGINT or SIGHUP while
# its desktop runs, and then no process it started may be left. The processes of one run are
# told apart from any other by a marker in their environment, which they all inherit.
# Usage: scripts/tier-cleanup-check.sh [build-dir]  (the program must be built there)
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(realpath -m "${1:-$root/build}")"
[ -x "$build/app/varnelo" ] || { echo "No program in $build: build it first."; exit 1; }
out="$build/tier-cleanup"
mkdir -p "$out"
kinds='Xvfb|mutter|kwin|weston|dbus|at-spi|speech|sd_|orca|varnelo'

# The processes whose environment carries the marker, with their command lines.
left_over() {
  local pid
  for pid in $(pgrep -f "$kinds" || true); do
    if { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qx "VARNELO_TIER_RUN=$1"; then
      echo "  $pid $({ tr '\0' ' ' < "/proc/$pid/cmdline"; } 2>/dev/null | cut -c1-100)"
    fi
  done
}

failed=0
# One tier run: name, seconds before the signal, signal, command.
check() {
  local name="$1" after="$2" signal="$3"
  shift 3
  local marker="$name-$$-$RANDOM" status=0
  VARNELO_TIER_RUN="$marker" timeout --signal="$signal" "$after" "$@" > "$out/$name.log" 2>&1 \
    || status=$?
  sleep 1
  local left
  left="$(left_over "$marker")"
  if [ -n "$left" ]; then
    echo "FAIL $name: SIG$signal after $after s (exit $status) left:"
    echo "$left"
    failed=1
  else
    echo "PASS $name: SIG$signal after $after s (exit $status), nothing left"
  fi
}

desktop=(/usr/bin/python3 "$root/tests/desktop/desktop_test.py" "$build/app/varnelo" "$out")
check mutter-desktop-up 4 TERM "${desktop[@]}" mutter
check weston-program-up 3 INT "${desktop[@]}" weston
check screenreader-orca-up 12 TERM /usr/bin/python3 "$root/tests/screenreader/screenreader_tests.py" "$build"
check screenreader-starting 2 HUP /usr/bin/python3 "$root/tests/screenreader/screenreader_tests.py" "$build"
exit "$failed"
