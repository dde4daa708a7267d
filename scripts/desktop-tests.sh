#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The desktop tier: the built program under mutter and KWin (X11, each inside its own Xvfb)
# and natively under the Wayland compositor weston, checked through the window system.
# Each environment runs on a private display, session bus and runtime folder; screenshots and
# the logs of every environment go to the output folder.
# Usage: scripts/desktop-tests.sh [build-dir] [output-dir] [mutter|kwin|weston ...]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(realpath -m "${1:-$root/build}")"
out="$(realpath -m "${2:-$build/desktop-tests}")"
shift $(( $# < 2 ? $# : 2 ))

varnelo_install_missing python3 mutter kwin-x11 kwin-style-breeze weston qt6-wayland \
  wmctrl xdotool x11-utils dbus imagemagick

program="$build/app/varnelo"
[ -x "$program" ] || { echo "No program at $program: build it first (scripts/run.sh)."; exit 1; }
mkdir -p "$out"
rm -f "$out"/*.png  # this run's screenshots only
# Debian's own Python: the tier uses its standard library only.
exec timeout 230 /usr/bin/python3 "$root/tests/desktop/desktop_test.py" "$program" "$out" "$@"
