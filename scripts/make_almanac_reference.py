#!/usr/bin/python3
"""Writes tests/astro/almanac/almanac_reference.csv: instants (TT Julian Days)
of solar terms and Moon phases from two independent sources, for
tests/astro/almanac/almanac_reference_test.cpp.

- de405: the JPL ephemeris DE405 (Debian casacore-data-jpl-de405, read with
  python3-casacore), reduced here with ERFA (python3-erfa): light-time,
  aberration by the Earth's barycentric velocity, IAU 2006/2000A
  precession-nutation with the frame bias, the true ecliptic of date.
  1960-2059 (the table's span), every second year.
- pyephem: PyEphem 4.1 (python3-ephem): its apparent Sun (solar terms by
  Newton on its apparent longitude) and next_new_moon & co.; UT turned to
  TT with its own delta_t. 1900-2100, every fourth year.

Columns: source, kind (solar_term | moon_phase), target_deg (Sun's
longitude, or the Moon's less the Sun's), jd_tt.

With "fractions", the Moon's illuminated fraction at 150 instants instead
(see fractions()). With "places", the apparent places of the Sun and the Moon from DE405 at 200
random TT instants of 1960-2059 instead: jd_tt, body, longitude, latitude
(true ecliptic of date), right_ascension, declination (true equator and
equinox of date), all radians, distance (AU; geometric, at the instant).

    apt-get install python3-ephem python3-erfa python3-casacore casacore-data-jpl-de405
    /usr/bin/python3 scripts/make_almanac_reference.py > tests/astro/almanac/almanac_reference.csv
    /usr/bin/python3 scripts/make_almanac_reference.py places > tests/astro/almanac/accurate_places.csv
    /usr/bin/python3 scripts/make_almanac_reference.py fractions > tests/astro/almanac/moon_fractions.csv
"""
import math
import sys

import ephem
import erfa
import numpy as np
from casacore.tables import table

DE405 = "/usr/share/casacore/data/ephemerides/DE405"
TWO_PI = 2.0 * math.pi


