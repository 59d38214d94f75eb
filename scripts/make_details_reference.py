#!/usr/bin/python3
"""Reference figures for astro/details, from independent programs.

    /usr/bin/python3 scripts/make_details_reference.py

Writes, in tests/astro/details/:

details_reference.csv, from PyEphem (Debian python3-ephem 4.1.4): 300 random
UTC instants from 1900 to 2100 (Pluto to 2099), each body seen from the
Earth's centre:
    jd_utc,body,sun_distance_au,earth_distance_au,phase_angle_deg,elongation_deg,size_arcsec
elongation positive east of the Sun; the phase angle from the three
distances (PyEphem's sun_distance, earth_distance and the Sun's
earth_distance) by the law of cosines.

constellation_reference.csv, from astropy (Debian python3-astropy 5.2)
get_constellation: directions on the GCRS axes (so that astropy's turn to the
B1875 equinox is the bias-precession alone, without aberration):
    ra_deg,dec_deg,abbr
10,000 rows: 7,500 uniform over the sphere, 2,391 within 1' of a boundary
(each side of a random point of a random edge of the B1875 table, 0.05' to
1' away, turned to the GCRS), and the 21 stars and 88 constellation points
of data/*.txt as J2000.0 places.
"""
import math
import os
import random

import ephem
import numpy as np
from astropy import units as u
from astropy.coordinates import GCRS, PrecessedGeocentric, SkyCoord, get_constellation
from astropy.time import Time
import astropy.coordinates

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "tests", "astro", "details")
BODIES = [("sun", ephem.Sun), ("mercury", ephem.Mercury), ("venus", ephem.Venus), ("mars", ephem.Mars),
          ("jupiter", ephem.Jupiter), ("saturn", ephem.Saturn), ("uranus", ephem.Uranus),
          ("neptune", ephem.Neptune), ("pluto", ephem.Pluto), ("moon", ephem.Moon)]
DJD = 2415020.0  # PyEphem's Dublin Julian Day origin


def details(rng):
    rows = []
    for _ in range(300):
        jd = rng.uniform(2415020.5, 2488069.5)  # 1900-01-01 .. 2099-12-31
        d = ephem.Date(jd - DJD)
        sun = ephem.Sun(d)
        big_r = sun.earth_distance
        for name, cls in BODIES:
            b = cls(d)
            delta = b.earth_distance
            if name == "sun":
                rows.append("%.6f,%s,,%.10f,,,%.4f" % (jd, name, delta, b.size))
                continue
            r = b.sun_distance
            if name == "moon":  # PyEphem's Moon keeps the Earth-Sun distance; from the elongation instead
                e = abs(float(b.elong))
                r = math.sqrt(big_r ** 2 + delta ** 2 - 2 * big_r * delta * math.cos(e))
            c = (r * r + delta * delta - big_r * big_r) / (2 * r * delta)
            alpha = math.degrees(math.acos(max(-1.0, min(1.0, c))))
            rows.append("%.6f,%s,%.10f,%.10f,%.5f,%.5f,%.4f" % (jd, name, r, delta, alpha,
                                                               math.degrees(float(b.elong)), b.size))
    return rows


def read_bounds():
    path = os.path.join(os.path.dirname(astropy.coordinates.__file__), "data", "constellation_data_roman87.dat")
    rows = []
    for line in open(path):
        if line.startswith("#") or not line.strip():
            continue
        a, b, c, n = line.split()
        rows.append((float(a), float(b), float(c), n))
    return rows


def constellations(rng):
    t = Time("J2000")
    ra, dec = [], []
    for _ in range(7500):
        ra.append(rng.uniform(0.0, 360.0))
        dec.append(math.degrees(math.asin(rng.uniform(-1.0, 1.0))))
    # Points near the edges of the B1875 table: each row's lower parallel and its two hour circles.
    bounds = read_bounds()
    near_ra, near_dec = [], []
    while len(near_ra) < 2391:
        lo, hi, dl, _ = rng.choice(bounds)
        off = rng.uniform(0.05, 1.0) / 60.0 * rng.choice((-1.0, 1.0))
        if rng.random() < 0.5 and dl > -90.0:  # across the parallel dec = dl
            h = rng.uniform(lo, hi)
            p_ra, p_dec = h * 15.0, dl + off
        else:  # across an hour circle
            h = rng.choice((lo, hi)) % 24.0
            p_dec = rng.uniform(dl, min(dl + 5.0, 89.9))
            p_ra = h * 15.0 + off / max(math.cos(math.radians(p_dec)), 1e-3)
        if abs(p_dec) >= 89.99:
            continue
        near_ra.append(p_ra % 360.0)
        near_dec.append(p_dec)
    b1875 = SkyCoord(near_ra * u.deg, near_dec * u.deg,
                     frame=PrecessedGeocentric(equinox="B1875", obstime=t))
    g = b1875.transform_to(GCRS(obstime=t))
    ra += list(g.ra.deg)
    dec += list(g.dec.deg)
    for name in ("StarData.txt", "ConstData.txt"):
        with open(os.path.join(ROOT, "data", name), encoding="shift_jis") as f:
            for line in f:
                parts = line.split(";")[0].replace(",", " ").split()
                if len(parts) >= 3:
                    ra.append(float(parts[-2]))
                    dec.append(float(parts[-1]))
    c = SkyCoord(np.array(ra) * u.deg, np.array(dec) * u.deg, frame=GCRS(obstime=t))
    names = get_constellation(c, short_name=True)
    return ["%.7f,%.7f,%s" % (a, d, n) for a, d, n in zip(ra, dec, names)]


def main():
    rng = random.Random(20261207)
    with open(os.path.join(OUT, "details_reference.csv"), "w") as f:
        f.write("\n".join(details(rng)) + "\n")
    rows = constellations(rng)
    with open(os.path.join(OUT, "constellation_reference.csv"), "w") as f:
        f.write("\n".join(rows) + "\n")
    print(len(rows), "constellation rows")


if __name__ == "__main__":
    main()
