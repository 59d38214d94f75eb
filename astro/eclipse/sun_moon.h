#pragma once

// The geocentric Sun and Moon the eclipse computation is built on. Every
// place the eclipse code takes of the two bodies comes through the
// functions below (sun_moon.cpp), so that another ephemeris of the same shape can
// stand in for them by editing that one file.
namespace skycalc::eclipse {

struct ApparentPlace {
  double longitude = 0, latitude = 0;            // apparent geocentric ecliptic of date, rad
  double rightAscension = 0, declination = 0;    // apparent geocentric, true equator of date, rad
  double distance = 0;                           // AU
};

// The apparent geocentric place of the Sun / the Moon (its centre of mass)
// at the TT Julian Day jdTt, for UTC instants inside the precise model's
// years (precise::kFirstJdUtc to precise::kEndJdUtc); outside them every
// number is NaN.
ApparentPlace SunApparent(double jdTt);
ApparentPlace MoonApparent(double jdTt);
// Both at once (each as above), for a cost below the two calls.
void SunMoonApparent(double jdTt, ApparentPlace& sun, ApparentPlace& moon);
// The Moon from its larger terms only: within 30" of MoonApparent, a tenth of
// its cost. Good enough to find a syzygy and screen it; never for a contact.
ApparentPlace MoonApparentCoarse(double jdTt);

}  // namespace skycalc::eclipse
