#!/usr/bin/python3
"""Reference rise and set times in Japan's almanac convention, from PyEphem.

Writes tests/astro/sky/japan_events_reference.csv. Run with Debian's
python3-ephem (4.1.4):

    /usr/bin/python3 scripts/make_japan_events_reference.py

The definitions of 国立天文台 暦計算室 (こよみ用語解説): sunrise and sunset
with the Sun's upper limb, moonrise and moonset with the Moon's centre
(topocentric), horizontal refraction 35'08", observer at sea level. In
PyEphem terms: pressure 0 (no refraction model), horizon -0:35:08, the Sun
with use_center False (upper limb), the Moon with use_center True.

Sites: Tokyo as the office gives it (the old Tokyo observatory, 麻布台) and
six prefectural capitals; 40 random days from 1950 to 2050 at each, local
time JST (+9). A day is written only when PyEphem's search finds at most one
rise and one set in it (always so away from the poles).

Each row: site,date,body,rise,set with each time in seconds after local
midnight (one decimal), empty when the day has none.
"""
import math
import os
import random

import ephem

SITES = [  # name, east longitude, latitude (degrees)
    ("tokyo", 139 + 44 / 60 + 28.8869 / 3600, 35 + 39 / 60 + 29.1572 / 3600),
    ("sapporo", 141.3469, 43.0642),
    ("sendai", 140.8719, 38.2688),
    ("osaka", 135.5200, 34.6863),
    ("fukuoka", 130.4181, 33.6064),
    ("kagoshima", 130.5581, 31.5602),
    ("naha", 127.6811, 26.2124),
]
ZONE = 9.0 / 24.0
DJD = 2415020.0


def main():
    rng = random.Random(35 * 60 + 8)
    rows = []
    for name, lon, lat in SITES:
        obs = ephem.Observer()
        obs.lon, obs.lat = math.radians(lon), math.radians(lat)
        obs.elevation = 0.0
        obs.pressure = 0.0
        obs.horizon = "-0:35:08"
        for _ in range(40):
            jd0 = math.floor(rng.uniform(2433282.5, 2469807.5)) + 0.5  # 1950 .. 2050, 0h UT
            start = jd0 - ZONE  # local midnight
            for body, cls, centre in (("sun", ephem.Sun, False), ("moon", ephem.Moon, True)):
                b = cls()
                times = []
                for method in (obs.next_rising, obs.next_setting):
                    obs.date = ephem.Date(start - DJD)
                    try:
                        t = float(method(b, use_center=centre)) + DJD
                    except ephem.CircumpolarError:
                        t = None
                    times.append("" if t is None or t >= start + 1 else "%.1f" % ((t - start) * 86400.0))
                y, m, d = ephem.Date(jd0 - DJD).triple()
                rows.append("%s,%04d-%02d-%02d,%s,%s,%s" % (name, y, m, int(d), body, times[0], times[1]))
    out = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "astro", "sky",
                       "japan_events_reference.csv")
    with open(out, "w") as f:
        f.write("\n".join(rows) + "\n")
    print(len(rows), "rows")


if __name__ == "__main__":
    main()
