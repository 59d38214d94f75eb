#!/usr/bin/python3
"""Draws the sky of a site and instant as the calculator's 星図 draws it, but
with astropy's places and matplotlib's drawing: a picture to set beside the
window's and the page's chart (docs/chart-astropy.png).

    /usr/bin/python3 scripts/make_chart_astropy.py [--date 2026-12-07]
        [--time 21:30] [--zone 9] [--longitude 140] [--latitude 35]
        [--facing 180] [--size 1120] [--out docs/chart-astropy.png]

Needs the Debian packages python3-astropy and python3-matplotlib (run with
/usr/bin/python3; no network: the bundled IERS table and astropy's built-in
ephemeris). The time is local, --zone hours east of UTC.

The same data as the chart: the stars of data/ChartStars.txt to magnitude
5.5, carried from epoch 2000 by their proper motions, the figures of
data/ChartLines.txt, the ecliptic of date; the Sun, the Moon and the planets from Mercury to
Neptune (astropy's built-in ephemeris has no Pluto). Places are astropy's
apparent altitudes and azimuths at sea level without refraction (pressure
0). The projection is the chart's: stereographic about the zenith, a point
at zenith distance z drawn R tan(z / 2) from the centre, its azimuth less
the facing turned from straight down towards the right (south down: the
east on the left, as the sky seen from below). The sky's shade follows the
Sun's altitude by the almanac office's limits (-0°50', -6°, -12°, -18°).
"""
import argparse
import math
import os
import warnings

import astropy.units as u
import matplotlib
from astropy.coordinates import AltAz, EarthLocation, GeocentricTrueEcliptic, SkyCoord, get_body
from astropy.time import Time
from astropy.utils import iers

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402 (after the back end is chosen)
from matplotlib.collections import LineCollection  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MAGNITUDE_LIMIT = 5.5
BODIES = [("sun", "太陽"), ("moon", "月"), ("mercury", "水星"), ("venus", "金星"), ("mars", "火星"),
          ("jupiter", "木星"), ("saturn", "土星"), ("uranus", "天王星"), ("neptune", "海王星")]
# The sky by the Sun's altitude (degrees): above the limit, that colour.
SHADES = [(-50.0 / 60.0, "#568ccc"), (-6.0, "#345296"), (-12.0, "#1e2e68"), (-18.0, "#141c44"), (-91.0, "#0a0e22")]

iers.conf.auto_download = False
iers.conf.iers_degraded_accuracy = "warn"
warnings.simplefilter("ignore")


def rows(name):
    with open(os.path.join(ROOT, "data", name)) as f:
        return [line.split() for line in f if not line.startswith("#") and line.strip()]


