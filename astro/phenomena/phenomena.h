#pragma once

#include <cstddef>
#include <vector>

// The year's sky events (天象): the planets' configurations with the Sun,
// their stations, Venus's greatest brilliancy, each planet's closest approach
// to the Earth, the Moon's perigees, apogees and conjunctions with the
// planets and four bright stars of the zodiac, the Earth's perihelion and
// aphelion, conjunctions of two bright planets and the maxima of the major
// meteor showers. All from the accurate theories of the almanac: the whole
// VSOP87 (version B) for the Earth and the planets, ELP/MPP02 for the Moon,
// precession IAU 2006 and nutation IAU 2000B, light-time and annual
// aberration as the almanac applies them to the Sun (accurate.h).
//
// "Apparent" is geocentric, of date (true equator, equinox and ecliptic);
// every instant is found on the whole theories. Years 1000 to 2999.
//
// Reference: 国立天文台 暦計算室, こよみ用語解説 天象 惑星現象
//   (eco.mtk.nao.ac.jp/koyomi/faq/phenomena.html) for the definitions below:
// - 合 (内合, 外合 for Mercury and Venus): the planet's and the Sun's apparent
//   ecliptic longitudes are equal; 内合 when the planet is the nearer.
// - 衝, 東矩, 西矩: the planet's apparent longitude less the Sun's is 180,
//   90 and 270 degrees (Mars to Neptune).
// - 東方 and 西方最大離角: the true geocentric angular distance of Mercury or
//   Venus from the Sun is greatest, east or west of the Sun.
// - 留: the planet's apparent right ascension stops changing; 順行→逆行 at a
//   maximum of the right ascension, 逆行→順行 at a minimum.
// - 最大光度 (Venus), 地球最近, 近地点, 遠地点, 近日点, 遠日点: the extremum of
//   the magnitude or the distance named.
// - Conjunctions of the Moon with a planet or a star, and of two planets:
//   their apparent ecliptic longitudes are equal.
// Each call is independent and holds no state: safe from any thread.
namespace skycalc::phenomena {

inline constexpr int kFirstYear = 1000;
inline constexpr int kLastYear = 2999;
inline constexpr char kYearsMessage[] = "天象は1000年～2999年にだけ計算できます。";
static_assert(kFirstYear == 1000 && kLastYear == 2999, "kYearsMessage names the years");

enum class Status { kOk, kOutsideYears };

enum class Kind {
  kConjunction,                 // 合 (Mars to Neptune with the Sun)
  kInferiorConjunction,         // 内合
  kSuperiorConjunction,         // 外合
  kOpposition,                  // 衝
  kEasternQuadrature,           // 東矩
  kWesternQuadrature,           // 西矩
  kGreatestEasternElongation,   // 東方最大離角, value: the angle
  kGreatestWesternElongation,   // 西方最大離角, value: the angle
  kStationaryToRetrograde,      // 留 (順行→逆行)
  kStationaryToDirect,          // 留 (逆行→順行)
  kGreatestBrilliancy,          // 最大光度 (Venus), value: the magnitude
  kClosestToEarth,              // 地球最近, value: the geometric distance (au)
  kPerigee,                     // 近地点 (the Moon), value: km
  kApogee,                      // 遠地点 (the Moon), value: km
  kMoonConjunction,             // the Moon and a planet or a star, value: their latitudes apart
  kPerihelion,                  // 近日点 (the Earth), value: au
  kAphelion,                    // 遠日点 (the Earth), value: au
  kPlanetConjunction,           // two planets, value: their latitudes apart
  kMeteorShower,                // a shower's maximum, value: the Sun's J2000 longitude (degrees)
};
inline constexpr int kKindCount = 19;

// The three groups a listing filters by.
enum class Group { kPlanet, kMoon, kMeteor };
Group GroupOf(Kind kind);

enum class Object {
  kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune,
  kMoon, kEarth,
  kAldebaran, kRegulus, kSpica, kAntares,
  kNone,
};
inline constexpr int kPlanetCount = 7;  // kMercury..kNeptune

enum class Unit { kNone, kDegree, kAu, kKm, kMagnitude };

struct Event {
  Kind kind = Kind::kConjunction;
  Object body = Object::kNone;   // the planet, the Moon or the Earth; kNone for a shower
  Object other = Object::kNone;  // the planet or star the Moon (or the first planet) meets
  int shower = -1;               // kMeteorShower: index into Showers()
  double jdTt = 0, jdUtc = 0;    // the instant, Julian Days
  double value = 0;              // in unit; latitudes apart as a magnitude (north gives the side)
  Unit unit = Unit::kNone;
  bool north = false;            // conjunctions: other passes north of body (else south)
};

// A meteor shower: its IMO code, Japanese name and the Sun's longitude
// (J2000.0, degrees) of its maximum.
struct Shower {
  const char* code;
  const char* name;
  double solarLongitudeDeg;
};
const Shower* Showers(std::size_t* count);

struct YearPhenomena {
  Status status = Status::kOk;
  std::vector<Event> events;  // by instant
};
// Every event whose instant falls in the local year (zone: minutes east of
// Greenwich).
YearPhenomena PhenomenaOfYear(int year, int zoneMinutes);

// The apparent place of a planet (kMercury..kNeptune) at jdTt: longitude,
// latitude (ecliptic of date), right ascension, declination (radians),
// distance from the Earth (AU, light-time corrected) and from the Sun (AU).
struct PlanetPlace {
  double longitude = 0, latitude = 0, rightAscension = 0, declination = 0;
  double distance = 0, sunDistance = 0;
};
PlanetPlace PlanetApparent(Object planet, double jdTt);

}  // namespace skycalc::phenomena
