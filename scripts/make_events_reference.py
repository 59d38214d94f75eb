#!/usr/bin/python3
"""Reference rise, transit, set and twilight times from PyEphem.

Writes tests/astro/sky/events_reference.csv, the independent check of the
precise model's event search. Run with Debian's python3-ephem (4.1.4):

    /usr/bin/python3 scripts/make_events_reference.py

Conventions, the same as the search's: observer at sea level, no refraction
model (pressure 0) but a horizon of -0:34; the Sun's and the Moon's upper
limb, the centre of everything else; the Sun's centre at -6, -12 and -18
degrees for twilight; transits are upper culminations whatever the altitude.
A local day runs from local 00:00 (included) to 24:00 (excluded).

PyEphem's own searches step from one expected event to the next, and can step
over a short stay above or below a level near the polar circles; so every
day is also scanned every two minutes with PyEphem's altitudes, and a
crossing the scan finds that the searches missed is added (bisected to 0.1 s
on PyEphem's altitude). Both counts are printed.

File format: '#' lines describe the sites and stars; each data row is
    site,date,body,flag,rise,set,transit,dawn6,dusk6,dawn12,dusk12,dawn18,dusk18
with date as YYYY-MM-DD, flag U (no rise or set, up all day), D (down all
day) or - , and each event column a space-separated list of seconds after
local midnight (one decimal).
"""

import math
import os
import sys

import ephem

# name, east longitude and latitude in degrees, zone hours and minutes as the
# calculator takes them (-3:30 is -4 and 30).
SITES = [
    ("tokyo", 139.7, 35.7, 9, 0),
    ("kathmandu", 85.3167, 27.7167, 5, 45),
    ("stjohns", -52.7126, 47.5615, -4, 30),
    ("adelaide", 138.6, -34.93, 9, 30),
    ("quito", -78.5, -0.22, -5, 0),
    ("ushuaia", -68.3, -54.8, -3, 0),
    ("tromso", 18.96, 69.65, 1, 0),
    ("syowa", 39.58, -69.0, 3, 0),
    ("arctic66", -18.0, 66.2, 0, 0),
    ("south70", 150.0, -70.0, 10, 0),
    ("civil60", 10.0, 60.6, 1, 0),
    ("nautical54", -4.0, 54.6, 0, 0),
    ("astro48", 2.35, 48.6, 1, 0),
]
HIGH_LATITUDE = {"tromso", "syowa", "arctic66", "south70", "civil60", "nautical54", "astro48"}

# J2000.0 (ICRS) places in degrees, no proper motion.
STARS = [
    ("sirius", 101.287155, -16.716116),
    ("capella", 79.172328, 45.997991),
]
PLANETS = [("sun", ephem.Sun), ("moon", ephem.Moon), ("venus", ephem.Venus), ("mars", ephem.Mars),
           ("jupiter", ephem.Jupiter)]

SCAN_STEP = 2.0 / 1440.0  # days
MATCH = 120.0 / 86400.0   # a scan crossing this close to a search result is the same event

stats = {"search": 0, "scan_only": 0, "search_only": 0}


def make_body(name):
    for n, cls in PLANETS:
        if n == name:
            return cls()
    for n, ra, dec in STARS:
        if n == name:
            star = ephem.FixedBody()
            star._ra = math.radians(ra)
            star._dec = math.radians(dec)
            star._epoch = ephem.J2000
            return star
    raise KeyError(name)


def observer(lon, lat):
    obs = ephem.Observer()
    obs.lon = math.radians(lon)
    obs.lat = math.radians(lat)
    obs.elevation = 0.0
    obs.pressure = 0.0
    return obs


def searched(obs, body, start, end, method, use_center):
    """Every result of a next_* search in [start, end)."""
    out = []
    t = start
    while True:
        try:
            if use_center is None:
                r = method(body, start=t)
            else:
                r = method(body, start=t, use_center=use_center)
        except ephem.CircumpolarError:
            break
        r = float(r)
        if r >= end:
            break
        if r >= start:
            out.append(r)
        t = r + 1.0 / 86400.0
    return out


def level_at(obs, body, t, limb):
    obs.date = t
    body.compute(obs)
    return float(body.alt) + (float(body.radius) if limb else 0.0) - float(obs.horizon)


def scanned(obs, body, start, end, limb):
    """(rises, sets, level at start) from a scan of PyEphem's altitude."""
    rises, sets = [], []
    t0 = start - SCAN_STEP
    g0 = level_at(obs, body, t0, limb)
    first = None
    n = int(math.ceil((end - start) / SCAN_STEP)) + 2
    for i in range(1, n + 1):
        t1 = start + (i - 1) * SCAN_STEP
        g1 = level_at(obs, body, t1, limb)
        if first is None and t1 >= start:
            first = g1
        if (g0 >= 0) != (g1 >= 0):
            a, b, ga = t0, t1, g0
            while b - a > 0.1 / 86400.0:
                m = 0.5 * (a + b)
                gm = level_at(obs, body, m, limb)
                if (gm >= 0) == (ga >= 0):
                    a, ga = m, gm
                else:
                    b = m
            r = 0.5 * (a + b)
            if start <= r < end:
                (rises if g1 >= 0 else sets).append(r)
        t0, g0 = t1, g1
    return rises, sets, first


