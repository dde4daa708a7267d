#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's commands on another Debian release, as a new user meets them: a minimal system
# made with debootstrap from Debian's package registry, a clean clone of this repository's
# current commit, `scripts/test.sh` (which installs what the system lacks), `scripts/run.sh`
# (the program starts and keeps running), then the Debian package checks with that release's
# lintian and appstreamcli (scripts/check-package.sh).
# Needs root (debootstrap and chroot); installs debootstrap on this machine when missing.
# Every mount made inside the system is undone on any exit, a signal's included.
# Usage: scripts/debian-tests.sh [--keep DIR] [--no-package] [--build-types] SUITE
#   SUITE  bookworm (Debian 12), trixie (Debian 13) or sid (unstable)
#   --keep DIR  make the system in DIR and leave it there; an existing one is used again
#               (its packages stay installed, the clone is made afresh)
#   --no-package  only the README's test command
#   --build-types  then also plain Release and Debug builds, with warnings as errors, and
#               their tests
#   --only-build-types  those two builds alone, without the README's commands and the package
#   --prepare DIR  only make the system in DIR and download (not install) the packages the
#               tests will install, from Debian's registry; a later --use DIR runs the tests
#   --use DIR   run the tests in a system that --prepare made, and remove it at the end, as a
#               system made by this run is (CI prepares one while its other stages run)
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"

known_suites=(bookworm trixie sid)
usage() {
  echo "usage: scripts/debian-tests.sh [--keep DIR | --prepare DIR | --use DIR] [--no-package]" \
    "[--build-types] [--only-build-types] SUITE" >&2
  echo "known suites: ${known_suites[*]} (Debian 12, Debian 13, unstable)" >&2
  exit 2
}
fail() {
  echo "debian-tests: $*" >&2
  exit 1
}

keep=""
use=""
prepare=0
package=1
build_types=0
readme=1
while [ $# -gt 0 ]; do
  case "$1" in
    --keep) [ $# -ge 2 ] || usage; keep="$2"; shift ;;
    --prepare) [ $# -ge 2 ] || usage; keep="$2"; prepare=1; shift ;;
    --use) [ $# -ge 2 ] || usage; use="$2"; shift ;;
    --no-package) package=0 ;;
    --build-types) build_types=1 ;;
    --only-build-types) build_types=1; readme=0; package=0 ;;
    -*) usage ;;
    *) break ;;
  esac
  shift
