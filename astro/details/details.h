#pragma once

#include <limits>

#include "astro/base/body.h"
#include "astro/sky/model.h"

// What a body looks like at an instant: brightness, phase, elongation from
// the Sun, apparent size and distance, from the geometry of the Sun, the
// Earth and the body in either model.
namespace skycalc::details {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The geometry the figures come from. Two sets of axes may be used: one
// for helio, geo and planetPole, one for bodyDirection, sunDirection and
// eclipticPole (each set must share its axes).
struct Geometry {
  Body body = Body::kSun;
  double helio[3] = {0.0, 0.0, 0.0};          // Sun to body, AU (zero for the Sun)
  double geo[3] = {0.0, 0.0, 0.0};            // the Earth's centre to body, AU
  double planetPole[3] = {0.0, 0.0, 1.0};     // north pole of Saturn or Uranus (unit); unused for the others
  double bodyDirection[3] = {1.0, 0.0, 0.0};  // direction of the body from the Earth's centre, any length
  double sunDirection[3] = {1.0, 0.0, 0.0};   // direction of the Sun likewise
  double eclipticPole[3] = {0.0, 0.0, 1.0};   // north pole of the ecliptic (unit)
  double year = 2000.0;                       // decimal year (Neptune's brightness changed over 1980-2000)
};

// The figures; NaN where one does not apply (the Sun has no phase or
// elongation).
struct BodyDetails {
  double magnitude = kNaN;            // apparent visual magnitude
  double illuminatedFraction = kNaN;  // of the disc's area, [0, 1]
  double phaseAngle = kNaN;           // Sun-body-Earth angle, radians [0, pi]
  double elongation = kNaN;           // Sun-Earth-body angle, radians [0, pi]
  bool east = false;                  // the body's ecliptic longitude is ahead of the Sun's (evening sky)
  double diameter = kNaN;             // apparent equatorial diameter, radians
  double distance = kNaN;             // from the Earth's centre, AU
};

// Equatorial radii (km), indexed by Body.
// Reference: Archinal, B. A. et al. (2018), "Report of the IAU Working Group on Cartographic
//   Coordinates and Rotational Elements: 2015", Celest. Mech. Dyn. Astr. 130:22, tables 1 and 5
//   (the Sun: IAU 2015 Resolution B3 nominal radius).
inline constexpr double kEquatorialRadiusKm[10] = {695700.0, 2440.53, 6051.8, 3396.19, 71492.0,
                                                   60268.0,  25559.0, 24764.0, 1188.3, 1737.4};
inline constexpr double kAuKm = 149597870.7;

// The figures of g.body from g. A NaN anywhere in g gives NaN figures.
BodyDetails DetailsOf(const Geometry& g);

// The geometry of body from the vectors a model placed it with (v.valid;
// otherwise NaN vectors): the directions from the body's and the Sun's
// vectors as the model gives them (the precise model's astrometric places,
// as almanacs take the elongation, without the aberration; the calculator's
// geometric ones), the poles on the model's axes.
Geometry GeometryOf(Body body, const sky::BodyVectors& v);

}  // namespace skycalc::details
