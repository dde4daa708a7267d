# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whether two pages drawn as grey pictures (binary PGM, same size) show the same thing.

A printer driver that makes the page anew (ghostscript, from PostScript) draws each glyph a
little differently and moves edges by a fraction of a pixel, so pixels are not compared one by
one: both pictures are halved (each 2x2 square averaged), and a point counts as differing only
when the other picture has no point within one step around it whose grey is within the
tolerance. The pages match when at most 0.15 % of the points differ: measured on the sheet,
CUPS-PDF's page differs in 0.08 %; the sheet with one line of text left out in 0.26 %, without
its chart in 1.1 %, a blank page in 10 %. A single figure changed is below this measure.
Prints the figure; exits with 1 when they do not match.
Usage: comparepages.py A.pgm B.pgm
"""
import sys

TOLERANCE = 48  # grey levels out of 255
MOST_DIFFERING = 0.0015


def read_pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P5" or int(fields[3]) != 255:
        sys.exit(f"{path}: not an 8-bit binary PGM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height]


def halved(pixels, width, height):
    """The picture with each 2x2 square averaged, and its size."""
    w, h = width // 2, height // 2
    return w, h, bytes(
        (pixels[2 * y * width + 2 * x] + pixels[2 * y * width + 2 * x + 1]
         + pixels[(2 * y + 1) * width + 2 * x] + pixels[(2 * y + 1) * width + 2 * x + 1]) // 4
        for y in range(h) for x in range(w))


def unmatched(a, b, width, height):
    """How many pixels of a have no pixel of b near them within the tolerance."""
    count = 0
    for y in range(height):
        for x in range(width):
            grey = a[y * width + x]
            if not any(abs(grey - b[ny * width + nx]) <= TOLERANCE
                       for ny in range(max(0, y - 1), min(height, y + 2))
                       for nx in range(max(0, x - 1), min(width, x + 2))):
                count += 1
    return count


def main():
    wa, ha, a = read_pgm(sys.argv[1])
    wb, hb, b = read_pgm(sys.argv[2])
    if (wa, ha) != (wb, hb):
        print(f"the pages differ in size: {wa}x{ha} and {wb}x{hb}")
        return 1
    w, h, a = halved(a, wa, ha)
    _, _, b = halved(b, wb, hb)
    share = max(unmatched(a, b, w, h), unmatched(b, a, w, h)) / (w * h)
    print(f"points without a like one near them: {share:.3%} (at most {MOST_DIFFERING:.2%})")
    return 0 if share <= MOST_DIFFERING else 1


if __name__ == "__main__":
    sys.exit(main())