class De405:
    # The standard DE405 record less its two dates: (first coefficient, 1-based
    # in the full record, coefficients, sub-intervals) of the Earth-Moon
    # barycentre, the geocentric Moon and the Sun; km, 32-day records.
    LAYOUT = {"emb": (231, 13, 2), "moon": (441, 13, 8), "sun": (753, 11, 2)}

    def __init__(self):
        t = table(DE405, ack=False)
        self.x = t.getcol("x")
        self.jd0 = t.getcol("MJD")[0] + 2400000.5
        kw = t.getkeywords()
        self.emrat, self.au, self.c = kw["EMRAT"], kw["AU"], kw["CLIGHT"]
        self.first, self.last = self.jd0, self.jd0 + 32.0 * len(self.x)

    def cheb(self, body, jd):
        start, n, sub = self.LAYOUT[body]
        i = int((jd - self.jd0) // 32.0)
        rec, r0, span = self.x[i], self.jd0 + 32.0 * i, 32.0 / sub
        k = min(int((jd - r0) // span), sub - 1)
        tau = 2.0 * (jd - r0 - k * span) / span - 1.0
        coeffs = rec[start - 3 + k * 3 * n:start - 3 + (k + 1) * 3 * n].reshape(3, n)
        t, d = np.zeros(n), np.zeros(n)
        t[0], t[1], d[1] = 1.0, tau, 1.0
        for j in range(2, n):
            t[j] = 2 * tau * t[j - 1] - t[j - 2]
            d[j] = 2 * t[j - 1] + 2 * tau * d[j - 1] - d[j - 2]
        return coeffs @ t, coeffs @ d * 2.0 / span

    def earth(self, jd):
        e, ev = self.cheb("emb", jd)
        m, mv = self.cheb("moon", jd)
        return e - m / (1 + self.emrat), ev - mv / (1 + self.emrat)

    def moon(self, jd):
        return self.earth(jd)[0] + self.cheb("moon", jd)[0]

    def sun(self, jd):
        return self.cheb("sun", jd)[0]

    def longitude(self, jd, body):
        return self.place(jd, body)[0]

    def place(self, jd, body):
        target = self.sun if body == "sun" else self.moon
        e, ev = self.earth(jd)
        tau = 0.0
        for _ in range(3):
            q = target(jd - tau) - e
            tau = np.linalg.norm(q) / self.c / 86400.0
        v = ev / (self.c * 86400.0)
        p = erfa.ab(q / np.linalg.norm(q), v, np.linalg.norm(e - self.sun(jd)) / self.au, math.sqrt(1 - v @ v))
        pt = erfa.pnm06a(2451545.0, jd - 2451545.0) @ p
        eps = erfa.obl06(2451545.0, jd - 2451545.0) + erfa.nut06a(2451545.0, jd - 2451545.0)[1]
        ecl = np.array([pt[0], math.cos(eps) * pt[1] + math.sin(eps) * pt[2], -math.sin(eps) * pt[1] + math.cos(eps) * pt[2]])
        lon, lat = math.atan2(ecl[1], ecl[0]) % TWO_PI, math.asin(ecl[2])
        ra, dec = math.atan2(pt[1], pt[0]) % TWO_PI, math.asin(pt[2])
        return lon, lat, ra, dec, np.linalg.norm(target(jd) - e) / self.au


def solve(f, target, guess, rate):
    t = guess
    for _ in range(20):
        step = math.remainder(f(t) - target, TWO_PI) / rate
        t -= step
        if abs(step) < 1e-8:
            break
    return t


def de405_rows(de, years):
    rows = []
    sun = lambda t: de.longitude(t, "sun")
    elong = lambda t: de.longitude(t, "moon") - de.longitude(t, "sun")
    for year in years:
        start = erfa.cal2jd(year, 1, 1)
        t0 = start[0] + start[1]
        lon0 = sun(t0)
        for k in range(24):
            target = math.radians(15 * k)
            ahead = (target - lon0) % TWO_PI
            rows.append(("de405", "solar_term", 15 * k, solve(sun, target, t0 + ahead / TWO_PI * 365.2422, TWO_PI / 365.2422)))
        lunation = math.floor((t0 - 2451550.09766) / 29.530588861)
        for n in range(lunation, lunation + 13):
            for q in range(4):
                guess = 2451550.09766 + 29.530588861 * (n + q / 4)
                if t0 <= guess < t0 + 365:
                    rows.append(("de405", "moon_phase", 90 * q, solve(elong, math.radians(90 * q), guess, TWO_PI / 29.530588861)))
    return rows


def pyephem_rows(years):
    rows = []

    def tt(d):
        return float(d) + 2415020.0 + ephem.delta_t(d) / 86400.0

    def sun(d):
        s = ephem.Sun()
        s.compute(ephem.Date(d))
        return float(ephem.Ecliptic(ephem.Equatorial(s.g_ra, s.g_dec, epoch=ephem.Date(d))).lon)

    finders = [ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon, ephem.next_last_quarter_moon]
    for year in years:
        d0 = ephem.Date("%d/1/1" % year)
        lon0 = sun(d0)
        for k in range(24):
            target = math.radians(15 * k)
            ahead = (target - lon0) % TWO_PI
            d = solve(sun, target, float(d0) + ahead / TWO_PI * 365.2422, TWO_PI / 365.2422)
            rows.append(("pyephem", "solar_term", 15 * k, tt(ephem.Date(d))))
        for q, finder in enumerate(finders):
            d = finder(d0)
            while d < ephem.Date("%d/1/1" % (year + 1)):
                rows.append(("pyephem", "moon_phase", 90 * q, tt(d)))
                d = finder(ephem.Date(d + 1))
    return rows


def places(de):
    import random
    random.seed(2026)
    sys.stdout.write("jd_tt,body,longitude,latitude,right_ascension,declination,distance\n")
    for _ in range(200):
        jd = random.uniform(de.first + 1.0, de.last - 1.0)
        for body in ("sun", "moon"):
            sys.stdout.write("%.9f,%s,%s\n" % (jd, body, ",".join("%.12g" % x for x in de.place(jd, body))))


def fractions(de):
    """The Moon's illuminated fraction (1 + cos i) / 2 and its phase angle i
    (radians) at 150 random UTC
    instants of 1960-2025, i the phase angle from the apparent elongation
    and the geometric distances (Meeus, Astronomical Algorithms, eq. 48.3).
    PyEphem's moon_phase differs from it by up to 0.001, more than the error
    to be caught, so DE405 is the reference here."""
    import random
    random.seed(48)
    sys.stdout.write("jd_utc,illuminated_fraction,phase_angle\n")
    first, last = erfa.cal2jd(1960, 1, 1), erfa.cal2jd(2025, 12, 31)
    for _ in range(150):
        utc = random.uniform(first[0] + first[1], last[0] + last[1])
        tai = erfa.utctai(utc, 0.0)
        tt = sum(erfa.taitt(*tai))
        sun, moon = de.place(tt, "sun"), de.place(tt, "moon")
        elongation = math.acos(math.sin(sun[3]) * math.sin(moon[3]) +
                               math.cos(sun[3]) * math.cos(moon[3]) * math.cos(sun[2] - moon[2]))
        i = math.atan2(sun[4] * math.sin(elongation), moon[4] - sun[4] * math.cos(elongation))
        sys.stdout.write("%.6f,%.8f,%.8f\n" % (utc, (1.0 + math.cos(i)) / 2.0, i))


def main():
    de = De405()
    if sys.argv[1:] == ["places"]:
        places(de)
        return
    if sys.argv[1:] == ["fractions"]:
        fractions(de)
        return
    rows = de405_rows(de, range(1960, 2060, 2)) + pyephem_rows(range(1900, 2101, 4))
    out = sys.stdout
    out.write("source,kind,target_deg,jd_tt\n")
    for source, kind, target, jd in rows:
        out.write("%s,%s,%d,%.6f\n" % (source, kind, target, jd))


if __name__ == "__main__":
    main()
