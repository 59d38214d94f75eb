// The eclipse drawing's geometry against published figures.

#include <gtest/gtest.h>

#include <cmath>

#include "panel/eclipse_box.h"

using namespace skycalc;

// Reference: 国立天文台 暦計算室, 日食各地予報: 2009-07-22 at Tokyo (139°44.5′E, 35°39.3′N)
// greatest magnitude 0.749; 暦要項: 2022-11-08 total lunar eclipse, umbral magnitude 1.364.
// The discs as drawn give it back: (covering + covered radius − centre distance) / covered diameter.
TEST(EclipseDrawing, DiscsGiveTheOfficesMagnitude) {
  const struct {
    std::int32_t year;
    const char* date;
    double magnitude;
  } cases[] = {{2009, "2009-07-22", 0.749}, {2022, "2022-11-08", 1.364}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    const EclipseListResult list = ListEclipses({c.year, 1, 540, 139.7417, 35.655, 0.0});
    const eclipse::Eclipse* e = nullptr;
    for (const eclipse::Eclipse& each : list.eclipses)
      if (EclipseSummary(each, 540).rfind(c.date, 0) == 0) e = &each;
    ASSERT_NE(e, nullptr);
    const DisplayList d = DrawEclipse(e);
    // Solar: the Sun, then the Moon; lunar: the Moon first, the umbra's dotted edge last.
    const bool lunar = e->kind == eclipse::Kind::kLunar;
    const DisplayItem& covered = d.items[0];
    const DisplayItem& covering = lunar ? d.items.back() : d.items[1];
    EXPECT_EQ(lunar, !covering.dash.empty());
    const double distance = std::hypot(covered.points[0] - covering.points[0], covered.points[1] - covering.points[1]);
    EXPECT_NEAR((covering.radius + covered.radius - distance) / (2 * covered.radius), c.magnitude, 0.01);
  }
}

// Reference: the lens common to two circles (Weisstein, "Circle-Circle Intersection",
// MathWorld): area r1² acos(d1/r1) − d1 √(r1² − d1²) + the same for r2, d1 + d2 = d.
TEST(EclipseDrawing, ShadowOnTheMoonIsTheDiscsCommonPart) {
  const double cases[][2] = {{7.0, 5.0}, {3.0, 10.0}, {14.0, 20.0}, {0.5, 2.0}, {20.0, 5.0}};  // d, r2; r1 = 6
  for (const auto& [d, r2] : cases) {
    const double r1 = 6.0, d1 = (d * d - r2 * r2 + r1 * r1) / (2 * d), d2 = d - d1;
    const double lens = r1 * r1 * std::acos(d1 / r1) - d1 * std::sqrt(r1 * r1 - d1 * d1) + r2 * r2 * std::acos(d2 / r2) -
                        d2 * std::sqrt(r2 * r2 - d2 * d2);
    const double expected = d >= r1 + r2 ? 0.0 : d <= std::fabs(r1 - r2) ? std::acos(-1.0) * std::min(r1, r2) * std::min(r1, r2) : lens;
    const std::vector<double> p = DiscOverlap(0.0, 0.0, r1, d, 0.0, r2, 96);
    double twice = 0.0;  // the shoelace formula
    for (std::size_t i = 0; i < p.size(); i += 2) twice += p[i] * p[(i + 3) % p.size()] - p[(i + 2) % p.size()] * p[i + 1];
    EXPECT_NEAR(std::fabs(twice) / 2, expected, 0.01 * expected + 1e-9) << d << " " << r2;
  }
}
