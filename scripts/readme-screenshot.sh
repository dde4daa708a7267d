#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Remakes docs/calculator.png, the README's picture of the calculator page, from the real
# window offscreen. Usage: scripts/readme-screenshot.sh [build-dir]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-pictures}"
source "$root/scripts/deps.sh"
varnelo_install_missing

cmake -S "$root" -B "$build" -DVARNELO_WERROR=ON -DVARNELO_BUILD_TOOLS=ON
cmake --build "$build" --target readme_screenshot make_pictures --parallel "$(nproc)"
mkdir -p "$root/docs"
"$build/tools/readme_screenshot" "$root/docs/calculator.png"
"$root/scripts/record-toolchain.sh" "$build" "$root/docs/calculator-toolchain.txt" docs/calculator.png
echo "$root/docs/calculator.png"
