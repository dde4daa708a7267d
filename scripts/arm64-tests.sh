#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program on 64-bit ARM: cross-builds it with Debian's cross compiler and arm64 libraries,
# and runs the arm64 programs under qemu-user on this x86-64 machine. Checks that
#   1. the core's tests pass;
#   2. the grid of the core's figures (calc_grid) prints byte for byte what the x86-64 build
#      with the x87 unit prints;
#   3. the program's windows start offscreen and reach their first paint, and the windows'
#      tests pass: among them the calculator page, pressed, shows the worked values (the
#      defaults: 3,01 0,85 10 2,1942 10,51 87,6 120) with either decimal mark;
#   4. the arm64 Debian package passes the package checks and lintian, as the amd64 one does.
# Installs the cross compiler, qemu-user and the arm64 libraries beside the machine's own.
# Usage: scripts/arm64-tests.sh [build-dir]
#   The arm64 build is the build folder itself (default build-arm64), the x86-64 x87 build of
#   the grid its x87-reference/ folder; the two grids stay in its grid/ folder (first.txt from
#   x87, second.txt from arm64).
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(realpath -m "${1:-$root/build-arm64}")"
reference="$build/x87-reference"
jobs=2
start=$SECONDS

fail() {
  echo "arm64-tests: $*" >&2
  exit 1
}
step() { echo "== arm64: $* ($((SECONDS - start)) s)"; }

step "the cross compiler, qemu-user and the arm64 libraries"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
dpkg --print-foreign-architectures | grep -qx arm64 || "${sudo[@]}" dpkg --add-architecture arm64
varnelo_install_missing g++-aarch64-linux-gnu qemu-user \
  qt6-base-dev:arm64 libgl-dev:arm64 libjpeg62-turbo-dev:arm64 libgtest-dev:arm64 \
  libmpfr-dev:arm64 libgmp-dev:arm64

step "cross build for arm64"
# Only what the checks need: the core with its tests and grid, the windows' tests and start-up
# probe, the program and its manual pages for the package. Installing (and so the package)
# takes what is built and builds nothing more.
varnelo_configure "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-aarch64-linux-gnu.cmake" \
  -DVARNELO_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --parallel "$jobs" --target \
  calc_tests calc_grid varnelo_gui_tests varnelo_startup_probe varnelo manual_pages

step "x86-64 build of the grid with the x87 unit"
varnelo_configure "$reference" -DVARNELO_CORE_ONLY=ON
cmake --build "$reference" --parallel "$jobs" --target calc_grid

# The arm64 programs below run through the emulator ctest uses.
IFS=';' read -r -a emulator <<<"$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$build/CMakeCache.txt")"
[ ${#emulator[@]} -gt 0 ] || fail "the arm64 build names no emulator"
export QT_QPA_PLATFORM=offscreen

step "1. the core's tests under qemu"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs" -R '^calc\.'

step "2. the grid under qemu against the x87 build"
sh "$root/tests/calc/compare-grids.sh" "$reference/tests/calc/calc_grid" \
  "${emulator[*]} $build/tests/calc/calc_grid" "$build/grid"

step "3. the program's windows offscreen under qemu"
ctest --test-dir "$build" --output-on-failure -R '^gui\.startup_reaches_first_paint$'
# The windows' tests in one run: one start of qemu and the toolkit instead of one per test.
(cd "$build/tests/gui" && "${emulator[@]}" ./varnelo_gui_tests)

step "4. the arm64 package"
bash "$root/scripts/check-package.sh" --built "$build"

step "all arm64 checks passed"
