#pragma once

#include "astro/base/constants.h"

// Where a body stands when it rises or sets: the horizontal refraction taken
// and the point of the disc that touches the horizon. Twilights are the same
// in every convention (the Sun's centre at -6, -12, -18 degrees).
namespace skycalc::events {

enum class Limb { kCentre, kUpper };

struct RiseSetConvention {
  const char* name;         // "jp" or "intl", as the command line and JSON spell it
  double refraction;        // radians, horizontal refraction (the altitude of the horizon's image)
  Limb sunLimb;             // the Sun's point on the horizon
  Limb moonLimb;            // the Moon's (the only other body with a semidiameter; planets are points)
  bool apparentTransit;     // a transit's altitude with the refraction of TransitRefraction (else geometric)
};

// Japan's national almanac office (国立天文台 暦計算室): sunrise and sunset
// with the Sun's upper limb, moonrise and moonset with the Moon's centre
// (topocentric, as the models give it), planets and stars with the centre;
// horizontal refraction 35'08", site at sea level (height 0). The office
// gives its times to the nearest minute (the panel's FormatEventTime rounds
// so): the runs of days that share the extremes of its Tokyo table of 2024
// begin and end where a time crosses a half minute, which no other rule fits
// (tests/astro/sky/japan_convention_test.cpp).
// Its tables give the altitude of a transit (南中高度) as seen, refraction
// included (TransitRefraction).
// Reference: 国立天文台 暦計算室, こよみ用語解説 (日の出入り; 月・惑星の出入り),
//   https://eco.mtk.nao.ac.jp/koyomi/faq/glossary.html ("地平大気差を35′8″としています");
//   暦要項, 東京の日出入 (標高の効果は考慮していません), https://eco.mtk.nao.ac.jp/koyomi/yoko/
inline constexpr RiseSetConvention kJapanConvention = {
    "jp", (35.0 / 60.0 + 8.0 / 3600.0) * kExactPi / 180.0, Limb::kUpper, Limb::kCentre, true};

// The international convention this program used first: 34' of refraction,
// the upper limb of the Sun and of the Moon, the geometric altitude of a transit.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 9.31 (34', upper limb).
inline constexpr RiseSetConvention kIntlConvention = {"intl", 34.0 / 60.0 * kExactPi / 180.0,
                                                      Limb::kUpper, Limb::kUpper, false};

// Refraction (radians, >= 0) that lifts a body of geometric altitude
// altitude (radians) in the standard atmosphere (1010 hPa, 10 degrees C):
// Saemundsson's formula R = 1.02' / tan(h + 10.3 / (h + 5.11)), h in degrees,
// less its 0.0019279' at the zenith so that R is 0 there; the same inversion
// of Bennett's table that almanacs use, within 4" of it above the horizon.
// Below the horizon's image (the geometric altitude of convention's horizon,
// -horizonRefraction) nothing of the body is seen, and the result is 0.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 16, eq. (16.4);
//   T. Saemundsson, Sky and Telescope 72 (1986), 70.
double TransitRefraction(double altitude, double horizonRefraction);

// The convention of a name ("jp", "intl"); nullptr for any other.
const RiseSetConvention* ConventionNamed(const char* name);

}  // namespace skycalc::events
