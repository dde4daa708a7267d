#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and starts it. Usage: scripts/run.sh [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="${1:-$root/build}"
varnelo_install_missing

# A user's build: a warning that a newer compiler or Qt adds is no error here.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
varnelo_build "$build"

program="$build/app/varnelo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to show the window on."
  echo "On a machine without one, run it in a virtual display:  xvfb-run -a $program"
  exit 1
fi
exec "$program"
