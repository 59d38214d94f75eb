#!/usr/bin/python3
"""Writes data/ChartStars.txt and data/ChartLines.txt for the sky chart.

    npm pack d3-celestial@0.7.35 && tar xzf d3-celestial-0.7.35.tgz
    /usr/bin/python3 scripts/make_chart_data.py package    (the unpacked folder)

Source: the npm package d3-celestial 0.7.35 (Copyright (c) 2015, Olaf
Frohn; BSD-3-Clause licence, reproduced in the header of each file written):
  data/stars.6.json                Hipparcos stars to magnitude 6 (position
                                   of J2000.0 and epoch 2000, V magnitude,
                                   B-V colour index); those to 5.5 are kept.
  data/constellations.lines.json   the IAU constellation figures as
                                   polylines of J2000.0 star positions.
The figures are written under the row of the constellation in
data/ConstData.txt (matched by the abbreviation after its semicolon).

Proper motions: d3-celestial has none; the 115 bright stars of PyEphem's
star list (Debian package python3-ephem 4.1.4, module ephem.stars, MIT
licence; Hipparcos proper motions, mu_alpha cos delta and mu_delta in mas per
year) give theirs to the chart star at the same place (within 0.01 degree).
Every other star is written with 0 0.
"""
import json
import math
import os
import sys

import ephem.stars

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
VERSION = "0.7.35"
MAG_LIMIT = 5.5

HEADER = """# Source: npm package d3-celestial {v} (data/{f}), BSD-3-Clause licence:
{licence}# Written by scripts/make_chart_data.py.
"""


def licence_lines(package):
    with open(os.path.join(package, "LICENSE")) as f:
        return "".join("# " + line.rstrip() + "\n" for line in f if line.strip())


def ra_of(lon):
    return lon + 360.0 if lon < 0 else lon


def constellation_rows():
    rows = {}
    with open(os.path.join(ROOT, "data", "ConstData.txt"), "rb") as f:
        for i, line in enumerate(f):
            rows[line.rsplit(b";", 1)[1].strip().decode("ascii")] = i
    return rows


def proper_motions(stars):
    """{Hipparcos number: (pm ra*, pm dec)} for the PyEphem stars found among stars."""
    motions = {}
    for line in ephem.stars.db.splitlines():
        fields = line.split(",")
        ra_field, dec_field = fields[2].split("|"), fields[3].split("|")
        ra = float(ra_field[0]) * 15.0
        dec = float(dec_field[0])
        for s in stars:
            lon, lat = s["geometry"]["coordinates"]
            d = math.hypot((ra_of(lon) - ra) * math.cos(math.radians(dec)), lat - dec)
            if d < 0.01:
                motions[s["id"]] = (float(ra_field[1]), float(dec_field[1]))
    return motions


def main(package):
    data = os.path.join(package, "data")
    licence = licence_lines(package)
    stars = json.load(open(os.path.join(data, "stars.6.json")))["features"]
    kept = sorted((s for s in stars if s["properties"]["mag"] <= MAG_LIMIT), key=lambda s: s["id"])
    with open(os.path.join(ROOT, "data", "ChartStars.txt"), "w") as out:
        out.write(HEADER.format(v=VERSION, f="stars.6.json", licence=licence))
        out.write("# Proper motions of the bright stars: PyEphem 4.1.4 (ephem.stars, MIT licence), Hipparcos\n")
        out.write("# Hipparcos number, right ascension and declination of J2000.0 at epoch 2000 (degrees), V, B-V,\n"
                  "# proper motion in right ascension times cos(declination) and in declination (mas per year)\n")
        motions = proper_motions(kept)
        for s in kept:
            lon, lat = s["geometry"]["coordinates"]
            bv = s["properties"].get("bv") or "0"
            pm = motions.get(s["id"], (0.0, 0.0))
            out.write("%d %.4f %.4f %.2f %.3f %.2f %.2f\n" % (s["id"], ra_of(lon), lat, s["properties"]["mag"], float(bv),
                                                             pm[0], pm[1]))
    rows = constellation_rows()
    figures = json.load(open(os.path.join(data, "constellations.lines.json")))["features"]
    with open(os.path.join(ROOT, "data", "ChartLines.txt"), "w") as out:
        out.write(HEADER.format(v=VERSION, f="constellations.lines.json", licence=licence))
        out.write("# Row of ConstData.txt, abbreviation, then the polyline's J2000.0 points ra,dec (degrees)\n")
        for fig in sorted(figures, key=lambda f: rows[f["id"]]):
            for line in fig["geometry"]["coordinates"]:
                points = " ".join("%.4f,%.4f" % (ra_of(p[0]), p[1]) for p in line)
                out.write("%d %s %s\n" % (rows[fig["id"]], fig["id"], points))
    print(len(kept), "stars,", len(motions), "with proper motions,", len(figures), "figures")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "package")
