#pragma once

#include <erfam.h>

// The sizes and corrections the eclipse computation adopts: those of the
// Japanese national almanac office's eclipse predictions, with the Earth's
// shadow enlarged as in the national almanacs.
namespace skycalc::eclipse::conventions {

// The Earth's equatorial radius (km) and flattening: WGS84, as the precise
// model's sites.
inline constexpr double kEarthRadiusKm = 6378.137;
inline constexpr double kEarthFlattening = 1.0 / 298.257223563;
inline constexpr double kAuKm = ERFA_DAU / 1000.0;

// Reference: National Astronomical Observatory of Japan, 暦象年表 1995,
// 「日食・月食について」, https://eco.mtk.nao.ac.jp/koyomi/topics/html/topics1995.html:
// the Sun's semidiameter at one astronomical unit 959.63", the ratio of the
// Moon's radius to the Earth's equatorial radius k = 0.2725076 (the IAU
// value, used for every contact, inner as well as outer), and the offset of
// the Moon's centre of figure from its centre of mass, +0.50" in apparent
// ecliptic longitude and -0.25" in latitude.
inline constexpr double kSunSemidiameterAt1Au = 959.63 * ERFA_DAS2R;
inline constexpr double kMoonRadiusRatio = 0.2725076;
inline constexpr double kMoonFigureLongitude = 0.50 * ERFA_DAS2R;
inline constexpr double kMoonFigureLatitude = -0.25 * ERFA_DAS2R;

// Reference: Chauvenet (1891), A Manual of Spherical and Practical Astronomy,
// as adopted by the national almanacs and set out by F. Espenak,
// "Enlargement of Earth's Shadows", https://eclipse.gsfc.nasa.gov/LEcat5/shadow.html:
// the radii of the umbra and penumbra are enlarged by 1/50 for the Earth's
// atmosphere, and the Moon's equatorial horizontal parallax is scaled by
// 0.998340 for the Earth's mean radius at latitude 45 degrees:
//   penumbra = 1.02 (0.998340 pi_M + s_S + pi_S), umbra = 1.02 (0.998340 pi_M - s_S + pi_S).
inline constexpr double kShadowEnlargement = 1.02;
inline constexpr double kShadowParallaxScale = 0.998340;

// Reference: A. Danjon (1951), as used by Espenak and Meeus, Five Millennium
// Canon of Lunar Eclipses (NASA/TP-2009-214172), described by F. Espenak,
// "Shadow Diameters and Lunar Eclipses", http://eclipsewise.com/oh/oh-help/LEshadow.html:
// the Earth's radius enlarged by 1/85 for the atmosphere (less 1/594 for its
// oblateness), so that
//   penumbra = 1.01 pi_M + s_S + pi_S, umbra = 1.01 pi_M - s_S + pi_S.
// With it the canon's counts of penumbral, partial and total eclipses of
// 2001-2100 come out exactly (tests/astro/eclipse).
inline constexpr double kDanjonParallaxScale = 1.01;

}  // namespace skycalc::eclipse::conventions
