#!/usr/bin/env python3
"""The peer of skycalc-cli --events for the Sun: PyEphem's rising, transit and
setting with the same conventions (upper limb, 34' of refraction at sea level,
no pressure model) and the three twilights (centre at -6, -12, -18 degrees),
one local day after another, printed one line a day.

    peer_events.py DAYS      (from 2025-01-01 at 139.7 E, 35.7 N, zone +9)
"""
import sys

import ephem


def main():
    days = int(sys.argv[1])
    site = ephem.Observer()
    site.lon, site.lat, site.elevation, site.pressure = "139.7", "35.7", 0, 0
    sun = ephem.Sun()
    start = ephem.Date("2024/12/31 15:00")  # 2025-01-01 00:00 at +9
    for day in range(days):
        midnight = ephem.Date(start + day)
        site.date = midnight
        site.horizon = "-0:34"
        line = [str(day)]
        for search in (site.next_rising, site.next_transit, site.next_setting):
            try:
                line.append(str(search(sun, start=midnight)))
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                line.append("-")
        for depression in ("-6", "-12", "-18"):
            site.horizon = depression
            for search in (site.next_rising, site.next_setting):
                try:
                    line.append(str(search(sun, start=midnight, use_center=True)))
                except (ephem.AlwaysUpError, ephem.NeverUpError):
                    line.append("-")
        print("\t".join(line))


if __name__ == "__main__":
    main()
