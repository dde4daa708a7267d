#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the picture generator and remakes the built-in pictures, the button glyph and the icon
# in resources/pictures, and records what drew them in resources/pictures-toolchain.txt.
# Usage: scripts/make-pictures.sh [file name ...]  (default: all files)
# The build folder is build-pictures/ unless VARNELO_PICTURES_BUILD names another.
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="${VARNELO_PICTURES_BUILD:-$root/build-pictures}"
varnelo_install_missing

varnelo_configure "$build" -DVARNELO_BUILD_TOOLS=ON
varnelo_build "$build" --target make_pictures
QT_QPA_PLATFORM=offscreen "$build/tools/make_pictures" "$root/resources/pictures" "$@"
record="$root/resources/pictures-toolchain.txt"
if [ $# -eq 0 ]; then
  "$root/scripts/record-toolchain.sh" "$build" "$record" "the files of resources/pictures"
elif [ "$(QT_QPA_PLATFORM=offscreen "$build/tools/make_pictures" --toolchain)" != "$(grep -v '^#' "$record")" ]; then
  echo "warning: drawn with another toolchain than $record names; remake every file to record it"
fi
