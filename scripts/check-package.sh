#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program, installs it into a staging folder, validates its desktop entry and its
# software-centre metadata, makes the Debian package and checks what the package holds and needs,
# and runs Debian's lintian on it.
# With --install it also installs the package on this machine, starts the installed program in a
# virtual display and removes the package again (needs root or sudo).
# With --built it packages the build folder as its caller configured and built it, without
# configuring or building: a cross build for another processor, whose caller builds what the
# package holds (scripts/arm64-tests.sh). The package is for the processor of its program.
# Usage: scripts/check-package.sh [--install] [--built] [build-dir]
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
install_test=0
build_here=1
while [ $# -gt 0 ]; do
  case "$1" in
    --install) install_test=1 ;;
    --built) build_here=0 ;;
    *) break ;;
  esac
  shift
done
build="$(realpath -m "${1:-$root/build}")"
# dpkg-dev and file: CPack's dpkg-shlibdeps step reads the program's libraries with both.
varnelo_install_missing "${VARNELO_PACKAGING_TOOLS[@]}"
# The package's file dates are the last commit's, so that a rebuild gives the same bytes.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct)"
fi
export SOURCE_DATE_EPOCH

app_id=example.varnelo.varnelo
expected_files=(
  usr/bin/varnelo
  "usr/share/applications/$app_id.desktop"
  usr/share/doc/varnelo/changelog.gz
  usr/share/doc/varnelo/copyright
  usr/share/man/man1/varnelo.1.gz
  usr/share/man/ru/man1/varnelo.1.gz
  "usr/share/icons/hicolor/128x128/apps/$app_id.png"
  "usr/share/icons/hicolor/32x32/apps/$app_id.png"
  "usr/share/metainfo/$app_id.metainfo.xml"
)
# Packages the program needs at run time that its linked libraries alone do not reveal, as
# patterns: from Debian 13 on, Qt's library packages carry the 64-bit time_t suffix "t64".
required_depends=(
  'libqt6core6(t64)?' 'libqt6gui6(t64)?' 'libqt6widgets6(t64)?' qt6-qpa-plugins
  fonts-liberation2 fonts-crosextra-carlito fonts-dejavu-core qt6-translations-l10n
)

fail() {
  echo "check-package: $*" >&2
  exit 1
}

if [ "$build_here" -eq 1 ]; then
  # The same configuration as run.sh and test.sh, so that a shared build folder keeps its cache.
  varnelo_configure "$build"
  # The whole build: the install step needs every file it installs, and cpack below builds it
  # all anyway.
  varnelo_build "$build"
fi

stage="$build/package-stage"
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr

installed="$(cd "$stage" && find . -type f -printf '%P\n' | sort)"
wanted="$(printf '%s\n' "${expected_files[@]}" | sort)"
expect_files() {
  local what="$1" actual="$2"
  [ "$actual" != "$wanted" ] || return 0
  fail "$what holds other files than expected:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual"))"
}
expect_files "the install tree" "$installed"
[ -x "$stage/usr/bin/varnelo" ] || fail "usr/bin/varnelo is not executable"
# The Debian architecture of the processor the program is built for, read from its ELF header.
program_type="$(file -b "$stage/usr/bin/varnelo")"
case "$program_type" in
  *", x86-64, "*) arch=amd64 ;;
  *", ARM aarch64, "*) arch=arm64 ;;
  *) fail "usr/bin/varnelo is for a processor without a Debian architecture here: $program_type" ;;
esac
[ "$install_test" -eq 0 ] || [ "$arch" = "$(dpkg --print-architecture)" ] ||
  fail "an $arch package cannot be installed on this $(dpkg --print-architecture) machine"
for size in 32 128; do
  icon="$stage/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  grep -q "^PNG image data, $size x $size," <<<"$(file -b "$icon")" ||
    fail "the ${size}x${size} icon is not a PNG of $size x $size pixels"
done

# desktop-file-validate fails only on errors; its warnings and hints count here as well.
desktop_report="$(desktop-file-validate "$stage/usr/share/applications/$app_id.desktop" 2>&1)" ||
  fail "desktop-file-validate: $desktop_report"
[ -z "$desktop_report" ] || fail "desktop-file-validate: $desktop_report"
# The metadata is written for AppStream 1.0 and must pass Debian 12's 0.16 as well. Every
# finding, down to the pedantic ones, fails but these, each caused by a choice made on purpose:
# - cid-maybe-not-rdns: the id's domain is the reserved varnelo.example, whose top-level domain
#   the validator does not know (0.16 notes it as information, 1.0 as pedantic);
# - unknown-tag developer, before AppStream 1.0 only: <developer> is 1.0's successor of
#   <developer_name>, which 1.0 reports as deprecated.
appstream_version="$(appstreamcli --version | sed -n 's/^AppStream version: //p')"
appstream_expected='cid-maybe-not-rdns'
dpkg --compare-versions "$appstream_version" ge 1.0 ||
  appstream_expected+='|unknown-tag developer'