done
[ $# -eq 1 ] || usage
suite="$1"
printf '%s\n' "${known_suites[@]}" | grep -qx -- "$suite" ||
  { echo "debian-tests: unknown suite '$suite'" >&2; usage; }

[ "$(id -u)" -eq 0 ] || fail "making a Debian system with debootstrap and entering it needs root"
start=$SECONDS
step() { echo "== debian $suite: $* ($((SECONDS - start)) s)"; }

if [ -n "$keep" ]; then
  system="$(realpath -m "$keep")"
elif [ -n "$use" ]; then
  system="$(realpath -m "$use")"
  [ -x "$system/bin/bash" ] || fail "no system made by --prepare in $system"
else
  system="$(mktemp -d /var/tmp/varnelo-debian-"$suite".XXXXXX)"
fi
# The system's root is open to its own users (apt downloads as _apt), as a root folder is.
[ ! -d "$system" ] || chmod 0755 "$system"

# Every mount below the system, deepest first: ours and any that an interrupted debootstrap left.
undo_mounts() {
  local target
  awk -v root="$system/" 'index($2, root) == 1 { print $2 }' /proc/self/mounts | sort -r |
    while read -r target; do
      umount "$target" 2>/dev/null || umount -l "$target" 2>/dev/null || true
    done
}
# Whatever still runs inside the system (after a signal) is ended, so that nothing holds its
# mounts; swept again while a build or a test run still forks new processes.
end_system_processes() {
  local pid sweep found
  for sweep in 1 2 3 4 5 6 7 8 9 10; do
    found=0
    for pid in /proc/[0-9]*; do
      if [ "$(readlink "$pid/root" 2>/dev/null)" = "$system" ]; then
        kill -KILL "${pid#/proc/}" 2>/dev/null && found=1
      fi
    done
    [ "$found" -eq 0 ] && return 0
    sleep 0.5
  done
  echo "debian-tests: processes inside $system did not end" >&2
}
cleanup() {
  local job
  for job in $(jobs -p); do kill -TERM "$job" 2>/dev/null || true; done
  end_system_processes
  undo_mounts
  if [ -z "$keep" ] && [ -d "$system" ]; then
    # Only once nothing is mounted below it any more.
    if ! grep -q " $system/" /proc/self/mounts; then rm -rf --one-file-system "$system"; fi
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

if [ ! -x "$system/bin/bash" ]; then
  step "debootstrap --variant=minbase $suite"
  command -v debootstrap >/dev/null || varnelo_install_missing debootstrap || true
  command -v debootstrap >/dev/null ||
    fail "debootstrap is not installed and could not be installed (apt-get install debootstrap)"
  debootstrap --variant=minbase --include=sudo,ca-certificates,git "$suite" "$system" \
    >"$system.debootstrap.log" 2>&1 &
  wait $! ||
    { tail -n 30 "$system.debootstrap.log" >&2; fail "debootstrap could not make a $suite system"; }
  rm -f "$system.debootstrap.log"
fi
if [ "$suite" = sid ]; then
  # The registry's copy of unstable's index may be past its Valid-Until date, which apt then
  # refuses as expired; for unstable alone that date is not checked.
  echo 'Acquire::Check-Valid-Until "false";' >"$system/etc/apt/apt.conf.d/99varnelo-sid-valid-until"
fi
cp -L /etc/resolv.conf "$system/etc/resolv.conf"

mount_into() {
  mkdir -p "$system$2"
  mount "${@:3}" "$1" "$system$2"
}
mount_into proc /proc -t proc
mount_into /sys /sys --rbind
mount --make-rslave "$system/sys"
mount_into /dev /dev --rbind
mount --make-rslave "$system/dev"
mount_into tmpfs /tmp -t tmpfs

step "a clean clone of $(git -C "$root" rev-parse --short HEAD)"
rm -rf "$system/root/varnelo"
git clone -q --no-hardlinks "$root" "$system/root/varnelo"
git -C "$system/root/varnelo" checkout -q "$(git -C "$root" rev-parse HEAD)"

# In the background and waited for, so that a signal is handled at once, not when it ends.
in_system() {
  chroot "$system" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb /bin/bash -c "cd /root/varnelo && $1" &
  wait $!
}
if [ "$prepare" -eq 1 ]; then
  step "the packages the tests will install, downloaded"
  in_system 'source scripts/deps.sh && varnelo_download_missing "${VARNELO_PACKAGING_TOOLS[@]}"'
  step "prepared in $system"
  exit 0
fi
in_system 'printf "%s, " "$(. /etc/os-release && echo "$PRETTY_NAME")"'
if [ "$readme" -eq 1 ]; then
  step "the README's test command: scripts/test.sh"
  in_system 'scripts/test.sh'
  step "the README's run command: scripts/run.sh starts the program (offscreen, ended after 10 s)"
  in_system 'status=0; QT_QPA_PLATFORM=offscreen timeout 10 scripts/run.sh >/dev/null || status=$?
    [ "$status" -eq 124 ] || { echo "the program did not keep running: exit $status"; exit 1; }'
else
  step "what the build needs: scripts/deps.sh"
  in_system 'source scripts/deps.sh && varnelo_install_missing'
fi
in_system 'printf "GCC %s, CMake %s, Qt %s\n" "$(g++ -dumpfullversion)" \
  "$(cmake --version | head -n1 | cut -d" " -f3)" "$(dpkg-query -W -f="\${Version}" qt6-base-dev)"'
if [ "$package" -eq 1 ]; then
  step "the Debian package with $suite's lintian and appstreamcli"
  in_system 'scripts/check-package.sh build'
fi
if [ "$build_types" -eq 1 ]; then
  for type in Release Debug; do
    step "a plain $type build and its tests"
    # The build's own output only when it fails; the tests' summary and any failure's output.
    in_system "set -o pipefail; { cmake -S . -B build-$type -DCMAKE_BUILD_TYPE=$type -DVARNELO_WERROR=ON &&
      cmake --build build-$type --parallel \"\$(nproc)\"; } >build-$type.log 2>&1 ||
      { tail -n 60 build-$type.log; exit 1; }
      QT_QPA_PLATFORM=offscreen ctest --test-dir build-$type --output-on-failure \
        --parallel \"\$(nproc)\" >ctest-$type.log 2>&1 ||
      { grep -v ' Passed ' ctest-$type.log | tail -n 80; exit 1; }
      tail -n 3 ctest-$type.log"
  done
fi
step "passed"
