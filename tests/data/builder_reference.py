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


def cut(value, typed=False):
    """Three decimals towards minus infinity, refused when too close to a cut
    (except for a number typed in, which the program reads exactly)."""
    scaled = value * 1000
    floor = math.floor(scaled)
    if typed:
        return Q(floor, 1000)
    if scaled - floor < Q(1, 10**6) or floor + 1 - scaled < Q(1, 10**6):
        raise ValueError(f"{float(value)!r} lies on or too close to a thousandth")
    return Q(floor, 1000)


def single(value):
    return struct.unpack("f", struct.pack("f", float(value)))[0]


def shown(value, separator=".", typed=False):
    """The text of a shown number: cut, single precision, 7 significant digits."""
    v = single(cut(value, typed))
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


# --- Paraxial trace, as ray-transfer matrices -----------------------------------

def product(m, n):
    return [[m[0][0] * n[0][0] + m[0][1] * n[1][0], m[0][0] * n[0][1] + m[0][1] * n[1][1]],
            [m[1][0] * n[0][0] + m[1][1] * n[1][0], m[1][0] * n[0][1] + m[1][1] * n[1][1]]]


def gap(d):
    return [[Q(1), d], [Q(0), Q(1)]]


def lens(f):
    return [[Q(1), Q(0)], [-1 / f, Q(1)]]


def train(f1, f2, a, f3, f3b):
    """Matrices from just before O1 to just before O2, O3, O3' and to after O3'."""
    x = 1 / (1 / f2 - 1 / a)
    c = f3 - abs(x)
    to_o2 = product(gap(f1 + a), lens(f1))
    to_o3 = product(gap(c), product(lens(f2), to_o2))
    to_o3b = product(gap(O3_SPACING), product(lens(f3), to_o3))
    after = product(lens(f3b), to_o3b)
    return [to_o2, to_o3, to_o3b], after


def heights(matrices, y, u):
    return [m[0][0] * y + m[0][1] * u for m in matrices]


def slope(matrix, y, u):
    return matrix[1][0] * y + matrix[1][1] * u


# --- Lyot stop and field without vignetting --------------------------------------

NAMES = ["O2", "O3", "O3'"]


def at_least(value, separator="."):
    """A least diameter, rounded up to the thousandth."""
    return shown(Q(math.ceil(value * 1000), 1000), separator, typed=True)


def field(inputs, diameters):
    f1, d1, f2, a, f3, f3b = inputs
    matrices, _ = train(f1, f2, a, f3, f3b)
    marginal = heights(matrices, d1 / 2, Q(0))
    chief = heights(matrices, Q(0), Q(1))
    texts, angles, cut = [], [], []
    for name, d, y, c in zip(NAMES, diameters, marginal, chief):
        prefix = "Champ sans vignettage à " + name + " : "
        if d / 2 <= abs(y):
            texts.append(prefix + "nul, " + name + " coupe même le centre du champ (il faut un diamètre de plus de "
                         + at_least(2 * abs(y)) + " mm)")
            cut.append(name)
            continue
        theta = (d / 2 - abs(y)) / abs(c)
        angles.append((theta, name))
        texts.append(prefix + shown(theta * ARCSEC_PER_RADIAN / SUN_RADIUS_ARCSEC) + " R☉")
    if cut:
        instrument = "Champ sans vignettage : nul, le centre du champ est coupé par " + \
            (cut[0] if len(cut) == 1 else ", ".join(cut[:-1]) + " et " + cut[-1])
        return texts, instrument, None
    theta, name = min(angles)
    radius = theta * ARCSEC_PER_RADIAN / SUN_RADIUS_ARCSEC
    return texts, "Champ sans vignettage : " + shown(radius) + " R☉ (limité par " + name + ")", radius


def pupil(inputs):
    f1, d1, f2, a, f3, f3b = inputs
    return "Diamètre de la pupille au diaphragme = " + shown(d1 * f2 / (f1 + a - f2))


DESIGN = ["1000", "90", "200", "30", "300", "300"]

FIELD_ROWS = [
    # the six optics inputs, D2, D3, D3', what the row shows
    (DESIGN, ["50", "50", "50"], "design values"),
    (DESIGN, ["20", "50", "50"], "a small O2"),
    (DESIGN, ["50", "20", "50"], "a small O3 cuts the centre"),
    (DESIGN, ["50", "22.948", "50"], "O3 just too small"),
    (DESIGN, ["50", "22.952", "50"], "O3 just large enough"),
    (DESIGN, ["2.698", "50", "50"], "O2 just too small"),
    (DESIGN, ["2.702", "50", "50"], "O2 just large enough"),
    (DESIGN, ["50", "50", "30"], "O3' limits the field"),
    (DESIGN, ["2", "20", "50"], "two lenses cut the centre"),
    (["2207.6", "182.56", "310", "48", "459", "437"], ["40", "60", "60"], "random realistic"),
    (["1500", "120", "190", "263", "400", "450"], ["80", "80", "80"], "x positive"),
]