def project(alt, az, facing):
    """Chart units (radius 1, y down) of altitudes and azimuths in degrees."""
    rho = [math.tan(math.radians(90.0 - a) / 2.0) for a in alt]
    turn = [math.radians(a - facing) for a in az]
    return [r * math.sin(t) for r, t in zip(rho, turn)], [r * math.cos(t) for r, t in zip(rho, turn)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--date", default="2026-12-07")
    parser.add_argument("--time", default="21:30")
    parser.add_argument("--zone", type=float, default=9.0)
    parser.add_argument("--longitude", type=float, default=140.0)
    parser.add_argument("--latitude", type=float, default=35.0)
    parser.add_argument("--facing", type=float, default=180.0)
    parser.add_argument("--size", type=int, default=1120)
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "chart-astropy.png"))
    args = parser.parse_args()

    when = Time(f"{args.date}T{args.time}:00", scale="utc") - args.zone * u.hour
    frame = AltAz(obstime=when, location=EarthLocation.from_geodetic(args.longitude * u.deg, args.latitude * u.deg, 0 * u.m),
                  pressure=0 * u.hPa)

    stars = [r for r in rows("ChartStars.txt") if float(r[3]) <= MAGNITUDE_LIMIT]
    coords = SkyCoord(ra=[float(r[1]) for r in stars] * u.deg, dec=[float(r[2]) for r in stars] * u.deg,
                      pm_ra_cosdec=[float(r[5]) for r in stars] * u.mas / u.yr,
                      pm_dec=[float(r[6]) for r in stars] * u.mas / u.yr,
                      distance=1e6 * u.pc, obstime=Time("J2000.0"), frame="icrs")
    places = coords.apply_space_motion(new_obstime=when).transform_to(frame)
    alt, az = places.alt.deg, places.az.deg
    up = [i for i in range(len(stars)) if alt[i] > 0.0]
    sx, sy = project([alt[i] for i in up], [az[i] for i in up], args.facing)
    sizes = [(min(max(0.7 + 0.55 * (MAGNITUDE_LIMIT - float(stars[i][3])), 0.7), 4.6) * args.size / 800.0) ** 2 for i in up]

    figures = []
    for r in rows("ChartLines.txt"):
        points = [tuple(map(float, p.split(","))) for p in r[2:]]
        line = SkyCoord(ra=[p[0] for p in points] * u.deg, dec=[p[1] for p in points] * u.deg, frame="icrs").transform_to(frame)
        x, y = project(line.alt.deg, line.az.deg, args.facing)
        figures += [[(x[k], y[k]), (x[k + 1], y[k + 1])] for k in range(len(x) - 1)
                    if line.alt.deg[k] > 0.0 and line.alt.deg[k + 1] > 0.0]

    # The ecliptic of date, a point every 2 degrees, drawn above the horizon.
    ecliptic = SkyCoord(lon=list(range(0, 362, 2)) * u.deg, lat=[0.0] * 181 * u.deg,
                        frame=GeocentricTrueEcliptic(equinox=when, obstime=when)).transform_to(frame)
    ex, ey = project(ecliptic.alt.deg, ecliptic.az.deg, args.facing)
    ecliptic_segments = [[(ex[k], ey[k]), (ex[k + 1], ey[k + 1])] for k in range(len(ex) - 1)
                         if ecliptic.alt.deg[k] > 0.0 and ecliptic.alt.deg[k + 1] > 0.0]

    bodies = []
    for key, name in BODIES:
        place = get_body(key, when, frame.location).transform_to(frame)
        bodies.append((name, place.alt.deg, place.az.deg))
    sun_altitude = bodies[0][1]
    sky = next(colour for limit, colour in SHADES if sun_altitude > limit)

    plt.rcParams["font.family"] = ["IPAPGothic", "IPAGothic", "sans-serif"]
    figure = plt.figure(figsize=(args.size / 100.0, args.size / 100.0), dpi=100, facecolor="#18181e")
    axes = figure.add_axes((0, 0, 1, 1))
    reach = 400.0 / (400.0 - 48.0)  # the chart's box about its horizon circle
    axes.set_xlim(-reach, reach)
    axes.set_ylim(reach, -reach)
    axes.set_aspect("equal")
    axes.axis("off")
    axes.add_patch(plt.Circle((0, 0), 1.0, color=sky, zorder=0))
    axes.add_collection(LineCollection(figures, colors=[(110 / 255, 150 / 255, 215 / 255, 150 / 255)],
                                       linewidths=0.9 * args.size / 800.0, zorder=1))
    axes.add_collection(LineCollection(ecliptic_segments, colors=[(230 / 255, 200 / 255, 80 / 255, 170 / 255)],
                                       linewidths=1.2 * args.size / 800.0, zorder=1))
    axes.scatter(sx, sy, s=sizes, c="white", linewidths=0, zorder=2)
    font = 11.0 * args.size / 800.0
    for name, a, z in bodies:
        if a <= 0.0:
            continue
        (x,), (y,) = project([a], [z], args.facing)
        axes.scatter([x], [y], s=(6 * args.size / 800.0) ** 2, c="#ffd24a" if name == "太陽" else "#f5f3e1", zorder=3)
        axes.annotate(name, (x, y), xytext=(font * 0.6, 0), textcoords="offset points", color="#ebebd2", fontsize=font,
                      va="center", zorder=4)
    for label, azimuth in (("北", 0.0), ("東", 90.0), ("南", 180.0), ("西", 270.0)):
        (x,), (y,) = project([-6.0], [azimuth], args.facing)
        axes.text(x, y, label, color="#e1e4f0", fontsize=font * 1.2, ha="center", va="center")
    axes.add_patch(plt.Circle((0, 0), 1.0, fill=False, color="#d2d7e6", linewidth=1.5 * args.size / 800.0, zorder=5))
    axes.text(-reach + 0.03, -reach + 0.06, f"astropy {args.date} {args.time} (UTC{args.zone:+g}) "
              f"{args.longitude:g}° {args.latitude:g}°", color="#e1e4f0", fontsize=font, va="center")
    figure.savefig(args.out, dpi=100, facecolor=figure.get_facecolor())
    print(f"wrote {args.out}: {len(up)} stars, Sun at {sun_altitude:.1f}°")


if __name__ == "__main__":
    main()
