#!/usr/bin/python3
"""Writes tests/panel/astropy_chart_reference.csv, the altitudes and azimuths
the sky chart's stars are checked against.

    /usr/bin/python3 scripts/make_chart_reference.py

Needs the Debian package python3-astropy (run with /usr/bin/python3; no
network: the bundled IERS table, degraded accuracy allowed past its end).

Draws 200 random stars of data/ChartStars.txt, each with a random UTC instant
from 1980 to 2030 and a random site (|latitude| <= 70 degrees, sea level),
and records astropy's AltAz of the star's J2000.0 ICRS place (no proper
motion, as the chart's data has none): apparent place with aberration and
light deflection, pressure 0 so no refraction. Azimuth from the north
through the east, degrees. Inputs are rounded to the digits written before
astropy sees them. Reproducible (fixed seed).
"""
import os
import random
import warnings

import astropy.units as u
from astropy.coordinates import AltAz, EarthLocation, SkyCoord
from astropy.time import Time
from astropy.utils import iers

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(ROOT, "tests", "panel", "astropy_chart_reference.csv")
SEED = 20261207
COUNT = 200
FIRST_JD, END_JD = 2444239.5, 2462502.5  # 1980-01-01 and 2030-01-01, 0h UTC

iers.conf.auto_download = False
iers.conf.iers_degraded_accuracy = "warn"
warnings.simplefilter("ignore")


def stars():
    with open(os.path.join(ROOT, "data", "ChartStars.txt")) as f:
        return [line.split() for line in f if not line.startswith("#")]


def main():
    rng = random.Random(SEED)
    table = stars()
    rows = []
    for _ in range(COUNT):
        hip, ra, dec = rng.choice(table)[:3]
        jd = round(rng.uniform(FIRST_JD, END_JD), 6)
        lon = round(rng.uniform(-180.0, 180.0), 4)
        lat = round(rng.uniform(-70.0, 70.0), 4)
        frame = AltAz(obstime=Time(jd, format="jd", scale="utc"),
                      location=EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0.0 * u.m), pressure=0.0)
        seen = SkyCoord(ra=float(ra) * u.deg, dec=float(dec) * u.deg, frame="icrs").transform_to(frame)
        rows.append("%s,%.6f,%.4f,%.4f,%s,%s,%.6f,%.6f" % (hip, jd, lon, lat, ra, dec, seen.alt.deg, seen.az.deg))
    with open(OUTPUT, "w") as out:
        out.write("# hip,jd_utc,longitude,latitude,ra2000,dec2000,altitude,azimuth (degrees; azimuth from the north "
                  "through the east); astropy AltAz, scripts/make_chart_reference.py\n")
        out.write("\n".join(rows) + "\n")
    print(len(rows), "rows")


if __name__ == "__main__":
    main()
