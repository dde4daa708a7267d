#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's windows under the Qt set-ups users have: no platform theme; qt6ct (the
# settings tool of Qt programs outside KDE) with its dark "darker" and its light "airy" colour
# scheme; the styles Fusion and Windows; font resolutions of 96, 120 and 144 dots per inch;
# scales of 125, 150 and 200 %. For each, the probe walks every page, the notice and the error
# report on a private X display (qt6ct loads only on a real display): every text drawn whole,
# every label readable on its ground. A picture of each set-up goes to <build-dir>/setups/.
# Usage: scripts/setups-tests.sh [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(realpath -m "${1:-$root/build}")"
varnelo_install_missing qt6ct xvfb

varnelo_configure_once "$build"
varnelo_build "$build" --target varnelo_setups_probe
probe="$build/tests/setups/varnelo_setups_probe"
out="$build/setups"
mkdir -p "$out"
rm -f "$out"/*.png

scratch="$(mktemp -d)"
display_server=""
cleanup() {
  [ -z "$display_server" ] || kill "$display_server" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
chmod 700 "$scratch"

# A private qt6ct configuration per colour scheme; the style stays qt6ct's default.
for scheme in darker airy; do
  mkdir -p "$scratch/$scheme/qt6ct"
  printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/%s.conf\ncustom_palette=true\n' \
    "$scheme" > "$scratch/$scheme/qt6ct/qt6ct.conf"
done

# Room for the main window at 200 %.
Xvfb -displayfd 3 -screen 0 2000x1600x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
display_server=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.05
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start:"; cat "$scratch/xvfb.log"; exit 1; }

# name, then the environment of the set-up
setups=(
  "plain"
  "qt6ct-darker QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$scratch/darker"
  "qt6ct-light QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$scratch/airy"
  "fusion QT_STYLE_OVERRIDE=fusion"
  "windows QT_STYLE_OVERRIDE=windows"
  "dpi-96 QT_FONT_DPI=96"
  "dpi-120 QT_FONT_DPI=120"
  "dpi-144 QT_FONT_DPI=144"
  "scale-125 QT_SCALE_FACTOR=1.25"
  "scale-150 QT_SCALE_FACTOR=1.5"
  "scale-200 QT_SCALE_FACTOR=2"
)
passed=0
failed=0
started=$SECONDS
for setup in "${setups[@]}"; do
  read -r name settings <<< "$setup"
  # shellcheck disable=SC2086  # the settings are words of the form NAME=value
  if report="$(env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_FONT_DPI -u QT_SCALE_FACTOR \
      -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR -u WAYLAND_DISPLAY \
      DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch" \
      $settings timeout 60 "$probe" "$out/$name.png" 2>"$scratch/$name.stderr")"; then
    passed=$((passed + 1))
    echo "PASS $name: ${report##*$'\n'}"
  else
    failed=$((failed + 1))
    echo "FAIL $name:"
    echo "  ${report//$'\n'/$'\n'  }"
    sed 's/^/  stderr: /' "$scratch/$name.stderr"
  fi
done
echo "Pictures in $out; $((SECONDS - started)) s in all"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
