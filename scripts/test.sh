#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything, the picture generator and the README's screenshot tool included, and runs
# every test. Usage: scripts/test.sh [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="${1:-$root/build}"
varnelo_install_missing

varnelo_configure "$build" -DVARNELO_BUILD_TOOLS=ON
varnelo_build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --label-exclude tier
