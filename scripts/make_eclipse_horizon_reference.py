#!/usr/bin/python3
"""Prints the sunsets, sunrises and moonrises that tests/astro/eclipse's table
of eclipses at the horizon checks against: PyEphem's rising and setting of
the upper limb with the horizon at -35'08" and no refraction of its own
(pressure 0), site at sea level, as UTC Julian Days.

    /usr/bin/python3 scripts/make_eclipse_horizon_reference.py

Needs the Debian package python3-ephem (PyEphem 4.1.4)."""
import ephem

CASES = [  # label, body, event, UT to search from, longitude, latitude
    ("2010-01-15 Tokyo sunset", ephem.Sun, "set", "2010/1/15 06:00", 139.7447, 35.6544),
    ("2010-01-15 Naha sunset", ephem.Sun, "set", "2010/1/15 06:00", 127.6811, 26.2125),
    ("2021-06-10 Toronto sunrise", ephem.Sun, "rise", "2021/6/10 06:00", -79.38, 43.65),
    ("2021-05-26 Kyoto moonrise", ephem.Moon, "rise", "2021/5/26 06:00", 135.7681, 35.0117),
    ("2010-06-26 Naha moonrise", ephem.Moon, "rise", "2010/6/26 06:00", 127.6811, 26.2125),
]
for label, body, event, start, lon, lat in CASES:
    obs = ephem.Observer()
    obs.lon, obs.lat, obs.elevation, obs.pressure = str(lon), str(lat), 0.0, 0.0
    obs.horizon = "-0:35:08"
    obs.date = start
    b = body()
    t = obs.next_rising(b) if event == "rise" else obs.next_setting(b)
    print(f"{label},{float(t) + 2415020.0:.6f},{ephem.Date(t)}")
