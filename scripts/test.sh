#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything, the picture generator and the README's screenshot tool included, and runs
# every test. Usage: scripts/test.sh [build-dir]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
source "$root/scripts/deps.sh"
varnelo_install_missing

cmake -S "$root" -B "$build" -DVARNELO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNELO_BUILD_TOOLS=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --label-exclude tier
