#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, from Debian's packages (12, 13 and unstable alike), whatever the build, the program
# and the tests need and the machine lacks. Sourced by run.sh, test.sh and the other scripts.
set -euo pipefail

VARNELO_PACKAGES=(
  cmake g++ make
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev
  libmpfr-dev libgmp-dev  # the portable extended arithmetic
  libgtest-dev libbenchmark-dev
  xvfb xauth
  fonts-dejavu-core fonts-liberation2 fonts-crosextra-carlito
  qt6-translations-l10n  # Qt's own texts (standard menus, file and print dialogs) in Russian
  poppler-utils  # the calculation sheet's tests read its PDF back (pdfinfo, pdffonts, pdftotext)
  groff-base man-db  # the manual pages' tests render them as Debian's tools do
  python3  # the planted-fault tables are checked against the code with every test run
)

# What scripts/check-package.sh adds to build and judge the Debian package.
VARNELO_PACKAGING_TOOLS=(desktop-file-utils appstream dpkg-dev file lintian)

varnelo_missing_packages() {
  local pkg
  for pkg in "${VARNELO_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || echo "$pkg"
  done
}

# Installs the packages above and the given ones that are missing.
varnelo_install_missing() { varnelo_apt_missing install "$@"; }
# Fetches them into apt's cache and installs nothing: a fresh system can download while the
# machine builds something else.
varnelo_download_missing() { varnelo_apt_missing download "$@"; }

varnelo_apt_missing() {
  local what="$1"
  shift
  local missing
  mapfile -t missing < <(varnelo_missing_packages "$@")
  [ ${#missing[@]} -eq 0 ] && return 0
  local options=(-y -qq --no-install-recommends)
  if [ "$what" = download ]; then
    options+=(--download-only)
  else
    echo "Installing: ${missing[*]}"
  fi
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install "${options[@]}" "${missing[@]}"
}
