#pragma once

#include <string>

#include "astro/details/details.h"
#include "astro/events/convention.h"
#include "astro/frames/place.h"
#include "astro/sky/model.h"

// The calculator's "この時刻" readouts: what the body of the checked kind
// looks like at the stored instant, in the model in use (magnitude, phase,
// elongation, size, distance, constellation), and their texts, shared by
// the window's 出没時刻 box and skycalc-cli --details.
namespace skycalc {

struct Observation;

struct BodyDetailsReadout {
  bool hasFigures = false;     // the Sun, a planet, Pluto or the Moon (stars and points have only a constellation)
  bool moon = false;           // distance also in km
  details::BodyDetails figures;  // NaN throughout without figures
  int constellation = -1;      // IAU index 0-87 (details::ConstellationAbbreviation), -1 when unknown
};

// target in model at instant, from the place and vectors
// model.PlaceOf gave for it there (place in radians on the model's equator of
// date: mean for the calculator's model, true for the precise one). Where the
// model has no place every figure is NaN and the constellation -1.
BodyDetailsReadout ReadBodyDetails(const sky::SkyModel& model, const sky::Target& target, const sky::Instant& instant,
                                   const Place& place, const sky::BodyVectors& vectors);
// The same for observation's target at its stored instant and site, the
// place computed as the readouts compute it.
BodyDetailsReadout ReadBodyDetails(const Observation& observation);

// The one-line name of a rise and set convention, as the 出没時刻 box shows it.
std::string ConventionLine(const events::RiseSetConvention& convention);

// Texts (UTF-8). The figures in the order the line and the 出没時刻 box show
// them (0-6), each with its caption and its text, "—" for one that does not
// apply: 等級 "-4.12", 輝面比 "0.734", 位相角 "62.3°", 離角 "東 45.12°" /
// "西 45.12°", 視直径 "24.3″", 距離 "0.67120 au" (the Moon:
// "0.0025695 au (384400 km)"), 星座 "ふたご (Gem)". Any other figure number
// gives "".
inline constexpr int kDetailsFigureCount = 7;
const char* DetailsCaption(int figure);
std::string FormatFigure(int figure, const BodyDetailsReadout& r);
// All of them on one line, each after its caption:
// "等級 -4.12  輝面比 0.734  位相角 62.3°  離角 東 45.12°  視直径 24.3″  距離 0.67120 au  星座 ふたご (Gem)",
// appended to out (no line break).
void AppendDetailsLine(std::string& out, const BodyDetailsReadout& r);

inline constexpr char kNotApplicable[] = "—";
inline constexpr char kMomentCaption[] = "この時刻";
// The block's caption with the stored time of observation: "この時刻 21:05".
std::string MomentCaption(const Observation& observation);

}  // namespace skycalc
