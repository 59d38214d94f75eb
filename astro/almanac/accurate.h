#pragma once

// Accurate apparent places of the Sun and the Moon, for the almanac (solar
// terms, Moon phases) and for eclipses: the Earth from the whole VSOP87
// theory (version B) and the Moon from the lunar theory ELP/MPP02 (the
// successor of ELP 2000-82B by the same authors) with its constants fitted to
// the JPL ephemeris DE405, nutation IAU 2000B, precession IAU 2006 (ERFA).
// Instants are Julian Days of TT; angles in radians, distances in AU.
//
// VSOP87's frame is turned onto the ICRS by its authors' rotation to FK5
// (accurate.cpp), then by ERFA's frame bias, precession and nutation; the
// Moon's frame is taken as the dynamical one of J2000.0.
//
// Measured against the JPL ephemeris DE405 reduced with ERFA (IAU 2006/2000A,
// frame bias, aberration by the barycentric velocity) from 1960 to 2060:
// the Sun's longitude within 0.03" (mean -0.014"), the Moon's within 0.09"
// (mean +0.036"), right ascension and declination within 0.09", the
// distances within 2.4 km (Sun) and 0.12 km (Moon); the solar terms within
// 0.75 s (mean +0.25 s over 1960-2025), the Moon's phases within 0.24 s (mean
// -0.09 s) (tests/astro/almanac, scripts/make_almanac_reference.py). Meant
// for 1000-2999, where the theories' errors grow with the distance from 2000.
//
// Each call is independent and holds no state: safe from any thread.
namespace skycalc::accurate {

struct ApparentPlace {
  double longitude = 0, latitude = 0;          // apparent geocentric ecliptic of date (nutation+aberration), radians
  double rightAscension = 0, declination = 0;  // apparent geocentric, true equator and equinox of date, radians
  double distance = 0;                         // AU, geocentric
};

// The Sun with annual aberration (the Earth's heliocentric velocity, which
// also stands for the light-time of the Sun's own motion) and nutation; the
// true ecliptic of date (obliquity with nutation). longitude and
// rightAscension in [0, 2pi); distance geometric at jdTt.
ApparentPlace SunApparent(double jdTt);

// The Moon at the instant its light left it (light-time from its distance);
// no annual aberration: for a body moving with the Earth it cancels the
// Earth's own displacement during the light-time to 1e-9 rad. distance
// geometric, when the light left (within 0.2 km of that at jdTt). Otherwise
// as SunApparent.
ApparentPlace MoonApparent(double jdTt);
// SunApparent and MoonApparent at one instant, the turns of frame taken once.
void SunMoonApparent(double jdTt, ApparentPlace& sun, ApparentPlace& moon);
// The same from the lunar terms of 1" (1 km) and more only: within 27" of
// MoonApparent over 1000-3000 (9" over 1900-2100), a tenth of the cost.
ApparentPlace MoonApparentCoarse(double jdTt);
// Each coordinate from every term or from the coarse ones as asked, for a
// search on one of them (the longitude for conjunctions, the distance for
// perigees); all true is MoonApparent, all false MoonApparentCoarse.
ApparentPlace MoonApparentMixed(double jdTt, bool wholeLongitude, bool wholeLatitude, bool wholeDistance);

// For searches: the apparent ecliptic longitudes of date of the Sun and the
// Moon ([0, 2pi)) and their rates (radians per day, from the series alone,
// good to 0.1% for Newton steps).
struct Longitudes {
  double sun = 0, moon = 0;
  double sunRate = 0, moonRate = 0;
};
// Both in full when coarse is false; else the Sun as SunApparentLongitude's
// coarse one and the Moon as MoonApparentCoarse.
Longitudes ApparentLongitudes(double jdTt, bool coarse);
// The Sun's alone (no lunar series); coarse: from the Earth's terms of 1e-6
// and more only (within 2" of the whole theory from 1000 to 3000, a third of
// the cost), as in ApparentLongitudes(jdTt, true).
double SunApparentLongitude(double jdTt, double* ratePerDay, bool coarse = false);

// Vectors on VSOP87's ecliptic and equinox of J2000.0 (any length, AU) as
// apparent places of date, through the same turns of frame as the Sun's:
// count vectors in, count places out (distance: the vector's length). The
// caller applies light-time and aberration.
void PlacesOfDate(const double (*eclipticJ2000)[3], int count, double jdTt, ApparentPlace* places);

}  // namespace skycalc::accurate
