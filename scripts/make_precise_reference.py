#!/usr/bin/python3
"""Writes tests/astro/precise/pyephem_reference.csv, the independent places
the precise model is checked against.

    /usr/bin/python3 scripts/make_precise_reference.py

Needs the Debian package python3-ephem (PyEphem 4.1.4, run with /usr/bin/python3).

For each body (Sun, Moon, Mercury to Neptune, Pluto) and for catalogue rows
(stars of data/StarData.txt, points of data/ConstData.txt) it draws random
UTC instants from 1900 to 2100 and random sites with |latitude| <= 70 degrees
and records PyEphem's topocentric apparent place of date and its azimuth and
altitude. PyEphem's conventions, as used here:
  * Observer.date is UTC; PyEphem adds its own Delta T for the dynamical
    time (its table, then an extrapolation: 4.6 s above ours in 2026, 22 s
    in 2100, which moves the Moon by 12" at most);
  * with the observer's epoch set to its date, ra/dec are the apparent
    topocentric place on the true equator and equinox of date (light-time,
    deflection, nutation, aberration, parallax);
  * pressure 0 switches refraction off, elevation 0 puts the site at sea level;
  * az counts from the north through the east (the test turns it to our
    south-based azimuth).
Pluto is PyEphem's own theory; 1900-2100 lies within the years of the
series the precise model uses for it (1885-2099).
Catalogue rows are fixed bodies of epoch J2000.0 without proper motion.

Every input is rounded to the digits written before PyEphem sees it, so the
file holds exactly what was computed. The output is reproducible (fixed seed).
"""
import math
import os
import random

import ephem

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(ROOT, "tests", "astro", "precise", "pyephem_reference.csv")

SEED = 20240611
INSTANTS = 200                           # per body, and for each catalogue
FIRST_JD, END_JD = 2415020.5, 2488069.5  # 1900-01-01 and 2100-01-01, 0h UTC
MAX_LATITUDE = 70.0                      # degrees
DUBLIN_JD = 2415020.0                    # JD of PyEphem's day zero, 1899-12-31 12h

BODIES = [
    ("sun", ephem.Sun), ("moon", ephem.Moon), ("mercury", ephem.Mercury), ("venus", ephem.Venus),
    ("mars", ephem.Mars), ("jupiter", ephem.Jupiter), ("saturn", ephem.Saturn), ("uranus", ephem.Uranus),
    ("neptune", ephem.Neptune), ("pluto", ephem.Pluto),
]


def catalogue(name, ra_cols, dec_cols):
    """(ra, dec) in degrees of every row of data/name (fixed byte columns, Shift-JIS names)."""
    rows = []
    for line in open(os.path.join(ROOT, "data", name), "rb").read().split(b"\n"):
        if line.strip():
            rows.append((float(line[ra_cols[0]:ra_cols[1]]), float(line[dec_cols[0]:dec_cols[1]])))
    return rows


def observer(jd, longitude, latitude):
    site = ephem.Observer()
    site.lon = math.radians(longitude)
    site.lat = math.radians(latitude)
    site.elevation = 0.0
    site.pressure = 0.0
    site.date = ephem.Date(jd - DUBLIN_JD)
    site.epoch = site.date
    return site


def draw(rng, first, end):
    """A rounded random instant and site: (jd, longitude, latitude)."""
    jd = round(rng.uniform(first, end), 6)
    return jd, round(rng.uniform(-180.0, 180.0), 4), round(rng.uniform(-MAX_LATITUDE, MAX_LATITUDE), 4)


def row(name, jd, lon, lat, ra2000, dec2000, body):
    body.compute(observer(jd, lon, lat))
    fields = [name, "%.6f" % jd, "%.4f" % lon, "%.4f" % lat, ra2000, dec2000]
    fields += ["%.6f" % math.degrees(a) for a in (body.ra, body.dec, body.az, body.alt)]
    return ",".join(fields)


def main():
    rng = random.Random(SEED)
    lines = [
        "# PyEphem %s topocentric apparent places of date (no refraction, sea level); written by"
        % ephem.__version__,
        "# scripts/make_precise_reference.py. Degrees; jd_utc is the UTC Julian Day; azimuth from the",
        "# north through the east; ra2000/dec2000 the catalogue place of a star or constellation row.",
        "body,jd_utc,longitude,latitude,ra2000,dec2000,ra,dec,azimuth,altitude",
    ]
    for name, make in BODIES:
        for _ in range(INSTANTS):
            jd, lon, lat = draw(rng, FIRST_JD, END_JD)
            lines.append(row(name, jd, lon, lat, "", "", make()))
    for name, rows in (("star", catalogue("StarData.txt", (30, 39), (40, 47))),
                       ("constellation", catalogue("ConstData.txt", (18, 27), (27, 36)))):
        for _ in range(INSTANTS):
            ra2000, dec2000 = rows[rng.randrange(len(rows))]
            jd, lon, lat = draw(rng, FIRST_JD, END_JD)
            star = ephem.FixedBody()
            star._ra, star._dec, star._epoch = math.radians(ra2000), math.radians(dec2000), ephem.J2000
            lines.append(row(name, jd, lon, lat, repr(ra2000), repr(dec2000), star))
    with open(OUTPUT, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    print("%d rows written to %s" % (len(lines) - 4, os.path.relpath(OUTPUT, ROOT)))


if __name__ == "__main__":
    main()
