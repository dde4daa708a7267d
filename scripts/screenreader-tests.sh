#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator page with the screen reader Orca, on a private desktop: what is spoken for
# each control, after each change, for the notice and the error report, a whole calculation
# by ear, and result boxes that refuse changes through the accessibility bus.
# Usage: scripts/screenreader-tests.sh [build-dir]  (builds the program there if needed)
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(cd "${1:-$root/build}" 2>/dev/null && pwd || echo "${1:-$root/build}")"
varnelo_install_missing orca speech-dispatcher at-spi2-core python3-gi gir1.2-atspi-2.0 \
  libao4 dbus xvfb xdotool

varnelo_configure_once "$build"
varnelo_build "$build" --target varnelo
# Debian's Python, which has the GObject bindings; every wait inside is bounded.
timeout 300 /usr/bin/python3 "$root/tests/screenreader/screenreader_tests.py" "$build"
