#!/usr/bin/python3
"""Writes pyephem_solar.csv: the local circumstances of solar eclipses at
chosen sites from PyEphem's topocentric Sun and Moon (no refraction), with
the conventions the eclipse code uses: the Moon's radius k = 0.2725076 Earth
equatorial radii, the Sun's 959.63" at 1 AU, the Moon's centre of figure
+0.50" in longitude and -0.25" in latitude. Contacts where the discs touch,
maximum where their centres are closest. Run: python3 make_pyephem_solar.py > pyephem_solar.csv"""
import math
import ephem

K = 0.2725076
EARTH_KM = 6378.137
AU_KM = 149597870.7
SUN_RADIUS = math.radians(959.63 / 3600.0)
FIGURE_LON = math.radians(0.50 / 3600.0)
FIGURE_LAT = math.radians(-0.25 / 3600.0)

# label, approximate UT of greatest eclipse, longitude, latitude (degrees)
CASES = [
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
    obs.date = t
    sun, moon = ephem.Sun(obs), ephem.Moon(obs)
    ecl = ephem.Ecliptic(ephem.Equatorial(moon.ra, moon.dec, epoch=obs.date), epoch=obs.date)
    ecl = ephem.Ecliptic(ecl.lon + FIGURE_LON, ecl.lat + FIGURE_LAT, epoch=obs.date)
    moon_eq = ephem.Equatorial(ecl, epoch=obs.date)
    sep = float(ephem.separation((sun.ra, sun.dec), (moon_eq.ra, moon_eq.dec)))
    # With an observer, PyEphem's earth_distance of the Moon is already topocentric.
    rs = math.asin(math.sin(SUN_RADIUS) / sun.earth_distance)
    rm = math.asin(K * EARTH_KM / AU_KM / moon.earth_distance)
    return sep, rs, rm, float(sun.alt)


def bisect(f, a, b):
    fa = f(a)
    for _ in range(60):
        m = 0.5 * (a + b)
        fm = f(m)
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b = m
    return 0.5 * (a + b)


def golden(f, a, b):
    r = (math.sqrt(5) - 1) / 2
    c, d = b - r * (b - a), a + r * (b - a)
    for _ in range(80):
        if f(c) < f(d):
            b, d = d, c
            c = b - r * (b - a)
        else:
            a, c = c, d
            d = a + r * (b - a)
    return 0.5 * (a + b)


def overlap(r1, r2, d):
    if d >= r1 + r2:
        return 0.0
    if d <= abs(r1 - r2):
        return math.pi * min(r1, r2) ** 2
    a1 = math.acos((d * d + r1 * r1 - r2 * r2) / (2 * d * r1))
    a2 = math.acos((d * d + r2 * r2 - r1 * r1) / (2 * d * r2))
    return r1 * r1 * (a1 - math.sin(2 * a1) / 2) + r2 * r2 * (a2 - math.sin(2 * a2) / 2)


def main():
    print("label,longitude_deg,latitude_deg,c1_jd,c2_jd,max_jd,c3_jd,c4_jd,magnitude,obscuration,delta_t_s")
    for label, guess, lon, lat in CASES:
        obs = ephem.Observer()
        obs.lon, obs.lat, obs.elevation, obs.pressure = str(lon), str(lat), 0.0, 0.0
        t0 = float(ephem.Date(guess))
        outer = lambda t: (lambda s: s[0] - s[1] - s[2])(discs(obs, t))
        step = 1.0 / 1440.0
        times = [t0 - 0.17 + i * step for i in range(int(0.34 / step) + 1)]
        values = [outer(t) for t in times]
        inside = [i for i, v in enumerate(values) if v < 0]
        first, last = inside[0], inside[-1]
        c1 = bisect(outer, times[first - 1], times[first])
        c4 = bisect(outer, times[last], times[last + 1])
        tmax = golden(lambda t: discs(obs, t)[0], c1, c4)
        sep, rs, rm, _ = discs(obs, tmax)
        magnitude = (rs + rm - sep) / (2 * rs)
        obscuration = overlap(rs, rm, sep) / (math.pi * rs * rs)
        c2 = c3 = ""
        if sep < abs(rm - rs):
            inner = lambda t: (lambda s: s[0] - abs(s[2] - s[1]))(discs(obs, t))
            c2 = "%.8f" % (bisect(inner, c1, tmax) + 2415020.0)
            c3 = "%.8f" % (bisect(inner, tmax, c4) + 2415020.0)
        delta_t = ephem.delta_t(ephem.Date(tmax)) if hasattr(ephem, "delta_t") else float("nan")
        print("%s,%.2f,%.2f,%.8f,%s,%.8f,%s,%.8f,%.5f,%.5f,%.3f" % (
            label, lon, lat, c1 + 2415020.0, c2, tmax + 2415020.0, c3, c4 + 2415020.0, magnitude, obscuration, delta_t))


main()
