#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The calculation sheet printed as a user prints it: a private CUPS daemon (its own socket,
# spool and logs; the machine's printers untouched) with two virtual printers, and for each the
# probe presses «Рассчитать!», saves the sheet as PDF, and prints it through Qt's print preview
# and print dialog. Then:
# - «Varnelo PDF file», Debian's generic PDF printer writing to a file: CUPS's own PDF filter
#   chain keeps the text, so the printed file's texts must equal the saved file's, in order;
# - «Varnelo CUPS-PDF», Debian's printer-driver-cups-pdf: it makes its PDF anew from PostScript
#   with ghostscript, which keeps the drawing but not the Cyrillic text's character codes, so
#   its one A4 page must look like the saved file's page (both drawn at 40 dpi, grey levels).
# Needs root: cupsd runs its filters as lp and the CUPS-PDF back end as root, and that back end
# reads its settings from /etc/cups only (a file of this run's own printer, removed at the end).
# Usage: scripts/print-tests.sh [build-dir]
#   VARNELO_KEEP_PRINT=1 leaves the daemon's folder (saved and printed files, logs) and CUPS-PDF's
#   settings file in place, for a look.
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
build="$(realpath -m "${1:-$root/build}")"

fail() {
  echo "print-tests: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || fail "a CUPS daemon with the CUPS-PDF printer needs root"
varnelo_install_missing cups-daemon cups-client cups-filters printer-driver-cups-pdf ghostscript

varnelo_configure_once "$build"
varnelo_build "$build" --target varnelo_print_probe
probe="$build/tests/print/varnelo_print_probe"
generic_ppd="$(find /usr/share/ppd -name 'Generic-PDF_Printer-PDF.ppd' -print -quit)"
[ -n "$generic_ppd" ] || fail "cups-filters' Generic-PDF_Printer-PDF.ppd is not installed"

scratch="$(mktemp -d /tmp/varnelo-print.XXXXXX)"
file_printer="VarneloFile$$"
cups_pdf_printer="VarneloCupsPdf$$"
cups_pdf_settings="/etc/cups/cups-pdf-$cups_pdf_printer.conf"
cupsd_pid=""
cleanup() {
  [ -z "$cupsd_pid" ] || kill "$cupsd_pid" 2>/dev/null || true
  [ -z "$cupsd_pid" ] || wait "$cupsd_pid" 2>/dev/null || true
  [ -n "${VARNELO_KEEP_PRINT:-}" ] || rm -f "$cups_pdf_settings" "/var/log/cups/cups-pdf-${cups_pdf_printer}_log"
  [ -n "${VARNELO_KEEP_PRINT:-}" ] || rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# cupsd's own folders: the spool and temporary files are the filters' (user lp) as well.
mkdir -p "$scratch"/{etc/ppd,spool,tmp,cache,state,log,out,pdf}
chmod 0755 "$scratch" "$scratch/out" "$scratch/pdf"
chgrp lp "$scratch/spool" "$scratch/tmp" "$scratch/cache"
chmod 0710 "$scratch/spool"
chmod 1770 "$scratch/tmp"
chmod 0770 "$scratch/cache"
cat >"$scratch/etc/cupsd.conf" <<EOF
Listen $scratch/cups.sock
LogLevel warn
ErrorPolicy abort-job
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
cat >"$scratch/etc/cups-files.conf" <<EOF
ServerRoot $scratch/etc
RequestRoot $scratch/spool
TempDir $scratch/tmp
CacheDir $scratch/cache
StateDir $scratch/state
AccessLog $scratch/log/access_log
ErrorLog $scratch/log/error_log
PageLog $scratch/log/page_log
FileDevice Yes
EOF
cat >"$cups_pdf_settings" <<EOF
Out $scratch/pdf
AnonDirName $scratch/pdf
Label 0
EOF
chmod 0644 "$scratch"/etc/*.conf "$cups_pdf_settings"

export CUPS_SERVER="$scratch/cups.sock"
cupsd -f -c "$scratch/etc/cupsd.conf" -s "$scratch/etc/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
[ -S "$CUPS_SERVER" ] || fail "cupsd did not start: $(cat "$scratch/log/error_log" 2>/dev/null)"
# lpadmin warns that printer drivers (PPD files) are deprecated; they are what Debian ships.
# Both take A4 paper, as printers do where the program is used: Qt's print dialog lays the
# sheet out on the paper of the printer chosen, and the generic printer's own is US Letter.
lpadmin -p "$file_printer" -D "Varnelo PDF file" -E -v "file://$scratch/out/printed.pdf" \
  -P "$generic_ppd" -o PageSize=A4 2>/dev/null
lpadmin -p "$cups_pdf_printer" -D "Varnelo CUPS-PDF" -E -v "cups-pdf:/$cups_pdf_printer" \
  -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A4 2>/dev/null

# Prints through the probe with `printer` as the default, and waits until CUPS has ended the job.
print_on() {
  local printer="$1" saved="$2"
  lpadmin -d "$printer"
  QT_QPA_PLATFORM=offscreen "$probe" "$saved" "$printer"
  local waited=0
  while [ -n "$(lpstat -W not-completed -o "$printer")" ]; do
    [ "$waited" -lt 600 ] || fail "CUPS did not end the job on $printer within a minute"
    sleep 0.1
    waited=$((waited + 1))
  done
  lpstat -W completed -l -o "$printer" | grep -q . || fail "CUPS has no job from the probe on $printer"
  if grep -qs "\[Job [0-9]*\] Job stopped\|Filter failed\|Backend failed" "$scratch/log/error_log"; then
    fail "the job on $printer failed:"$'\n'"$(grep '^E ' "$scratch/log/error_log")"
  fi
}

one_a4_page() {
  local info
  info="$(pdfinfo "$1")"
  grep -q '^Pages: *1$' <<<"$info" || fail "$2 is not one page:"$'\n'"$info"
  grep -Eq '^Page size: *595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts' <<<"$info" ||
    fail "$2 is not an A4 page:"$'\n'"$info"
}

print_on "$file_printer" "$scratch/saved-file.pdf"
[ -s "$scratch/out/printed.pdf" ] || fail "the generic PDF printer wrote no file"
one_a4_page "$scratch/out/printed.pdf" "the printed sheet"
# In the order drawn: the printer's resolution moves the texts by fractions of a point, which
# can change how pdftotext groups them into columns, though not one text or its order.
if ! diff <(pdftotext -raw "$scratch/saved-file.pdf" -) <(pdftotext -raw "$scratch/out/printed.pdf" -); then
  fail "the printed sheet's text differs from the saved sheet's (above)"
fi
echo "Varnelo PDF file: the printed sheet's text equals the saved sheet's" \
  "($(pdftotext "$scratch/saved-file.pdf" - | wc -w) words)"

print_on "$cups_pdf_printer" "$scratch/saved-cups-pdf.pdf"
printed=("$scratch"/pdf/*.pdf)
[ -f "${printed[0]}" ] || fail "CUPS-PDF wrote no file"
one_a4_page "${printed[0]}" "CUPS-PDF's sheet"
pdftoppm -q -r 40 -gray -singlefile "$scratch/saved-cups-pdf.pdf" "$scratch/saved"
pdftoppm -q -r 40 -gray -singlefile "${printed[0]}" "$scratch/printed"
python3 "$root/tests/print/comparepages.py" "$scratch/saved.pgm" "$scratch/printed.pgm"
echo "Varnelo CUPS-PDF: the printed sheet's page looks like the saved sheet's"
