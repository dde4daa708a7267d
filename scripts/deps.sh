#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What every script of scripts/ starts with, sourced as its first line: strict mode, `root` (the
# repository), the packages from Debian's registry (12, 13 and unstable alike) that the build,
# the program and the tests need, and the project's own way to configure and build a folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

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

# A build folder as the project's own scripts make it: warnings as errors, optimised with debug
# information, from the repository (or from VARNELO_SOURCE); more cmake options may follow.
varnelo_configure() {
  local build="$1"
  shift
  cmake -S "${VARNELO_SOURCE:-$root}" -B "$build" -DVARNELO_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

# The same, unless the folder has been configured already: a tier builds in the folder it is given.
varnelo_configure_once() {
  [ -f "$1/CMakeCache.txt" ] || varnelo_configure "$@"
}

# Builds a folder on every core; `--target NAME...` may follow.
varnelo_build() {
  local build="$1"
  shift
  cmake --build "$build" --parallel "$(nproc)" "$@"
}
