#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the project's two-line copyright and licence header at the top of every tracked file that
# has none, in the comment syntax of its type, then shows what `reuse lint` says of the tree.
# Files that cannot hold a comment (pictures, data, Debian's changelog and copyright) take their
# licence from .reuse/dep5 and are left alone; any other file this script does not know stops it.
# Usage: scripts/add-licence-headers.sh   (then review `git diff` and commit)
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
cd "$root"
varnelo_install_missing reuse

# The header's tags are written here for the script's own use, not as this file's licence.
# REUSE-IgnoreStart
copyright_line="SPDX-FileCopyrightText: 2026 Varnelo developers"
licence_line="SPDX-License-Identifier: GPL-3.0-or-later"
# REUSE-IgnoreEnd

# The comment style of a file by its name: a reuse style, "roff" for manual pages, "dep5" for
# files covered by .reuse/dep5, or nothing when unknown.
style_of() {
  case "$1" in
    *.png | *.jpg | *.bmp | tests/fuzz/corpus/* | packaging/changelog | packaging/copyright)
      echo dep5 ;;
    LICENSE | LICENSES/* | .reuse/*) echo dep5 ;;
    *.cpp | *.h | *.cpp.in | *.h.in) echo c ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | *.desktop | *.desktop.in | \
      .gitignore | */.gitignore | *.yml | *.yaml | *.cfg | *.conf | scripts/mutants/*.txt) echo python ;;
    *.md | *.xml | *.xml.in | *.qrc | *.html | *.svg) echo html ;;
    *.[1-9] | *.[1-9].in | *.man | *.roff) echo roff ;;
    *) if head -c2 "$1" | grep -q '^#!'; then echo python; fi ;;
  esac
}

# A manual page keeps a first line of preprocessor hints ('\" t) in its place.
annotate_roff() {
  local file="$1" tmp
  tmp="$(mktemp)"
  awk -v copyright="$copyright_line" -v licence="$licence_line" '
    function header() { print ".\\\" " copyright; print ".\\\" " licence; done = 1 }
    NR == 1 && /^'\''\\"/ { print; next }
    !done { header() }
    { print }
    END { if (!done) header() }
  ' "$file" >"$tmp"
  cat "$tmp" >"$file"
  rm -f "$tmp"
}

# File names a line each, by style (no name in the tree holds a line break).
declare -A by_style=()
unknown=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  style="$(style_of "$file")"
  case "$style" in
    dep5) continue ;;
    "") unknown+=("$file"); continue ;;
  esac
  ! grep -q "${licence_line%%:*}:" "$file" || continue
  by_style[$style]+="$file"$'\n'
done < <(git ls-files -z)

if [ ${#unknown[@]} -gt 0 ]; then
  printf 'add-licence-headers: no comment style known for:\n' >&2
  printf '  %s\n' "${unknown[@]}" >&2
  echo "Add the type to style_of, or cover the files in .reuse/dep5." >&2
  exit 1
fi

for style in "${!by_style[@]}"; do
  mapfile -t files < <(printf '%s' "${by_style[$style]}")
  echo "Adding the header to ${#files[@]} file(s) in $style style"
  if [ "$style" = roff ]; then
    for file in "${files[@]}"; do annotate_roff "$file"; done
  else
    reuse annotate --template varnelo --style "$style" --no-replace \
      --copyright "${copyright_line#*: 2026 }" --year 2026 --license "${licence_line#*: }" \
      "${files[@]}" >/dev/null
  fi
done
reuse lint