def field_table():
    lines = ["f1\tD1\tf2\tA\tf3\tf3'\tD2\tD3\tD3'\tpupil\tO2\tO3\tO3'\tinstrument\tcase"]
    for optics, diameters, case in FIELD_ROWS:
        inputs = [number(t) for t in optics]
        texts, instrument, _ = field(inputs, [number(t) for t in diameters])
        lines.append("\t".join(optics + diameters + [pupil(inputs)] + texts + [instrument, case]))
    return lines


# --- Camera at the final focus ---------------------------------------------------

def magnification(f1, f2, a, f3, f3b):
    # Kept in single precision, as the final-image table keeps it.
    x = 1 / (1 / f2 - 1 / a)
    return Q(single(abs(x) * f3b / (a * f3)))


def camera(inputs, diameters, pixel, width, height):
    f1, d1, f2, a, f3, f3b = inputs
    F = focal_length(f1, f2, a, f3, f3b)
    m = magnification(f1, f2, a, f3, f3b)
    k = f1 / ARCSEC_PER_RADIAN
    january = m * Q(19518, 10) * k * 1000 / pixel   # pixels, from the 1 January diameter 1951.8"
    july = m * Q(18877, 10) * k * 1000 / pixel      # 1 July, 1887.7"
    scale = ARCSEC_PER_RADIAN / F / 1000 * pixel
    w, h = width * scale, height * scale
    texts = ["Échelle de l'image = " + shown(scale) + " ″/pixel",
             "Champ du capteur = " + shown(w / SUN_RADIUS_ARCSEC) + " × " + shown(h / SUN_RADIUS_ARCSEC) + " R☉",
             "Champ du capteur = " + shown(w / 60) + " × " + shown(h / 60) + " minutes d'arc",
             "Image du disque occulteur au 1er janvier = " + shown(january) + " pixels",
             "Image du disque occulteur au 1er juillet = " + shown(july) + " pixels"]
    _, _, radius = field(inputs, diameters)
    if radius is None:
        texts.append("Le centre du champ est coupé : rien n'atteint le capteur sans vignettage.")
    elif (radius * SUN_RADIUS_ARCSEC) ** 2 >= (w / 2) ** 2 + (h / 2) ** 2:
        texts.append("Le champ sans vignettage couvre tout le capteur.")
    else:
        texts.append("Le champ sans vignettage ne remplit pas le capteur : il en couvre un cercle de "
                     + shown(2 * radius * SUN_RADIUS_ARCSEC / scale) + " pixels de diamètre sur "
                     + shown(width, typed=True) + " × " + shown(height, typed=True) + ".")
    short = min(width, height)
    texts.append("Le capteur est plus petit que l'image du disque occulteur : " + shown(january)
                 + " pixels au 1er janvier pour " + shown(short, typed=True) + " pixels sur son petit côté."
                 if january > short else "")
    return texts


CAMERA_ROWS = [
    # the six optics inputs, D2, D3, D3', pixel (µm), width, height (pixels), what the row shows
    (DESIGN, ["50", "50", "50"], ["3.75", "1280", "960"], "a small sensor"),
    (DESIGN, ["50", "50", "50"], ["4.63", "4144", "2822"], "a large sensor"),
    (DESIGN, ["20", "50", "50"], ["4.63", "4144", "2822"], "a small O2: the field leaves the corners"),
    (DESIGN, ["50", "20", "50"], ["2.9", "1936", "1096"], "a small O3 cuts the centre"),
    (["1000", "90", "200", "30", "300", "600"], ["50", "50", "50"], ["4.63", "4144", "2822"],
     "f3' = 2 f3: half the scale"),
]


def camera_table():
    lines = ["f1\tD1\tf2\tA\tf3\tf3'\tD2\tD3\tD3'\tpixel\twidth\theight\tscale\tfield R☉\tfield arcmin"
             "\tjanuary\tjuly\tfill\tsmall sensor\tcase"]
    for optics, diameters, sensor, case in CAMERA_ROWS:
        texts = camera([number(t) for t in optics], [number(t) for t in diameters], *[number(t) for t in sensor])
        lines.append("\t".join(optics + diameters + sensor + texts + [case]))
    return lines


def write(path, lines):
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    write("tests/data/focal_length_reference.tsv", focal_table())
    write("tests/data/lens_field_reference.tsv", field_table())
    write("tests/data/camera_reference.tsv", camera_table())
