#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of the last commit twice, in two different folders and at different
# times, and checks that the two .deb files are the same bytes. The second build starts from a
# fresh export of the commit, with other file times, another umask, time zone and locale, and no
# compiler cache. The build folder keeps its place inside the sources (moc includes each header
# by its path relative to the build folder, and that path is in the debugging information from
# which the build id is made). When the packages differ, diffoscope shows where.
# Usage: scripts/check-reproducible.sh [first-build-dir]
#   With a build folder inside the sources (one that check-package.sh made of the same commit,
#   without a compiler cache), that folder's package is the first build; without, both builds
#   are made here, in "build".
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
varnelo_install_missing dpkg-dev file

# Every date the package records is the last commit's.
SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct)"
export SOURCE_DATE_EPOCH
# A compiler cache would hand back the first build's objects: each build compiles for itself.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
export CCACHE_DISABLE=1
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "check-reproducible: the work tree has changes; the fresh build uses the last commit only" >&2

work="$(mktemp -d "${TMPDIR:-/tmp}/varnelo-repro.XXXXXX")"
trap 'rm -rf "$work"' EXIT
start=$SECONDS

# Exports the last commit into $1/src with the files' times of now, not of the commit.
export_commit() {
  mkdir -p "$1/src"
  git -C "$root" archive --format=tar HEAD | tar -x --touch -C "$1/src"
}

# Builds the program in build folder $2 of source tree $1 and makes its package.
build_package() {
  VARNELO_SOURCE="$1" varnelo_configure "$2" -DBUILD_TESTING=OFF -DVARNELO_BUILD_BENCH=OFF >/dev/null
  varnelo_build "$2" --target varnelo >/dev/null
  package_of "$2"
}

# Makes the package of an already configured build folder; prints its path.
package_of() {
  # CPack's staging folder from an earlier or broken run must not leak into this package.
  rm -rf "$1"/varnelo_*.deb "$1/_CPack_Packages"
  # CPack gives the package's own members the modes of its files, so it runs with the umask
  # that dpkg-buildpackage sets, as check-package.sh does.
  (umask 0022 && cd "$1" && cpack -G DEB >/dev/null)
  local debs=("$1"/varnelo_*_amd64.deb)
  if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "check-reproducible: cpack made no single package in $1" >&2
    exit 1
  fi
  echo "${debs[0]}"
}

# A compiler cache may hand the compiler relative paths (ccache's base_dir), which then stay in
# the debugging information: such a folder cannot serve as the first build.
built_with_cache() {
  grep -q '^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=.' "$1/CMakeCache.txt" 2>/dev/null
}

build_dir=build
if [ $# -ge 1 ]; then
  build_dir="$(realpath -m --relative-to="$root" "$1")"
  case "$build_dir" in
    .. | ../*) echo "check-reproducible: $1 is not inside $root" >&2; exit 1 ;;
  esac
fi
if [ $# -ge 1 ] && ! built_with_cache "$root/$build_dir"; then
  first="$(package_of "$root/$build_dir")"
else
  [ $# -eq 0 ] || echo "check-reproducible: $1 was built through a compiler cache; building twice"
  export_commit "$work/a"
  first="$(build_package "$work/a/src" "$work/a/src/$build_dir")"
fi
echo "First package: $first"
# A folder of another name and length, so that no path that is only the same length passes.
second_tree="$work/second-build/varnelo"
export_commit "$second_tree"
second="$(umask 0002 && TZ=Asia/Yekaterinburg LC_ALL=C.UTF-8 \
  build_package "$second_tree/src" "$second_tree/src/$build_dir")"
echo "Second package: $second"

if cmp "$first" "$second"; then
  echo "Reproducible: the two packages are the same $(stat -c %s "$first") bytes" \
    "($((SECONDS - start)) s)."
  exit 0
fi
# Only a failure needs diffoscope; its minimal package reads .deb files and, through binutils,
# the program.
varnelo_install_missing diffoscope-minimal
diffoscope --text - --max-report-size 200000 "$first" "$second" || true
echo "check-reproducible: the two builds of one commit gave different packages" >&2
exit 1
