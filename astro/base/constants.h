#pragma once

// The calculator's fixed numeric constants. Every formula uses these decimal
// values, never the double nearest to pi: the readouts are defined by them.
namespace skycalc {

inline constexpr double kPi = 3.1415926535;                   // pi, ten decimals, truncated
inline constexpr double kTwoPi = 6.283185307;                 // exactly 2 * kPi
inline constexpr double kHalfPi = 1.57079632675;              // exactly kPi / 2
inline constexpr double kThreeHalfPi = 4.71238898025;         // exactly 3 * kPi / 2
inline constexpr double kInvTwoPi = 0.15915494309644432;      // 1 / kTwoPi (not of the true 2 pi)
inline constexpr double kInv360 = 0.002777777777777778;       // 1 / 360
inline constexpr double kInv60 = 0.016666666666666666;        // 1 / 60
inline constexpr double kInv24 = 0.041666666666666664;        // 1 / 24
inline constexpr double kDegToRad = 0.017453292519444445;     // kPi / 180
inline constexpr double kRadToDeg = 57.29577951471995;        // 180 / kPi
inline constexpr double kArcsecToRad = 4.84813681095679e-06;  // one arcsecond with kPi
inline constexpr double kArcSinBound = 1.0000000001;          // |sine| tolerated beyond 1
inline constexpr double kInvCentury = 2.7378507871321012e-05; // 1 / 36525 days
inline constexpr double kJD1900 = 2415020.0;                  // 1900 January 0.5
inline constexpr double kJD2000 = 2451545.0;                  // J2000.0
inline constexpr double kEarthRadiusAU = 4.26343e-05;         // Earth's equatorial radius, AU (6378 km)

// The true circle constants, for the models that do not follow the
// calculator's arithmetic (the precise model, the events search, the
// figures written for other programs).
inline constexpr double kExactPi = 3.14159265358979323846;
inline constexpr double kExactTwoPi = 2.0 * kExactPi;
inline constexpr double kExactDegToRad = kExactPi / 180.0;
inline constexpr double kExactRadToDeg = 180.0 / kExactPi;

}  // namespace skycalc
