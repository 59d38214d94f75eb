#!/usr/bin/python3
"""Writes tests/panel/astropy_chart_reference.csv and
tests/panel/astropy_fast_stars_reference.csv, the altitudes and azimuths the
sky chart's stars are checked against.

    /usr/bin/python3 scripts/make_chart_reference.py

Needs the Debian package python3-astropy (run with /usr/bin/python3; no
network: the bundled IERS table, degraded accuracy allowed past its end).

astropy_chart_reference.csv: 150 random stars of data/ChartStars.txt, each
with a random UTC instant from 1980 to 2030, 50 random stars at instants from
1000 to 2999 (astropy's UTC there is taken as UT, as ours is; its other time
offsets move a star by far less than 1"), and the ten fast stars below each
in 1000-1099 and in 2900-2999, each with a random site (|latitude| <= 70
degrees, sea level); astropy's AltAz of the star's ICRS place of J2000.0 at
epoch 2000 carried by its proper motion (apply_space_motion), both as the
file gives them: apparent place with aberration and light deflection,
pressure 0 so no refraction. Azimuth from the north through the east,
degrees. Inputs are rounded to the digits written before astropy sees them.

astropy_fast_stars_reference.csv: the ten chart stars of the largest proper
motions that PyEphem's list lacks, each at three random instants from 1980 to
2030 and random sites, from their own astrometry as SIMBAD gives it (Gaia
EDR3, CDS I/350; beta Hyi the Hipparcos new reduction, van Leeuwen 2007),
with parallax and radial velocity, and UT1 taken as UTC as the chart takes
it (|UT1 - UTC| up to 0.9 s would turn the sky by up to 13"): so they check
the chart's catalogue, not only its arithmetic.

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
FAST_OUTPUT = os.path.join(ROOT, "tests", "panel", "astropy_fast_stars_reference.csv")
SEED = 20261207
COUNT, MOVING = 150, 50
FIRST_JD, END_JD = 2444239.5, 2462502.5  # 1980-01-01 and 2030-01-01, 0h UTC
FIRST_MOVING_JD, END_MOVING_JD = 2086307.5, 2816787.5  # 1000-01-01 and 3000-01-01
CENTURY = 36524.0  # days
FAST_DRAWS = 3
# Hipparcos number, name, ICRS right ascension and declination of J2000.0 at
# epoch 2000 (h m s, d m s), pm ra*, pm dec (mas a year), parallax (mas),
# radial velocity (km/s); SIMBAD, read 2023-09-29.
FAST = (
    (104214, "61 Cyg A", "21 06 53.9395895", "+38 44 57.902350", 4164.209, 3249.614, 285.9949, -65.82),
    (108870, "eps Ind", "22 03 21.6536262", "-56 47 09.522796", 3966.661, -2536.192, 274.8431, -40.035),
    (19849, "40 Eri", "04 15 16.3196190", "-07 39 10.330779", -2240.085, -3421.809, 199.6080, -42.269),
    (5336, "mu Cas", "01 08 16.3029454", "+54 55 12.561201", 3468.251, -1564.844, 130.2881, -96.488899),
    (15510, "82 Eri", "03 19 55.6509122", "-43 04 11.215188", 3035.017, 726.964, 165.5242, 87.882),
    (8102, "tau Cet", "01 44 04.0831372", "-15 56 14.927608", -1721.728, 854.963, 273.8097, -16.597),
    (99240, "del Pav", "20 08 43.6088716", "-66 10 55.442769", 1211.761, -1130.237, 163.9544, -21.543),
    (3821, "eta Cas", "00 49 06.2945943", "+57 48 54.638240", 1078.609, -551.133, 168.8322, 8.404),
    (2021, "bet Hyi", "00 25 45.07036", "-77 15 15.2860", 2219.54, 324.09, 134.07, 23.085),
    (1599, "zet Tuc", "00 20 04.2586335", "-64 52 29.257190", 1706.747, 1164.959, 116.1826, 9.280),
)

iers.conf.auto_download = False
iers.conf.iers_degraded_accuracy = "warn"
warnings.simplefilter("ignore")


def stars():
    with open(os.path.join(ROOT, "data", "ChartStars.txt")) as f:
        return [line.split() for line in f if not line.startswith("#")]


def draw_site(rng, first, end):
    """A random UTC Julian Day in [first, end), a random site (longitude, latitude) and its AltAz frame then."""
    jd = round(rng.uniform(first, end), 6)
    lon = round(rng.uniform(-180.0, 180.0), 4)
    lat = round(rng.uniform(-70.0, 70.0), 4)
    frame = AltAz(obstime=Time(jd, format="jd", scale="utc"),
                  location=EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0.0 * u.m), pressure=0.0)
    return jd, lon, lat, frame


def fast_rows(rng):
    rows = []
    for hip, _, ra, dec, pmra, pmdec, parallax, velocity in FAST:
        star = SkyCoord(ra, dec, unit=(u.hourangle, u.deg), pm_ra_cosdec=pmra * u.mas / u.yr, pm_dec=pmdec * u.mas / u.yr,
                        distance=(1000.0 / parallax) * u.pc, radial_velocity=velocity * u.km / u.s,
                        obstime=Time("J2000"), frame="icrs")
        for _ in range(FAST_DRAWS):
            jd, lon, lat, frame = draw_site(rng, FIRST_JD, END_JD)
            frame.obstime.delta_ut1_utc = 0.0  # the chart's clock: UT1 taken as UTC
            seen = star.apply_space_motion(new_obstime=frame.obstime).transform_to(frame)
            rows.append("%d,%.6f,%.4f,%.4f,%.6f,%.6f" % (hip, jd, lon, lat, seen.alt.deg, seen.az.deg))
    return rows


def main():
    rng = random.Random(SEED)
    table = stars()
    moving = [row for row in table if float(row[5]) != 0.0 or float(row[6]) != 0.0]
    draws = [(rng.choice(table), FIRST_JD, END_JD) for _ in range(COUNT)]
    draws += [(rng.choice(moving), FIRST_MOVING_JD, END_MOVING_JD) for _ in range(MOVING)]
    by_hip = {row[0]: row for row in table}
    for fast in FAST:
        draws.append((by_hip[str(fast[0])], FIRST_MOVING_JD, FIRST_MOVING_JD + CENTURY))
        draws.append((by_hip[str(fast[0])], END_MOVING_JD - CENTURY, END_MOVING_JD))
    rows = []
    for star, first, end in draws:
        hip, ra, dec, _, _, pmra, pmdec = star
        jd, lon, lat, frame = draw_site(rng, first, end)
        when = frame.obstime
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
    fast = fast_rows(rng)
    with open(FAST_OUTPUT, "w") as out:
        out.write("# hip,jd_utc,longitude,latitude,altitude,azimuth (degrees; azimuth from the north through the east); "
                  "astropy AltAz of the star's SIMBAD astrometry, scripts/make_chart_reference.py\n")
        out.write("\n".join(fast) + "\n")
    print(len(rows), "and", len(fast), "rows")


if __name__ == "__main__":
    main()
