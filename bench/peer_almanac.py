#!/usr/bin/python3
"""The peer of skycalc-cli --almanac for one year in one PyEphem process: the
24 solar terms and the six 雑節 longitudes by Newton steps on PyEphem's
apparent Sun, and the Moon's phases from ephem.next_new_moon & co.
Usage: peer_almanac.py YEAR [COUNT [terms-phases]] (prints one line per
event, UT): COUNT years from YEAR; with terms-phases, no 雑節."""
import math
import sys

import ephem

TWO_PI = 2.0 * math.pi


def sun_longitude(d):
    s = ephem.Sun()
    s.compute(ephem.Date(d))
    return float(ephem.Ecliptic(ephem.Equatorial(s.g_ra, s.g_dec, epoch=ephem.Date(d))).lon)


def crossing(longitude_deg, start):
    target = math.radians(longitude_deg)
    d = start + ((target - sun_longitude(start)) % TWO_PI) / TWO_PI * 365.2422
    for _ in range(10):
        step = math.remainder(sun_longitude(d) - target, TWO_PI) / (TWO_PI / 365.2422)
        d -= step
        if abs(step) < 1e-7:
            break
    return ephem.Date(d)


def main():
    first = int(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    zassetsu = not (len(sys.argv) > 3 and sys.argv[3] == "terms-phases")
    for year in range(first, first + count):
        one_year(year, zassetsu)


def one_year(year, zassetsu):
    start, end = float(ephem.Date("%d/1/1" % year)), ephem.Date("%d/1/1" % (year + 1))
    events = [(crossing(15 * k, start), "term %d" % (15 * k)) for k in range(24)]
    if zassetsu:
        events += [(crossing(lon, start), "zassetsu %d" % lon) for lon in (27, 80, 100, 117, 207, 297)]
    for name, finder in (("new", ephem.next_new_moon), ("first", ephem.next_first_quarter_moon),
                         ("full", ephem.next_full_moon), ("last", ephem.next_last_quarter_moon)):
        d = finder(start)
        while d < end:
            events.append((d, name))
            d = finder(ephem.Date(d + 1))
    for d, name in sorted(events):
        print(ephem.Date(d), name)


if __name__ == "__main__":
    main()
