#pragma once

#include "astro/events/sky_function.h"

// The calculator's own model as a events::SkyFunction: the very functions and
// arithmetic of its readouts (truncated circle constants, mean sidereal time,
// the short lunar series with the parallax of a spherical Earth), valid for
// any date the calculator accepts, far past and future included.
namespace skycalc::sky {

// Semidiameters come from the model's own distances and these radii (km).
inline constexpr double kSunRadiusKm = 696000.0;
inline constexpr double kMoonRadiusKm = 1737.4;
inline constexpr double kAstronomicalUnitKm = 149597870.7;

// Body 1-11 except 4 (1 Sun, 2 Mercury, 3 Venus, 5 Mars, 6 Jupiter, 7 Saturn,
// 8 Uranus, 9 Neptune, 10 Pluto, 11 Moon) at a site: the place of
// skycalc::GeocentricPlace (topocentric for the Moon). Any other number gives
// kInvalidBody from Cover.
class CalculatorBodySky final : public events::SkyFunction {
 public:
  CalculatorBodySky(int body, const GeoSite& site);
  events::Status Cover(double fromJd, double toJd) const override;
  events::SkyState At(double jd) const override;
  bool IsSun() const override;

 private:
  int body_;
  GeoSite site_;
};

// A star or constellation point of J2000.0 (radians) at a site: the place of
// skycalc::CatalogPlace.
class CalculatorCatalogSky final : public events::SkyFunction {
 public:
  CalculatorCatalogSky(double ra2000, double dec2000, const GeoSite& site);
  events::Status Cover(double fromJd, double toJd) const override;
  events::SkyState At(double jd) const override;
  bool IsSun() const override { return false; }

 private:
  double ra2000_, dec2000_;
  GeoSite site_;
};

}  // namespace skycalc::sky
