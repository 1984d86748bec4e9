#!/usr/bin/env python3
"""Rise, transit and set of the Sun worked independently of BRELO's code, for
tests/data/sun_day_reference.tsv.

Method: the NOAA solar calculator's formulation (after Meeus, Astronomical
Algorithms): the Sun's declination and the equation of time from the
geometric mean longitude and anomaly, then solar noon = 12 h - longitude/15 -
equation of time, and rise/set at noon -/+ H0, where cos H0 =
cos(90.833°)/(cos φ cos δ) - tan φ tan δ (the 90.833° zenith is 34' of
refraction plus 16' of semi-diameter). As in the NOAA calculator, each instant
is worked again with the declination and equation of time of the instant
found, here until it moves by less than 0.1 s. The NOAA calculator states its
times good to about a minute for latitudes within ±72°, hence the tests'
tolerance of ±60 s; the altitude at transit is 90° - |φ - δ| (no refraction).

Longitude positive towards the East. Run: python3 sun_day_reference.py > sun_day_reference.tsv
"""
import math
from datetime import date, datetime, timedelta, timezone

def rad(d): return math.radians(d)
def deg(r): return math.degrees(r)

def julian_day(d):
    return d.toordinal() + 1721424.5   # 0 h UT of a proleptic Gregorian date

def sun(jd):
    """Declination (deg) and equation of time (minutes) at a UT Julian Day."""
    t = (jd - 2451545.0) / 36525.0
    l0 = (280.46646 + t * (36000.76983 + t * 0.0003032)) % 360.0
    m = 357.52911 + t * (35999.05029 - 0.0001537 * t)
    e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t)
    c = (math.sin(rad(m)) * (1.914602 - t * (0.004817 + 0.000014 * t))
         + math.sin(rad(2 * m)) * (0.019993 - 0.000101 * t) + math.sin(rad(3 * m)) * 0.000289)
    omega = 125.04 - 1934.136 * t
    lam = l0 + c - 0.00569 - 0.00478 * math.sin(rad(omega))
    eps0 = 23.0 + (26.0 + (21.448 - t * (46.8150 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0
    eps = eps0 + 0.00256 * math.cos(rad(omega))
    dec = deg(math.asin(math.sin(rad(eps)) * math.sin(rad(lam))))
    y = math.tan(rad(eps) / 2.0) ** 2
    eot = (y * math.sin(2 * rad(l0)) - 2 * e * math.sin(rad(m))
           + 4 * e * y * math.sin(rad(m)) * math.cos(2 * rad(l0))
           - 0.5 * y * y * math.sin(4 * rad(l0)) - 1.25 * e * e * math.sin(2 * rad(m)))
    return dec, 4.0 * deg(eot)

def cos_h0(lat, dec):
    return (math.cos(rad(90.833)) / (math.cos(rad(lat)) * math.cos(rad(dec)))
            - math.tan(rad(lat)) * math.tan(rad(dec)))

def event(day_jd, lat, lon, side):
    """Minutes after 0 h UT of the date: side 0 for noon, -1 rise, +1 set; or a word."""
    minutes = 720.0 - 4.0 * lon
    for _ in range(20):
        dec, eot = sun(day_jd + minutes / 1440.0)
        h0 = 0.0
        if side:
            c = cos_h0(lat, dec)
            if c > 1.0: return "nuit"
            if c < -1.0: return "jour"
            h0 = deg(math.acos(c))
        new = 720.0 - 4.0 * lon - eot + side * 4.0 * h0
        if abs(new - minutes) < 0.1 / 60.0:
            return new
        minutes = new
    return new

def text(day, minutes):
    if isinstance(minutes, str): return minutes
    t = datetime(day.year, day.month, day.day, tzinfo=timezone.utc) + timedelta(minutes=minutes)
    return t.strftime("%Y-%m-%d %H:%M:%S")

# name, date, latitude and longitude as the page's four fields
PLACES = [
    ("Paris", "2027-03-20", "48", "51", "2", "21"),
    ("Paris", "2027-06-21", "48", "51", "2", "21"),
    ("Paris", "2027-09-23", "48", "51", "2", "21"),
    ("Paris", "2027-12-21", "48", "51", "2", "21"),
    ("Paris", "1900-01-01", "48", "51", "2", "21"),
    ("Paris", "2100-07-01", "48", "51", "2", "21"),
    ("Sydney", "2027-06-21", "-33", "52", "151", "13"),
    ("Sydney", "2027-12-21", "-33", "52", "151", "13"),
    ("Wellington", "2027-01-01", "-41", "17", "174", "47"),
    ("Montreal", "2027-06-21", "45", "30", "-73", "34"),
    ("Honolulu", "2027-06-21", "21", "18", "-157", "51"),
    ("Quito", "2027-09-23", "-0", "13", "-78", "31"),
    ("Reykjavik", "2027-06-21", "64", "9", "-21", "57"),
    ("Tromso", "2027-03-20", "69", "39", "18", "57"),
    ("Longyearbyen", "2027-03-20", "78", "0", "15", "0"),
    ("Longyearbyen", "2027-06-21", "78", "0", "15", "0"),
    ("Longyearbyen", "2027-12-21", "78", "0", "15", "0"),
    ("McMurdo", "2027-06-21", "-77", "51", "166", "40"),
    ("McMurdo", "2027-12-21", "-77", "51", "166", "40"),
]

def angle(degrees, minutes):
    sign = -1.0 if degrees.startswith("-") else 1.0
    return float(degrees) + sign * float(minutes) / 60.0

print("place\tdate\tlatdeg\tlatmin\tlondeg\tlonmin\trise\ttransit\tset\ttransit_altitude")
for name, iso, latd, latm, lond, lonm in PLACES:
    day = date.fromisoformat(iso)
    lat, lon = angle(latd, latm), angle(lond, lonm)
    jd = julian_day(day)
    rise, noon, set_ = (event(jd, lat, lon, s) for s in (-1, 0, 1))
    dec, _ = sun(jd + noon / 1440.0)
    altitude = 90.0 - abs(lat - dec)
    print("\t".join([name, iso, latd, latm, lond, lonm, text(day, rise), text(day, noon),
                     text(day, set_), "%.3f" % altitude]))
