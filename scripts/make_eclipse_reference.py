#!/usr/bin/python3
"""Writes tests/astro/eclipse/pyephem_solar.csv: local circumstances of solar eclipses at chosen
sites from PyEphem's topocentric Sun and Moon (no refraction), with the
eclipse code's conventions: the Moon's radius k = 0.2725076 Earth radii, the
Sun's 959.63" at 1 AU, the Moon's centre of figure +0.50" in longitude and
-0.25" in latitude. Contacts where the discs touch, maximum where their
centres are closest.

    /usr/bin/python3 scripts/make_eclipse_reference.py > tests/astro/eclipse/pyephem_solar.csv

Needs the Debian package python3-ephem (PyEphem 4.1.4, run with /usr/bin/python3)."""
import math
import ephem

K, EARTH_KM, AU_KM = 0.2725076, 6378.137, 149597870.7
ARCSEC = math.pi / 648000.0
CASES = [  # label, UT near greatest eclipse, longitude, latitude
    ("2009-07-22 Shanghai total", "2009/7/22 01:35", 121.47, 31.23),
    ("2012-05-21 Tokyo annular", "2012/5/20 23:50", 139.7, 35.7),
    ("2016-03-09 Tokyo partial", "2016/3/9 01:58", 139.7, 35.7),
    ("2017-08-21 Nashville total", "2017/8/21 18:26", -86.78, 36.16),
    ("2019-01-06 Tokyo partial", "2019/1/6 01:41", 139.7, 35.7),
    ("2019-12-26 Singapore annular", "2019/12/26 05:18", 103.85, 1.29),
    ("2020-06-21 Chiayi annular", "2020/6/21 06:40", 120.45, 23.48),
    ("2023-04-20 Exmouth hybrid", "2023/4/20 04:17", 114.12, -21.93),
    ("2024-04-08 Dallas total", "2024/4/8 18:17", -96.8, 32.78),
    ("2021-06-10 Toronto sunrise", "2021/6/10 10:42", -79.38, 43.65),
    ("2022-10-25 Novosibirsk partial", "2022/10/25 11:00", 82.92, 55.03),
]


def discs(obs, t):
    """Separation of the centres, the Sun's and the Moon's radii (radians)."""
    obs.date = t
    sun, moon = ephem.Sun(obs), ephem.Moon(obs)
    ecl = ephem.Ecliptic(ephem.Equatorial(moon.ra, moon.dec, epoch=obs.date), epoch=obs.date)
    ecl = ephem.Ecliptic(ecl.lon + 0.50 * ARCSEC, ecl.lat - 0.25 * ARCSEC, epoch=obs.date)
    seen = ephem.Equatorial(ecl, epoch=obs.date)
    sep = float(ephem.separation((sun.ra, sun.dec), (seen.ra, seen.dec)))
    # With an observer, PyEphem's earth_distance of the Moon is topocentric.
    return (sep, math.asin(math.sin(959.63 * ARCSEC) / sun.earth_distance),
            math.asin(K * EARTH_KM / AU_KM / moon.earth_distance))


def bisect(f, a, b):
    for _ in range(60):
        m = 0.5 * (a + b)
        a, b = (m, b) if (f(m) < 0) == (f(a) < 0) else (a, m)
    return 0.5 * (a + b)


def golden(f, a, b):
    r = (math.sqrt(5) - 1) / 2
    for _ in range(80):
        c, d = b - r * (b - a), a + r * (b - a)
        a, b = (a, d) if f(c) < f(d) else (c, b)
    return 0.5 * (a + b)


def overlap(r1, r2, d):
    if d >= r1 + r2:
        return 0.0
    if d <= abs(r1 - r2):
        return math.pi * min(r1, r2) ** 2
    a1 = math.acos((d * d + r1 * r1 - r2 * r2) / (2 * d * r1))
    a2 = math.acos((d * d + r2 * r2 - r1 * r1) / (2 * d * r2))
    return r1 * r1 * (a1 - math.sin(2 * a1) / 2) + r2 * r2 * (a2 - math.sin(2 * a2) / 2)


print("label,longitude_deg,latitude_deg,c1_jd,c2_jd,max_jd,c3_jd,c4_jd,magnitude,obscuration,delta_t_s")
for label, guess, lon, lat in CASES:
    obs = ephem.Observer()
    obs.lon, obs.lat, obs.elevation, obs.pressure = str(lon), str(lat), 0.0, 0.0
    outer = lambda t: (lambda s: s[0] - s[1] - s[2])(discs(obs, t))
    inner = lambda t: (lambda s: s[0] - abs(s[2] - s[1]))(discs(obs, t))
    times = [float(ephem.Date(guess)) + (i - 245) / 1440.0 for i in range(491)]
    inside = [t for t in times if outer(t) < 0]
    c1 = bisect(outer, inside[0] - 1 / 1440.0, inside[0])
    c4 = bisect(outer, inside[-1], inside[-1] + 1 / 1440.0)
    tmax = golden(lambda t: discs(obs, t)[0], c1, c4)
    sep, rs, rm = discs(obs, tmax)
    central = sep < abs(rm - rs)
    c2 = "%.8f" % (bisect(inner, c1, tmax) + 2415020.0) if central else ""
    c3 = "%.8f" % (bisect(inner, tmax, c4) + 2415020.0) if central else ""
    print("%s,%.2f,%.2f,%.8f,%s,%.8f,%s,%.8f,%.5f,%.5f,%.3f" % (
        label, lon, lat, c1 + 2415020.0, c2, tmax + 2415020.0, c3, c4 + 2415020.0,
        (rs + rm - sep) / (2 * rs), overlap(rs, rm, sep) / (math.pi * rs * rs), ephem.delta_t(ephem.Date(tmax))))
