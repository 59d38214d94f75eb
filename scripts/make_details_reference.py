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

magnitude_reference.csv: the planets' magnitudes by the laws of Mallama and
Hilton (2018) (written out below from the paper; Mars without its rotation
and season terms) on PyEphem's geometry, at 400 random UTC instants from
1900 to 2100 (Pluto to 2099), seen from the Earth's centre:
    jd_utc,body,sun_distance_au,earth_distance_au,phase_angle_deg,sun_lat_deg,earth_lat_deg,magnitude
Saturn's latitudes are PyEphem's sun_tilt and earth_tilt (the ring plane's
tilt to the Sun and to the Earth); Uranus's from its IAU pole (Archinal et
al. 2018) with PyEphem's heliocentric and astrometric directions. Pluto: V(1,0)
-1.01 (JPL Horizons), no phase term. PyEphem's own magnitudes follow the
older laws of the Explanatory Supplement (1992) and are not used.

constellation_of_date_reference.csv, from astropy 5.2 get_constellation:
directions on the true equator and equinox of date (astropy's TETE frame,
IAU 2006/2000A) and on the mean equator and equinox of date
(PrecessedGeocentric), 1"-12" from a boundary, kept only where the answer
differs from that of the same numbers on the mean equator of date (true
rows: nutation decides) or on the GCRS (mean rows: precession decides):
    ra_deg,dec_deg,jd_tt,apparent,abbr

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
from astropy.utils import iers

iers.conf.auto_download = False  # the transformations here need no Earth orientation

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


# Mallama, A. and Hilton, J. L. (2018), Astronomy and Computing 25, 10-24, equations 2-17:
# V(1, alpha) of each planet (alpha in degrees), to which 5 log10(r delta) is added.
def mh2018(name, alpha, sun_lat, earth_lat, year):
    a = alpha
    if name == "mercury":
        return (-0.613 + 6.3280e-02 * a - 1.6336e-03 * a ** 2 + 3.3644e-05 * a ** 3 - 3.4265e-07 * a ** 4
                + 1.6893e-09 * a ** 5 - 3.0334e-12 * a ** 6)
    if name == "venus":
        if a < 163.7:
            return -4.384 - 1.044e-03 * a + 3.687e-04 * a ** 2 - 2.814e-06 * a ** 3 + 8.938e-09 * a ** 4
        return 236.05828 - 2.81914 * a + 8.39034e-03 * a ** 2
    if name == "mars":
        return -1.601 + 2.267e-02 * a - 1.302e-04 * a ** 2 if a <= 50 else -0.367 - 0.02573 * a + 0.0003445 * a ** 2
    if name == "jupiter":
        if a <= 12:
            return -9.395 - 3.7e-04 * a + 6.16e-04 * a ** 2
        x = a / 180.0
        return -9.428 - 2.5 * math.log10(1 - 1.507 * x - 0.363 * x ** 2 - 0.062 * x ** 3 + 2.809 * x ** 4 - 1.876 * x ** 5)
    if name == "saturn":
        beta = math.sqrt(sun_lat * earth_lat) if sun_lat * earth_lat > 0 else 0.0  # the rings' effective tilt
        if a <= 6.5 and beta <= 27:
            sb = math.sin(math.radians(beta))
            return -8.914 - 1.825 * sb + 0.026 * a - 0.378 * sb * math.exp(-2.25 * a)
        if a <= 6.5:
            return -8.95 - 3.7e-04 * a + 6.16e-04 * a ** 2
        return -8.94 + 2.446e-04 * a + 2.672e-04 * a ** 2 - 1.506e-06 * a ** 3 + 4.767e-09 * a ** 4
    if name == "uranus":
        v = -7.110 - 8.4e-04 * (abs(sun_lat) + abs(earth_lat)) / 2
        return v + (6.587e-03 * a + 1.045e-04 * a ** 2 if a > 3.1 else 0.0)
    if name == "neptune":
        v = -6.89 if year < 1980 else -7.00 if year > 2000 else -6.89 - 0.0054 * (year - 1980)
        return v + (7.944e-03 * a + 9.617e-05 * a ** 2 if a > 1.9 else 0.0)
    if name == "pluto":
        return -1.01
    raise ValueError(name)


def unit(ra, dec):
    return (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))


