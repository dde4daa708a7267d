#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test program with a small file system of its own, in a private mount namespace, named
# in VARNELO_SMALL_DISK: a disk the test can fill up. As root the namespace needs no more; as
# another user it is made inside a user namespace of its own. Where neither can be had, the
# program runs without it and its full-disk test says that it was skipped.
# Usage: with-small-disk.sh PROGRAM [ARGUMENT...]
set -uo pipefail

disk="$(mktemp -d)"
trap 'rmdir "$disk"' EXIT
unshare_options=(--mount)
[ "$(id -u)" -eq 0 ] || unshare_options=(--map-root-user --mount)
# shellcheck disable=SC2016  # the inner shell expands its own variables
if unshare "${unshare_options[@]}" true 2>/dev/null; then
  unshare "${unshare_options[@]}" bash -c '
    disk="$0"
    if mount -t tmpfs -o size=256k,mode=0777 varnelo-small-disk "$disk"; then
      VARNELO_SMALL_DISK="$disk" "$@"
      status=$?
      umount "$disk"
      exit "$status"
    fi
    echo "with-small-disk: cannot mount a small file system here; running without one" >&2
    exec "$@"' "$disk" "$@"
else
  echo "with-small-disk: no private mount namespace here; running without a small disk" >&2
  "$@"
fi
