#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, from Debian 12's packages, whatever the build, the program and the tests need and
# the machine lacks. Sourced by run.sh and test.sh.
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

varnelo_install_missing() {
  local missing=()
  local pkg
  for pkg in "${VARNELO_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
