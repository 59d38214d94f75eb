#!/usr/bin/python3
"""Writes data/ChartStars.txt and data/ChartLines.txt for the sky chart.

    npm pack d3-celestial@0.7.35 && tar xzf d3-celestial-0.7.35.tgz
    /usr/bin/python3 scripts/make_chart_data.py package BSC5
        (the unpacked folder, then the Bright Star Catalogue's binary file)

Source: the npm package d3-celestial 0.7.35 (Copyright (c) 2015, Olaf
Frohn; BSD-3-Clause licence, reproduced in the header of each file written):
  data/stars.6.json                Hipparcos stars to magnitude 6 (position
                                   of J2000.0 and epoch 2000, V magnitude,
                                   B-V colour index); those to 5.5 are kept.
  data/constellations.lines.json   the IAU constellation figures as
                                   polylines of J2000.0 star positions.
The figures are written under the row of the constellation in
data/ConstData.txt (matched by the abbreviation after its semicolon).

Proper motions: d3-celestial has none. The 115 bright stars of PyEphem's
star list (Debian package python3-ephem 4.1.4, module ephem.stars, MIT
licence; Hipparcos proper motions, mu_alpha cos delta and mu_delta in mas per
year) give theirs to the chart star at the same place (within 0.01 degree).
Every other star takes that of the Yale Bright Star Catalogue, 5th revised
edition (D. Hoffleit and W. H. Warren Jr., 1991; CDS catalogue V/50, public
domain; FK5 proper motions of J2000.0, mu_alpha cos delta and mu_delta, to
0.001" a year), in the binary form that Harvard's Telescope Data Center
distributes as the file BSC5 (a 28-byte header, then 32 bytes a star:
catalogue number, right ascension and declination of J2000.0 in radians,
spectral type, V times 100, the two proper motions in radians a year). Each
chart star takes the catalogue star within 30" of its place (both of
J2000.0 at epoch 2000) that is closest by distance in arcseconds plus ten
times the difference in V (so a double star's brighter component); every
chart star has one, all but six within 8" (fast or double stars such as
61 Cyg, up to 16").
"""
import json
import math
import os
import struct
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


BSC_MATCH = 30.0  # arcseconds
BSC_MAGNITUDE_WEIGHT = 10.0  # arcseconds per magnitude


def bright_star_catalogue(path):
    """[(ra, dec in degrees, V, pm ra*, pm dec in mas a year)] of the binary BSC5."""
    with open(path, "rb") as f:
        data = f.read()
    star0, star1, starn, stnum, mprop, nmag, nbent = struct.unpack("<7i", data[:28])
    if starn != -9110 or stnum != 1 or mprop != 1 or nmag != 1 or nbent != 32:
        sys.exit("%s: not the J2000.0 binary BSC5 with proper motions" % path)
    to_mas = math.degrees(1.0) * 3600e3
    stars = []
    for i in range(-starn):
        _, ra, dec, _, v, pm_ra, pm_dec = struct.unpack("<fdd2shff", data[28 + 32 * i:60 + 32 * i])
        if ra != 0.0 or dec != 0.0:  # the 14 entries that are no star have no place
            stars.append((math.degrees(ra), math.degrees(dec), v / 100.0, pm_ra * to_mas, pm_dec * to_mas))
    return stars


def catalogue_motions(stars, catalogue):
    """{Hipparcos number: (pm ra*, pm dec)} from the catalogue star matched to each of stars."""
    zones = {}
    for entry in catalogue:
        zones.setdefault(math.floor(entry[1]), []).append(entry)
    motions = {}
    for s in stars:
        lon, lat = s["geometry"]["coordinates"]
        ra, v = ra_of(lon), s["properties"]["mag"]
        best = None
        for zone in range(math.floor(lat) - 1, math.floor(lat) + 2):
            for entry in zones.get(zone, []):
                d = math.hypot(((entry[0] - ra + 180.0) % 360.0 - 180.0) * math.cos(math.radians(lat)),
                               entry[1] - lat) * 3600.0
                score = d + BSC_MAGNITUDE_WEIGHT * abs(entry[2] - v)
                if d < BSC_MATCH and (best is None or score < best[0]):
                    best = (score, entry)
        if best is not None:
            motions[s["id"]] = (best[1][3], best[1][4])
    return motions


def main(package, catalogue_path):
    data = os.path.join(package, "data")
    licence = licence_lines(package)
    stars = json.load(open(os.path.join(data, "stars.6.json")))["features"]
    kept = sorted((s for s in stars if s["properties"]["mag"] <= MAG_LIMIT), key=lambda s: s["id"])
    with open(os.path.join(ROOT, "data", "ChartStars.txt"), "w") as out:
        out.write(HEADER.format(v=VERSION, f="stars.6.json", licence=licence))
        out.write("# Proper motions of the bright stars: PyEphem 4.1.4 (ephem.stars, MIT licence), Hipparcos; of the\n"
                  "# others: Yale Bright Star Catalogue, 5th revised ed. (Hoffleit and Warren 1991, CDS V/50), FK5\n")
        out.write("# Hipparcos number, right ascension and declination of J2000.0 at epoch 2000 (degrees), V, B-V,\n"
                  "# proper motion in right ascension times cos(declination) and in declination (mas per year)\n")
        catalogue = catalogue_motions(kept, bright_star_catalogue(catalogue_path))
        motions = proper_motions(kept)
        for s in kept:
            lon, lat = s["geometry"]["coordinates"]
            bv = s["properties"].get("bv") or "0"
            pm = motions.get(s["id"], catalogue.get(s["id"], (0.0, 0.0)))
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
    print(len(kept), "stars,", len(motions), "with PyEphem's proper motions,",
          len(set(catalogue) - set(motions)), "with the catalogue's,", len(figures), "figures")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
