#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks one installed manual page as Debian's tools read it. Usage:
#   check-manpage.sh PAGE.gz ADDRESS...
# Fails when groff warns about anything (-ww), when man-db warns while rendering it the way
# lintian does, when its NAME line gives no whatis entry, or when a web address the program is
# built with is missing from the rendered page.
set -uo pipefail

page="$1"
shift
status=0

fail() {
  echo "FAIL: $*"
  status=1
}

if [ ! -s "$page" ]; then
  echo "FAIL: $page is missing; build the target manual_pages"
  exit 1
fi

# groff itself, every warning enabled, the UTF-8 input read through preconv (-K).
groff_warnings="$(zcat "$page" | groff -ww -man -Tutf8 -K utf8 -z 2>&1 >/dev/null)"
[ -z "$groff_warnings" ] || fail "groff -ww warns:"$'\n'"$groff_warnings"

# man-db on the compressed page, as lintian renders manual pages.
man_warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
[ -z "$man_warnings" ] || fail "man --warnings warns:"$'\n'"$man_warnings"

# The whatis entry that mandb and apropos take from the NAME section.
whatis="$(lexgrog "$page" 2>&1)"
case "$whatis" in
  *': "varnelo - '*) ;;
  *) fail "no whatis entry for varnelo: $whatis" ;;
esac

# Wide enough that no address is broken across lines.
rendered="$(LC_ALL=C.UTF-8 MANWIDTH=250 man -l -E UTF-8 "$page" 2>/dev/null | col -b)"
# Every address the page shows, whole: groff 1.22 writes one as ⟨address⟩, groff 1.23 alone.
shown="$(LC_ALL=C.UTF-8 grep -oE 'https?://[^][:space:]⟨⟩<>"]+' <<<"$rendered" |
  sed -E 's/[.,;:)]+$//')"
for address in "$@"; do
  grep -qxF -- "$address" <<<"$shown" || fail "the address $address is not in the page"
done
# Each address in its own list item, so a count above the given ones is an address the
# build does not configure.
count="$(grep -c . <<<"$shown" || true)"
[ "$count" -eq "$#" ] || fail "the page shows $count addresses, the build configures $#"

[ "$status" -eq 0 ] && echo "ok: $page"
exit "$status"
