#pragma once

// The bodies of the planet list and their numbers. One enum serves every
// model; the calculator's own computation numbers the same bodies 1 to 11
// (the Earth, 4, is a body of its orbit tables but never a target).
namespace skycalc {

// In the planet list's order: a body's value is its list position (0-9).
enum class Body { kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto, kMoon };
inline constexpr int kBodyCount = 10;

// The calculator's body numbers.
inline constexpr int kSunBody = 1;
inline constexpr int kEarthBody = 4;
inline constexpr int kPlutoBody = 10;
inline constexpr int kMoonBody = 11;

// The calculator's number of body: 1 Sun, 2 Mercury, 3 Venus, 5 Mars ... 10 Pluto, 11 Moon.
constexpr int BodyNumber(Body body) {
  const int position = static_cast<int>(body);
  return position < 3 ? position + 1 : position + 2;
}
// Whether number is a body the readouts can compute: 1-11 except the Earth (4).
constexpr bool IsBodyNumber(int number) { return number >= kSunBody && number <= kMoonBody && number != kEarthBody; }
// The body of a number IsBodyNumber accepts; any other number gives the Sun,
// as the readouts compute it.
constexpr Body BodyOfNumber(int number) {
  if (!IsBodyNumber(number)) return Body::kSun;
  return static_cast<Body>(number < kEarthBody ? number - 1 : number - 2);
}
// The body at planet list position 0-9; any other position gives the Sun.
constexpr Body BodyOfListPosition(int position) {
  return position >= 0 && position < kBodyCount ? static_cast<Body>(position) : Body::kSun;
}

}  // namespace skycalc
