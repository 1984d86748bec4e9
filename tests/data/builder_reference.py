#!/usr/bin/env python3
"""Writes the reference tables of the builder's numbers (tests/data/*.tsv).

Independent of the program: exact rational arithmetic (fractions), the optics
in closed form or as ray-transfer matrices, not the step-by-step code of
src/core. A shown number is the exact value cut down to three decimals (towards
minus infinity), rounded to single precision and written with 7 significant
digits. A value that lies within a millionth of a thousandth of a cut is
refused: the program computes in doubles and could fall on either side.

Run from the repository root: python3 tests/data/builder_reference.py
"""

from fractions import Fraction as Q
import math
import struct

ARCSEC_PER_RADIAN = Q(206265)
SUN_RADIUS_ARCSEC = Q(9775, 10)  # the Sun's largest apparent radius, 1955" / 2
O3_SPACING = Q(50)               # O3 to O3', as on the layout drawing


def number(text):
    return Q(text)


def cut(value):
    """Three decimals towards minus infinity, refused when too close to a cut."""
    scaled = value * 1000
    floor = math.floor(scaled)
    if scaled - floor < Q(1, 10**6) or floor + 1 - scaled < Q(1, 10**6):
        raise ValueError(f"{float(value)!r} lies on or too close to a thousandth")
    return Q(floor, 1000)


def single(value):
    return struct.unpack("f", struct.pack("f", float(value)))[0]


def shown(value, separator="."):
    """The text of a shown number: cut, single precision, 7 significant digits."""
    v = single(cut(value))
    if v == 0:
        return "0"
    digits = f"{abs(v):.6e}"            # d.dddddde±XX of the float's exact value
    mantissa, exponent = digits.split("e")
    exponent = int(exponent)
    figures = mantissa.replace(".", "").rstrip("0") or "0"
    sign = "-" if v < 0 else ""
    if exponent >= 7:
        rest = figures[1:]
        text = figures[0] + ("." + rest if rest else "")
        return sign + text.replace(".", separator) + f"E+{exponent:02d}"
    if exponent >= 0:
        whole = figures[: exponent + 1].ljust(exponent + 1, "0")
        frac = figures[exponent + 1:]
    else:
        whole = "0"
        frac = "0" * (-exponent - 1) + figures
    return sign + whole + (separator + frac if frac else "")


# --- Focal length of the whole train -----------------------------------------

def focal_length(f1, f2, a, f3, f3b):
    # f1 times O2's magnification of the disc's image, f2 / |f2 - A| (= |x| / A),
    # times f3' / f3.
    return f1 * f2 * f3b / (abs(f2 - a) * f3)


FOCAL_ROWS = [
    # f1, D1, f2, A, f3, f3', what the row shows
    ("1000", "90", "200", "30", "300", "300", "design values"),
    ("1000", "90", "200", "30", "300", "600", "f3' = 2 f3"),
    ("1000", "90", "200", "30", "350", "700", "f3' = 2 f3, another O3"),
    ("1000", "45", "200", "30", "300", "300", "half the diameter of O1"),
    ("1000", "90", "200", "199.7", "300", "300", "A just below f2"),
    ("1000", "90", "200", "200.3", "300", "300", "A just above f2, x positive"),
    ("1000", "90", "200", "263", "300", "300", "x positive"),
    ("1500", "120", "190", "263", "400", "450", "x positive, f3' other than f3"),
    ("2078", "296.08", "153", "225", "1342", "881", "x positive, random realistic"),
    ("2207.6", "182.56", "310", "48", "459", "437", "random realistic"),
    ("1441.98", "78", "67", "21", "684", "684", "random realistic"),
    ("305", "46", "592", "348", "522", "530", "random realistic, impossible layout"),
    ("1000.5", "90", "200", "30", "300", "300", "a decimal f1"),
    ("1e9", "90", "200", "30", "300", "300", "a focal length in exponent form"),
]


def focal_table():
    lines = ["f1\tD1\tf2\tA\tf3\tf3'\tLblfocresult\tLblfd\tcase"]
    for f1, d1, f2, a, f3, f3b, case in FOCAL_ROWS:
        F = focal_length(number(f1), number(f2), number(a), number(f3), number(f3b))
        lines.append("\t".join([f1, d1, f2, a, f3, f3b, "Focale résultante = " + shown(F),
                                "Rapport F/D = " + shown(F / number(d1)), case]))
    return lines


def write(path, lines):
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    write("tests/data/focal_length_reference.tsv", focal_table())
