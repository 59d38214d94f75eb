#!/usr/bin/python3
"""Writes tests/panel/astropy_chart_reference.csv, the altitudes and azimuths
the sky chart's stars are checked against.

    /usr/bin/python3 scripts/make_chart_reference.py

Needs the Debian package python3-astropy (run with /usr/bin/python3; no
network: the bundled IERS table, degraded accuracy allowed past its end).

Draws 150 random stars of data/ChartStars.txt, each with a random UTC
instant from 1980 to 2030, and 50 of its stars with proper motions at
instants from 1000 to 2999 (astropy's UTC there is taken as UT, as ours is;
its other time offsets move a star by far less than 1"), each with a random
site (|latitude| <= 70 degrees, sea level), and records astropy's AltAz of
the star's ICRS place of J2000.0 at epoch 2000 carried by its proper motion
(apply_space_motion): apparent place with aberration and light deflection,
pressure 0 so no refraction. Azimuth from the north through the east,
degrees. Inputs are rounded to the digits written before astropy sees them.
Reproducible (fixed seed).
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
COUNT, MOVING = 150, 50
FIRST_JD, END_JD = 2444239.5, 2462502.5  # 1980-01-01 and 2030-01-01, 0h UTC
FIRST_MOVING_JD, END_MOVING_JD = 2086307.5, 2816787.5  # 1000-01-01 and 3000-01-01

iers.conf.auto_download = False
iers.conf.iers_degraded_accuracy = "warn"
warnings.simplefilter("ignore")


def stars():
    with open(os.path.join(ROOT, "data", "ChartStars.txt")) as f:
        return [line.split() for line in f if not line.startswith("#")]


def main():
    rng = random.Random(SEED)
    table = stars()
    moving = [row for row in table if float(row[5]) != 0.0 or float(row[6]) != 0.0]
    draws = [(rng.choice(table), FIRST_JD, END_JD) for _ in range(COUNT)]
    draws += [(rng.choice(moving), FIRST_MOVING_JD, END_MOVING_JD) for _ in range(MOVING)]
    rows = []
    for star, first, end in draws:
        hip, ra, dec, _, _, pmra, pmdec = star
        jd = round(rng.uniform(first, end), 6)
        lon = round(rng.uniform(-180.0, 180.0), 4)
        lat = round(rng.uniform(-70.0, 70.0), 4)
        when = Time(jd, format="jd", scale="utc")
        frame = AltAz(obstime=when, location=EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0.0 * u.m),
                      pressure=0.0)
        place = SkyCoord(ra=float(ra) * u.deg, dec=float(dec) * u.deg, pm_ra_cosdec=float(pmra) * u.mas / u.yr,
                         pm_dec=float(pmdec) * u.mas / u.yr, obstime=Time("J2000"), frame="icrs")
        moved = place.apply_space_motion(new_obstime=when)  # then the place alone, its motion done
        seen = SkyCoord(ra=moved.ra, dec=moved.dec, frame="icrs").transform_to(frame)
        rows.append("%s,%.6f,%.4f,%.4f,%s,%s,%s,%s,%.6f,%.6f" % (hip, jd, lon, lat, ra, dec, pmra, pmdec, seen.alt.deg,
                                                              seen.az.deg))
    with open(OUTPUT, "w") as out:
        out.write("# hip,jd_utc,longitude,latitude,ra2000,dec2000,pm_ra_cosdec,pm_dec,altitude,azimuth (degrees, mas a "
                  "year; azimuth from the north through the east); astropy AltAz, scripts/make_chart_reference.py\n")
        out.write("\n".join(rows) + "\n")
    print(len(rows), "rows")


if __name__ == "__main__":
    main()