appstream_check() {
  local report findings unexpected
  report="$(appstreamcli "$1" --no-net --pedantic "$stage/$2" 2>&1)" || true
  findings="$(grep -E '^ *[EWIP]: ' <<<"$report" || true)"
  unexpected="$(grep -vE "^ *[EWIP]: [^ ]+: ($appstream_expected)( |\$)" <<<"$findings" || true)"
  [ -z "$unexpected" ] || fail "appstreamcli $appstream_version $1 reports:"$'\n'"$report"
  [ -z "$findings" ] || echo "appstreamcli $appstream_version $1: only the expected notes:"$'\n'"$findings"
}
appstream_check validate "usr/share/metainfo/$app_id.metainfo.xml"
# The tree check also finds the desktop file that the metadata launches.
appstream_check validate-tree ""

# cpack runs the build folder's "preinstall" step, which brings the whole build up to date (unless
# the folder was configured with CMAKE_SKIP_INSTALL_ALL_DEPENDENCY, as the arm64 tier's is).
rm -rf "$build"/varnelo_*.deb "$build/_CPack_Packages"
# CPack gives the package's own members the modes of its files: the umask dpkg-buildpackage sets.
# dpkg-shlibdeps looks for the program's libraries in the folders of the package's architecture.
(umask 0022 && cd "$build" && DEB_HOST_ARCH="$arch" cpack -G DEB)
debs=("$build"/varnelo_*_"$arch".deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "cpack made no single varnelo_*_$arch.deb"
fi
deb="${debs[0]}"
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = varnelo ] || fail "the package is not named varnelo"
[ "$(field Architecture)" = "$arch" ] || fail "the package is not for $arch, as its program is"
[ "$(field Section)" = science ] || fail "the package's section is not science"
for name in Version Maintainer Description; do
  [ -n "$(field "$name")" ] || fail "the package has no $name"
done
release="$(grep -o -m1 '<release version="[^"]*"' "$stage/usr/share/metainfo/$app_id.metainfo.xml" |
  cut -d'"' -f2)"
[ "$release" = "$(field Version)" ] ||
  fail "the newest release in the metadata ($release) is not the package version ($(field Version))"

depends="$(field Depends | tr ',' '\n' | awk '{print $1}' | sort -u)"
has_depend() { grep -qxF -- "$1" <<<"$depends"; }
for pkg in "${required_depends[@]}"; do
  grep -qxE -- "$pkg" <<<"$depends" || fail "Depends lacks $pkg"
done
# Every shared library the program links must come from a package it depends on.
while read -r soname; do
  owner="$( (dpkg -S "*/$soname" 2>/dev/null || true) |
    awk -F: -v arch="$arch" '$2 == arch && owner == "" {owner = $1} END {print owner}')"
  [ -n "$owner" ] || fail "no installed package provides $soname"
  has_depend "$owner" || fail "Depends lacks $owner, which provides $soname"
done < <(readelf -d "$stage/usr/bin/varnelo" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')

packaged="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | sort)"
expect_files "the package" "$packaged"
dpkg-deb -c "$deb"

# Debian's checker, with its pedantic and informational findings shown; errors and warnings
# fail. Overrides, each with its reason, are installed with the package.
lintian --pedantic --info --display-info --display-experimental --fail-on error,warning "$deb"

# Package names in dpkg's database: "installed" for those installed, "known" for any state.
packages_in() {
  dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' |
    awk -v which="$1" 'which == "known" || $1 == "ii" {print $2}' | sort -u
}

# Takes back what the install test added: the package and whatever it pulled in. Packages that
# dpkg did not know before are purged, so that no configuration files stay behind.
undo_install() {
  local added new old
  added="$(comm -13 <(echo "$installed_before") <(packages_in installed))"
  [ -n "$added" ] || return 0
  new="$(comm -23 <(echo "$added") <(echo "$known_before"))"
  old="$(comm -12 <(echo "$added") <(echo "$known_before"))"
  # shellcheck disable=SC2086  # one package name a word
  [ -z "$new" ] || "${sudo[@]}" apt-get purge -y -qq $new
  # shellcheck disable=SC2086
  [ -z "$old" ] || "${sudo[@]}" apt-get remove -y -qq $old
}

if [ "$install_test" -eq 1 ]; then
  varnelo_install_missing xdotool
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  installed_before="$(packages_in installed)"
  known_before="$(packages_in known)"
  ! grep -qx varnelo <<<"$installed_before" ||
    fail "varnelo is installed already; remove it before the install test"
  trap undo_install EXIT
  "${sudo[@]}" apt-get update -qq
  # Without the recommended packages: the program must start with what it depends on alone.
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$deb"
  [ -f "/usr/share/applications/$app_id.desktop" ] || fail "the menu entry was not installed"
  # The program has no command line and no way to quit by itself: it must show its main window
  # and still run a moment later, and is then stopped.
  # shellcheck disable=SC2016  # the inner shell expands its own variables
  xvfb-run -a bash -c '
    /usr/bin/varnelo & pid=$!
    shown=0
    timeout 20 xdotool search --sync --onlyvisible --name "^Varnelo v" >/dev/null && shown=1
    sleep 2
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && status=0 || status=$?
      echo "the installed program ended by itself with status $status" >&2
      exit 1
    fi
    kill "$pid"
    wait "$pid" || true
    [ "$shown" -eq 1 ] || { echo "the installed program showed no main window" >&2; exit 1; }
  ' || fail "the installed program did not start"
  trap - EXIT
  undo_install
  ! grep -qx varnelo <<<"$(packages_in installed)" || fail "varnelo is still installed"
  echo "Installed $deb, started /usr/bin/varnelo and removed the package again."
fi
echo "Package checks passed: $deb"
