#pragma once

#include <vector>

#include "astro/eclipse/conventions.h"
#include "astro/precise/precise.h"

// Eclipses of the Sun and the Moon: every eclipse in a span of time, its
// kind, its greatest phase, and its circumstances at one site.
//
// Conventions (conventions.h): the Moon's radius k = 0.2725076 Earth radii,
// the Sun's semidiameter 959.63" at 1 AU, the Moon's centre of figure offset
// from its centre of mass; the Earth's shadow enlarged by 1/50 with the
// Moon's parallax scaled to the mean Earth radius at latitude 45 degrees;
// solar eclipses by Besselian elements on the WGS84 ellipsoid, the site at
// sea level. Altitudes are geometric (no refraction) of the body's centre.
// The horizon an eclipse is seen above is the office's for its eclipse
// tables: the upper limb of the Sun or the Moon (seen from the site) with
// 35'08" of horizontal refraction, as its sunrise (events/convention.h).
// Instants are UTC Julian Days (UT1 taken as UTC).
namespace skycalc::eclipse {

enum class Kind { kLunar, kSolar };
enum class Type { kPenumbral, kPartial, kTotal, kAnnular, kHybrid };
// The phases, and the body's rising and setting while the eclipse is on
// (an eclipse in progress at sunrise, sunset, moonrise, moonset).
enum class ContactName { kP1, kU1, kU2, kMax, kU3, kU4, kP4, kC1, kC2, kC3, kC4, kSunrise, kSunset, kMoonrise, kMoonset };

// One phase of the eclipse seen from the site.
struct Contact {
  ContactName name = ContactName::kMax;
  double jdUtc = 0.0;
  double altitude = 0.0;  // of the Moon (lunar) or the Sun (solar), radians
  double azimuth = 0.0;   // from the south point through the west, [0, 2pi)
  // Rising and setting only: the magnitude at that instant (solar: of the
  // Sun's diameter covered at the site; lunar: umbral, or penumbral for a
  // penumbral eclipse). 0 for the phases.
  double magnitude = 0.0;
  // The body is below the office's horizon (never for a rising or setting).
  bool belowHorizon = false;
};

struct Eclipse {
  Kind kind = Kind::kLunar;
  // Lunar: by the umbral and penumbral magnitudes. Solar: over the whole
  // Earth (a total or annular eclipse whose umbra or antumbra only grazes
  // the Earth counts as total or annular; hybrid when the central line
  // changes from one to the other).
  Type type = Type::kPartial;
  // Lunar: the least distance of the Moon from the shadow's axis. Solar:
  // the shadow's axis closest to the Earth's centre.
  double greatestJdUtc = 0.0;
  // Lunar: umbral magnitude at greatest (negative for a penumbral eclipse),
  // the penumbral magnitude, and the fraction of the Moon's disc in the umbra.
  // Solar: at the site's maximum, the fraction of the Sun's diameter covered
  // and of its disc's area (both 0 when the eclipse is not seen there: the
  // site outside the penumbra or the Sun below the horizon throughout;
  // penumbralMagnitude 0).
  double magnitude = 0.0;
  double penumbralMagnitude = 0.0;
  double obscuration = 0.0;
  // Lunar: the Moon is above the office's horizon at some moment of the
  // eclipse (from U1 to U4, or P1 to P4 for a penumbral one). Solar: the
  // site is in the penumbra with the Sun above it at some moment.
  bool visible = false;
  // In time order. Lunar: P1, U1, U2, max, U3, U4, P4, those that exist.
  // Solar: C1, C2, max, C3, C4 at the site (C2, C3 only inside the central
  // path), empty when the eclipse is not seen there. Contacts below the
  // horizon are kept (belowHorizon). Among them, each rising or setting of
  // the body inside the span visible is judged on (kSunrise ... kMoonset).
  std::vector<Contact> contacts;
  // The look at maximum from the site, for a drawing (radians on the sky; x
  // along increasing azimuth, y up toward the zenith, both from the centre
  // of the Sun's disc or of the shadow): the Sun's radius (solar), the
  // umbra's and the penumbra's (lunar), the Moon's radius and its centre.
  // All 0 for a solar eclipse not seen from the site.
  struct View {
    double sun = 0.0, umbra = 0.0, penumbra = 0.0, moon = 0.0, moonX = 0.0, moonY = 0.0;
  } view;
};

// How the Earth's shadow is enlarged for its atmosphere: by 1/50
// (Chauvenet; the national almanacs, the Japanese office among them) or by
// enlarging the Earth's radius by 1/85 (Danjon; the French almanac and the
// Espenak-Meeus canons).
enum class ShadowRule { kChauvenet, kDanjon };

// The sizes an eclipse is computed with: the Moon's radius in Earth
// equatorial radii for the outer contacts and the lunar eclipse (moonRadius)
// and for the umbra of a solar eclipse (moonRadiusInner), and the shadow rule.
// The defaults are the Japanese office's (conventions.h).
struct Conventions {
  double moonRadius = conventions::kMoonRadiusRatio;
  double moonRadiusInner = conventions::kMoonRadiusRatio;
  ShadowRule shadow = ShadowRule::kChauvenet;
};

struct EclipseList {
  precise::Status status = precise::Status::kOk;  // kOutsideYears when the span leaves the model's years
  std::vector<Eclipse> eclipses;                  // by greatestJdUtc
};

// Every eclipse whose greatest instant lies in [firstJdUtc, endJdUtc), with
// its circumstances at site. The span must lie inside the precise model's
// years (precise::kFirstJdUtc to precise::kEndJdUtc); otherwise the status
// says so and the list is empty.
EclipseList FindEclipses(double firstJdUtc, double endJdUtc, const GeoSite& site,
                         const Conventions& conventions = Conventions{});

}  // namespace skycalc::eclipse
