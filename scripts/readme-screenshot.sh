#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Remakes docs/calculator.png, the README's picture of the calculator page, from the real
# window offscreen. Usage: scripts/readme-screenshot.sh [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="${1:-$root/build-pictures}"
varnelo_install_missing

varnelo_configure "$build" -DVARNELO_BUILD_TOOLS=ON
varnelo_build "$build" --target readme_screenshot make_pictures
mkdir -p "$root/docs"
"$build/tools/readme_screenshot" "$root/docs/calculator.png"
"$root/scripts/record-toolchain.sh" "$build" "$root/docs/calculator-toolchain.txt" docs/calculator.png
echo "$root/docs/calculator.png"