def merged(search, scan):
    out = list(search)
    for s in scan:
        if not any(abs(s - x) < MATCH for x in search):
            out.append(s)
            stats["scan_only"] += 1
    for x in search:
        if not any(abs(s - x) < MATCH for s in scan):
            stats["search_only"] += 1
    stats["search"] += len(search)
    return sorted(out)


def crossings(obs, body, start, end, horizon, limb):
    obs.horizon = horizon
    use_center = not limb
    rises = searched(obs, body, start, end, obs.next_rising, use_center)
    sets = searched(obs, body, start, end, obs.next_setting, use_center)
    scan_rises, scan_sets, first = scanned(obs, body, start, end, limb)
    return merged(rises, scan_rises), merged(sets, scan_sets), first


def day_row(site, date, body_name):
    name, lon, lat, zh, zm = site
    y, m, d = date
    start = float(ephem.Date((y, m, d))) - (zh * 60 + zm) / 1440.0
    end = start + 1.0
    obs = observer(lon, lat)
    body = make_body(body_name)
    limb = body_name in ("sun", "moon")
    rises, sets, first = crossings(obs, body, start, end, "-0:34", limb)
    flag = "-"
    if not rises and not sets:
        flag = "U" if first >= 0 else "D"
    obs.horizon = "-0:34"
    transits = searched(obs, body, start, end, obs.next_transit, None)
    columns = [rises, sets, transits]
    if body_name == "sun":
        for depression in ("-6", "-12", "-18"):
            dawns, dusks, _ = crossings(obs, body, start, end, depression, False)
            columns += [dawns, dusks]
    else:
        columns += [[]] * 6
    text = [" ".join("%.1f" % ((t - start) * 86400.0) for t in c) for c in columns]
    return "%s,%04d-%02d-%02d,%s,%s,%s" % (name, y, m, d, body_name, flag, ",".join(text))


def spread_dates():
    """Dates over four decades, every 523 days: all seasons and lunar phases."""
    out = []
    jd0 = float(ephem.Date((1995, 1, 3)))
    for i in range(26):
        y, m, d, _, _, _ = ephem.Date(jd0 + 523 * i).tuple()
        out.append((y, m, d))
    return out


def sun_extremes(site, date):
    """The Sun's highest and lowest altitude over the local day, degrees."""
    name, lon, lat, zh, zm = site
    y, m, d = date
    start = float(ephem.Date((y, m, d))) - (zh * 60 + zm) / 1440.0
    obs = observer(lon, lat)
    sun = ephem.Sun()
    alts = []
    for i in range(0, 97):
        obs.date = start + i / 96.0
        sun.compute(obs)
        alts.append(math.degrees(float(sun.alt)))
    return max(alts), min(alts)


def grazing_dates(site, year):
    """Days on which the Sun's daily extreme comes within 0.5 degrees of one of
    the levels searched: the days that test grazing crossings."""
    levels = (-0.834, -6.0, -12.0, -18.0)
    out = []
    jd0 = float(ephem.Date((year, 1, 1)))
    for i in range(0, 366):
        y, m, d, _, _, _ = ephem.Date(jd0 + i).tuple()
        hi, lo = sun_extremes(site, (y, m, d))
        if any(abs(hi - h) < 0.5 or abs(lo - h) < 0.5 for h in levels):
            out.append((y, m, d))
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "..", "tests", "astro", "sky", "events_reference.csv")
    rows = []
    for site in SITES:
        dates = spread_dates()
        if site[0] in HIGH_LATITUDE:
            dates += grazing_dates(site, 2025)
            # Two weeks in a row for the Moon's fast swing in declination.
            jd0 = float(ephem.Date((2025, 3, 1)))
            moon_days = [ephem.Date(jd0 + i).tuple()[:3] for i in range(28)]
        else:
            moon_days = []
        for date in sorted(set(dates)):
            for body in [p[0] for p in PLANETS] + [s[0] for s in STARS]:
                rows.append(day_row(site, date, body))
        for date in moon_days:
            if date not in dates:
                rows.append(day_row(site, date, "moon"))
        print(site[0], len(rows), stats, file=sys.stderr)
    with open(path, "w") as f:
        f.write("# Rise, set, transit and twilight times from PyEphem %s; made by scripts/make_events_reference.py.\n"
                % ephem.__version__)
        f.write("# Columns: site,date,body,flag,rise,set,transit,dawn6,dusk6,dawn12,dusk12,dawn18,dusk18 "
                "(seconds after local midnight).\n")
        for name, lon, lat, zh, zm in SITES:
            f.write("#site,%s,%r,%r,%d,%d\n" % (name, lon, lat, zh, zm))
        for name, ra, dec in STARS:
            f.write("#star,%s,%r,%r\n" % (name, ra, dec))
        for r in rows:
            f.write(r + "\n")
    print("rows", len(rows), stats, file=sys.stderr)


if __name__ == "__main__":
    main()
