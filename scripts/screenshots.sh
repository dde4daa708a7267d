#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of every page of the main window as a user sees it: the program runs in a virtual
# display and is driven with the keyboard only (arrow keys on a tab row switch its tabs, Tab
# moves from the outer tab row to a gallery's own). One PNG per page, named by tab.
# Usage: scripts/screenshots.sh [build-dir] [output-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(realpath -m "${1:-$root/build}")"
out="$(realpath -m "${2:-$build/screenshots}")"

if [ -z "${DISPLAY:-}" ]; then
    varnelo_install_missing xvfb xauth xdotool imagemagick
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$out"
fi

program="$build/app/varnelo"
[ -x "$program" ] || { echo "No program at $program: build it first (scripts/run.sh)."; exit 1; }
mkdir -p "$out"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 100); do
  window="$(xdotool search --sync --onlyvisible --pid "$pid" --name '^Varnelo v 1.0$' 2>/dev/null | head -n1 || true)"
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "The main window did not appear."; exit 1; }
xdotool windowfocus --sync "$window"  # no window manager to give it the keyboard

key() { xdotool key --window "$window" "$@"; sleep 0.3; }
shot() { sleep 0.5; import -window "$window" "$out/$1.png"; echo "$out/$1.png"; }

# The keyboard focus starts on the outer tab row, on the calculator page.
shot 0-calculator

gallery() {  # name, number of "Вид" pages; the outer tab row has the focus on arrival
  local name="$1" views="$2" view
  key Tab  # to the gallery's own tab row
  shot "$name-view1"
  for view in $(seq 2 "$views"); do
    key Right
    shot "$name-view$view"
  done
  key Right
  shot "$name-link"
  key shift+Tab  # back to the outer tab row
}

key Right; gallery 1-program 4
key Right; gallery 2-program2 5
key Right; gallery 3-program3 4
key Right; shot 4-booklet
key Right; shot 5-design-course
key Right; shot 6-heat-course
