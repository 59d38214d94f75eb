#pragma once

#include "astro/base/body.h"
#include "astro/base/site.h"
#include "astro/time/time_scales.h"

// The precise model: apparent places good to an arcminute, beside the
// calculator's own model and independent of it. Built on ERFA (the open copy
// of the IAU's SOFA library) for the Moon, precession-nutation, light
// deflection, aberration and sidereal time, with TT from
// astro/time/time_scales.h; the
// Earth and the planets from cut VSOP87 series and Pluto from Meeus's
// series, all written out here. Angles in radians, distances in astronomical
// units, instants as Julian Days. Nothing here uses the calculator's
// truncated circle constants.
namespace skycalc::precise {


// Whether a place could be given. The model holds for UTC instants from
// 0999-12-20 to 3000-01-13 (Pluto: 1884-12-20 to 2100-01-13): the
// user-facing years (1000-2999, Pluto 1885-2099, applied by the callers on
// the local date) and ten days on either side, so that a search or an
// interpolation around the first and last local days of those years has the
// places it needs. The series hold well past these days.
enum class Status { kOk, kOutsideYears, kOutsidePlutoYears };

// Those spans as UTC Julian Days, each [first, end): from 0h of its first day
// (0999-12-20 in the Julian calendar, 1884-12-20 Gregorian) up to, not
// including, 0h of the day after its last day (3000-01-13, 2100-01-13).
inline constexpr double kFirstJdUtc = 2086295.5;
inline constexpr double kEndJdUtc = 2816799.5;
inline constexpr double kFirstPlutoJdUtc = 2409530.5;
inline constexpr double kEndPlutoJdUtc = 2488081.5;

// The instants the model takes (astro/time/time_scales.h).
using timescale::Instant;

// The Earth's heliocentric position (AU) and velocity (AU/day), equatorial
// axes of J2000.0 (within 0.1" of the ICRS), at the TT Julian Day jdTt, from
// the VSOP87 theory cut to its terms of 5e-7 and more: within 950 km of the
// full theory from 1000 to 3000 (1.2" of the Sun's direction).
void EarthHeliocentric(double jdTt, double pv[2][3]);

// A planet's heliocentric position (AU) and velocity (AU/day), axes as the
// Earth's, at the TT Julian Day jdTt, from VSOP87 cut per planet
// (planets_series.cpp, written by scripts/make_precise_planets.py, gives each
// cut): each cut moves the geocentric direction by at most 3.5" from the
// full theory's from 1900 to 2100 and 5.6" from 1000 to 3000.
// body is one of kMercury to kNeptune; for any other body every number is NaN.
void PlanetHeliocentric(Body body, double jdTt, double pv[2][3]);

// Pluto's heliocentric place from Meeus's series (43 periodic terms; within
// 0.1 arcsec of the DE200 ephemeris from 1885 to 2099, meaningless outside):
// longitude [0, 2pi) and latitude (radians) on the ecliptic and mean equinox
// of J2000.0, radius vector in AU, at the TT Julian Day jdTt.
void PlutoHeliocentric(double jdTt, double& longitude, double& latitude, double& radius);

// Geocentric apparent place: true equator and equinox of date, with
// light-time, light deflection by the Sun and annual aberration.
struct GeocentricApparent {
  Status status = Status::kOk;
  double rightAscension = 0.0;  // [0, 2pi)
  double declination = 0.0;     // [-pi/2, pi/2]
  double distance = 0.0;        // AU from the Earth's centre; 0 for a star (no parallax)
};

// Topocentric apparent place for a site, and its horizontal coordinates.
struct TopocentricPlace {
  Status status = Status::kOk;
  double rightAscension = 0.0;     // [0, 2pi), true equator and equinox of date
  double declination = 0.0;        // [-pi/2, pi/2]
  double distance = 0.0;           // AU from the observer; 0 for a star
  double azimuth = 0.0;            // geometric, from the south point through west, [0, 2pi)
  double altitude = 0.0;           // geometric (no refraction), [-pi/2, pi/2]
  double localSiderealTime = 0.0;  // local apparent sidereal time, [0, 2pi)
};

// Geocentric astrometric place: where the body was when the light now
// arriving left it, seen from the Earth's centre, before light deflection,
// aberration and the turn to the equator of date.
struct AstrometricPlace {
  Status status = Status::kOk;
  double position[3] = {0.0, 0.0, 0.0};  // AU, axes of the ICRS (GCRS); body at TT - lightTime
  double lightTime = 0.0;                // days; |position| / c to within 1e-9 of itself
};

// The vectors a body's geocentric place is made from, ICRS (GCRS) axes, AU:
// the Earth's heliocentric position at the instant and the body's
// astrometric geocentric position (AstrometricPlace::position).
struct SolarSystemVectors {
  double earth[3] = {0.0, 0.0, 0.0};
  double body[3] = {0.0, 0.0, 0.0};
};

// The Sun, a planet, Pluto or the Moon at instant t.
AstrometricPlace BodyAstrometric(Body body, const Instant& t);
GeocentricApparent BodyGeocentric(Body body, const Instant& t);
// A catalogue place of J2000.0 (ICRS, no proper motion, no parallax) at instant t.
GeocentricApparent StarGeocentric(double ra2000, double dec2000, const Instant& t);
// Greenwich apparent sidereal time at t, [0, 2pi).
double ApparentSiderealTime(const Instant& t);
// The geocentric place seen from site when the Greenwich apparent sidereal
// time is gast: parallax removed (for distance > 0), then azimuth and altitude.
// A status other than kOk is passed on with every number NaN.
TopocentricPlace Topocentric(const GeocentricApparent& place, double gast, const GeoSite& site);

// Everything a readout needs, at the UTC instant jdUtc.
TopocentricPlace BodyPlace(Body body, double jdUtc, const GeoSite& site);
// The same, and the vectors it was made from into vectors (every number NaN
// where the status is not kOk). For the Moon the Earth is computed for the
// vectors alone.
TopocentricPlace BodyPlace(Body body, double jdUtc, const GeoSite& site, SolarSystemVectors& vectors);
TopocentricPlace StarPlace(double ra2000, double dec2000, double jdUtc, const GeoSite& site);

}  // namespace skycalc::precise
