#!/usr/bin/env python3
"""Writes data/formats.ini, the sheet formats shipped with Brivadune, from the
measured stock geometry of scripts/label-sheets.md.

One line per row of the table, that is per product code: products that share
a geometry each get their own line, named after their brand and code.
    NAME | X.Y.HGAP.VGAP.ACROSS.DOWN.WIDTH.HEIGHT.PAPER
NAME is "Brand Code - Kind W x H mm", the card size in millimetres with a
comma. X, Y and the gaps are whole millimetres (the layout fields hold whole
numbers, none negative); WIDTH and HEIGHT are the card size in tenths of a
millimetre; PAPER is 9 for A4, 1 for Letter. For each axis the script tries
every X and gap that keep the grid on the sheet and keeps the one whose worst
card edge is nearest the measured geometry (then the smallest mean error,
then the gap nearest the measured one). The card size is the nearest tenth,
or the tenth below when the nearest one cannot fit the sheet. Two rows with
the same name stop the script.

The file is Windows-1252 with CR LF, sorted as the print dialog sorts its
list: the whole line, without regard to case.

Usage: scripts/make-formats.py [label-sheets.md] [formats.ini]
Prints for each line the largest error of a card edge across and down, and
the largest and mean distance of a card corner from where it should be, in
millimetres.
"""

import math
import sys
from fractions import Fraction
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PAPERS = {"A4": (9, Fraction(210), Fraction(297)),
          "Letter": (1, Fraction("215.9"), Fraction("279.4"))}


def read_table(path):
    """The stock rows of the markdown table, as dictionaries."""
    rows = []
    header = None
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if not line.startswith("|"):
            continue
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if header is None:
            header = cells
            continue
        if set(cells[0]) <= set("-"):
            continue
        rows.append(dict(zip(header, cells)))
    if not rows:
        sys.exit(f"{path}: no table found")
    return rows


def pair(text):
    a, b = text.split(" x ")
    return Fraction(a.strip()), Fraction(b.strip())


def geometry(row):
    w, h = pair(row["Card w x h"])
    across, down = (int(v) for v in pair(row["Across x down"]))
    ph, pv = pair(row["Pitch h x v"])
    return (row["Paper"], w, h, across, down,
            Fraction(row["First card X"]), Fraction(row["First card Y"]),
            Fraction(row["Gap h"]), Fraction(row["Gap v"]), ph, pv)


def nearest_tenth(mm):
    """Tenths of a millimetre, halves up."""
    return math.floor(mm * 10 + Fraction(1, 2))


def axis_errors(start, gap, tenths, count, true_start, true_pitch, true_size):
    """Per card, the larger error of its two edges on one axis."""
    size = Fraction(tenths, 10)
    errors = []
    for i in range(count):
        near = start + i * (size + gap)
        true_near = true_start + i * true_pitch
        errors.append(max(abs(near - true_near), abs(near + size - true_near - true_size)))
    return errors


def fit_axis(count, true_start, true_pitch, true_size, true_gap, length):
    """(start, gap, tenths, errors) of the best whole-millimetre placement."""
    nearest = nearest_tenth(true_size)
    for tenths in (nearest, nearest - 1):
        size = Fraction(tenths, 10)
        best = None
        for gap in range(0, 60):
            for start in range(0, int(length) + 1):
                if start + count * size + (count - 1) * gap > length:
                    break
                errors = axis_errors(start, gap, tenths, count, true_start, true_pitch, true_size)
                key = (max(errors), sum(errors) / count, abs(gap - true_gap), start)
                if best is None or key < best[0]:
                    best = (key, start, gap, errors)
        if best:
            return best[1], best[2], tenths, best[3]
    sys.exit(f"a grid of {count} cards of {true_size} mm cannot fit {length} mm")


def size_text(tenths):
    whole, tenth = divmod(tenths, 10)
    return str(whole) if tenth == 0 else f"{whole},{tenth}"


def build(rows):
    lines = []
    report = []
    names = set()
    fits = {}
    for row in rows:
        geo = geometry(row)
        paper, w, h, across, down, x0, y0, gh, gv, ph, pv = geo
        code, paper_w, paper_h = PAPERS[paper]
        # Products sharing a geometry share its placement.
        if geo not in fits:
            fits[geo] = (fit_axis(across, x0, ph, w, gh, paper_w), fit_axis(down, y0, pv, h, gv, paper_h))
        (x, hgap, wt, ex), (y, vgap, ht, ey) = fits[geo]
        name = f'{row["Brand"]} {row["Product"]} - {row["Kind"]} {size_text(wt)} x {size_text(ht)} mm'
        try:
            name.encode("cp1252")
        except UnicodeEncodeError:
            sys.exit(f"not Windows-1252: {name}")
        if "|" in name or name.lower() in names:
            sys.exit(f"unusable or repeated name: {name}")
        names.add(name.lower())
        fields = ".".join(str(v) for v in (x, y, hgap, vgap, across, down, wt, ht, code))
        lines.append(f"{name} | {fields}")
        corner = [math.hypot(a, b) for b in ey for a in ex]
        report.append((name, float(max(ex)), float(max(ey)), float(max(corner)), float(sum(corner) / len(corner))))
    # The dialog's order: whole line, case ignored. Names differ before any
    # letter beyond ASCII, whose folding could differ between the two.
    lines.sort(key=str.lower)
    return lines, sorted(report, key=lambda r: r[0].lower())


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else ROOT / "scripts" / "label-sheets.md"
    target = Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / "data" / "formats.ini"
    lines, report = build(read_table(source))
    target.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))
    print("  max x  max y  corner  mean  (mm)")
    for name, worst_x, worst_y, worst, mean in report:
        print(f"{worst_x:7.3f}{worst_y:7.3f}{worst:8.3f}{mean:6.3f}  {name}")
    print(f"{len(lines)} formats written to {target}")


if __name__ == "__main__":
    main()