def magnitudes(rng):
    eps = math.radians(23.4392911)  # obliquity of J2000.0, ecliptic to equator
    pole = unit(math.radians(257.311), math.radians(-15.175))  # Uranus, IAU 2015
    rows = []
    for _ in range(400):
        jd = rng.uniform(2415020.5, 2488069.5)
        d = ephem.Date(jd - DJD)
        big_r = ephem.Sun(d).earth_distance
        year = 2000.0 + (jd - 2451545.0) / 365.25
        for name, cls in BODIES[1:9]:
            b = cls(d)
            r, delta = b.sun_distance, b.earth_distance
            c = (r * r + delta * delta - big_r * big_r) / (2 * r * delta)
            alpha = math.degrees(math.acos(max(-1.0, min(1.0, c))))
            sun_lat = earth_lat = 0.0
            if name == "saturn":
                sun_lat, earth_lat = math.degrees(b.sun_tilt), math.degrees(b.earth_tilt)
            if name == "uranus":
                # Planetocentric latitudes of the Sun and the Earth: the directions from the planet to them.
                x, y, z = unit(float(b.hlon), float(b.hlat))
                helio = (x, y * math.cos(eps) - z * math.sin(eps), y * math.sin(eps) + z * math.cos(eps))
                geo = unit(float(b.a_ra), float(b.a_dec))
                sun_lat = math.degrees(math.asin(-sum(p * h for p, h in zip(pole, helio))))
                earth_lat = math.degrees(math.asin(-sum(p * g for p, g in zip(pole, geo))))
            m = 5 * math.log10(r * delta) + mh2018(name, alpha, sun_lat, earth_lat, year)
            rows.append("%.6f,%s,%.10f,%.10f,%.5f,%.4f,%.4f,%.5f" % (jd, name, r, delta, alpha, sun_lat, earth_lat, m))
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


def constellations_of_date(rng):
    """Directions 1"-12" from a boundary where the equator of date decides."""
    from astropy.coordinates import TETE
    bounds = read_bounds()
    rows = {True: [], False: []}
    while min(len(v) for v in rows.values()) < 40:
        lo, hi, dl, _ = rng.choice(bounds)
        off = rng.uniform(1.0, 12.0) / 3600.0 * rng.choice((-1.0, 1.0))
        if rng.random() < 0.5 and dl > -90.0:
            p_ra, p_dec = rng.uniform(lo, hi) * 15.0, dl + off
        else:
            p_dec = rng.uniform(dl, min(dl + 5.0, 85.0))
            p_ra = (rng.choice((lo, hi)) % 24.0) * 15.0 + off / math.cos(math.radians(p_dec))
        if abs(p_dec) >= 85.0:
            continue
        jd = rng.uniform(2415020.5, 2488069.5)
        t = Time(jd, format="jd", scale="tt")
        p = SkyCoord(p_ra % 360.0 * u.deg, p_dec * u.deg, frame=PrecessedGeocentric(equinox="B1875", obstime=t))
        for apparent in (True, False):
            if len(rows[apparent]) >= 40:
                continue
            frame = TETE(obstime=t) if apparent else PrecessedGeocentric(equinox=t, obstime=t)
            here = p.transform_to(frame)
            abbr = get_constellation(here, short_name=True)
            # The same numbers read on the mean equator of date (true rows) or on the GCRS (mean rows).
            other = (PrecessedGeocentric(equinox=t, obstime=t) if apparent else GCRS(obstime=t))
            if get_constellation(SkyCoord(here.ra, here.dec, frame=other), short_name=True) == abbr:
                continue
            rows[apparent].append("%.8f,%.8f,%.6f,%d,%s" % (here.ra.deg, here.dec.deg, jd, apparent, abbr))
    return rows[True] + rows[False]


def main():
    rng = random.Random(20261207)
    with open(os.path.join(OUT, "details_reference.csv"), "w") as f:
        f.write("\n".join(details(rng)) + "\n")
    rows = constellations(rng)
    with open(os.path.join(OUT, "constellation_reference.csv"), "w") as f:
        f.write("\n".join(rows) + "\n")
    print(len(rows), "constellation rows")
    more = random.Random(20261208)
    with open(os.path.join(OUT, "magnitude_reference.csv"), "w") as f:
        f.write("\n".join(magnitudes(more)) + "\n")
    with open(os.path.join(OUT, "constellation_of_date_reference.csv"), "w") as f:
        f.write("\n".join(constellations_of_date(more)) + "\n")


if __name__ == "__main__":
    main()
