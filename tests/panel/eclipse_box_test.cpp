// The eclipse drawing's geometry: the discs as drawn give back the magnitude
// that the almanac office publishes, and the shadow on the Moon is the
// discs' common part.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "panel/eclipse_box.h"

using namespace skycalc;

namespace {

// Twice the area of a closed outline (x0, y0, x1, y1, ...), by the shoelace formula.
double Area(const std::vector<double>& p) {
  double twice = 0.0;
  for (std::size_t i = 0; i + 1 < p.size(); i += 2) {
    const std::size_t j = (i + 2) % p.size();
    twice += p[i] * p[j + 1] - p[j] * p[i + 1];
  }
  return std::fabs(twice) / 2;
}

}  // namespace

// Reference: 国立天文台 暦計算室, 日食各地予報: 2009-07-22 Tokyo (139°44.5′E, 35°39.3′N)
// greatest magnitude 0.749; 2022-11-08 total lunar eclipse, umbral magnitude 1.364 (暦要項).
// The magnitude is the covered fraction of the covered disc's diameter:
// (covering radius + covered radius − centre distance) / covered diameter.
TEST(EclipseDrawing, DiscsGiveTheOfficesMagnitude) {
  const struct {
    std::int32_t year;
    const char* date;
    double magnitude;
  } cases[] = {{2009, "2009-07-22", 0.749}, {2022, "2022-11-08", 1.364}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    const EclipseListResult list = ListEclipses({c.year, 1, 540, 139.7417, 35.655, 0.0});
    const eclipse::Eclipse* found = nullptr;
    for (const eclipse::Eclipse& e : list.eclipses)
      if (EclipseSummary(e, 540).rfind(c.date, 0) == 0) found = &e;
    ASSERT_NE(found, nullptr);
    const DisplayList d = DrawEclipse(found);
    const bool lunar = found->kind == eclipse::Kind::kLunar;
    // Solar: the Sun, then the Moon; lunar: the Moon first, the umbra's edge last.
    const DisplayItem& covered = lunar ? d.items.front() : d.items[0];
    const DisplayItem& covering = lunar ? d.items.back() : d.items[1];
    ASSERT_EQ(covered.shape, DisplayItem::Shape::kCircle);
    ASSERT_EQ(covering.shape, DisplayItem::Shape::kCircle);
    EXPECT_EQ(lunar, !covering.dash.empty());
    const double distance = std::hypot(covered.points[0] - covering.points[0], covered.points[1] - covering.points[1]);
    EXPECT_NEAR((covering.radius + covered.radius - distance) / (2 * covered.radius), c.magnitude, 0.01);
    // The Moon and what it covers fit inside the picture.
    for (const DisplayItem* disc : {&covered, lunar ? &d.items.front() : &covering})
      EXPECT_LE(std::hypot(disc->points[0] - 40, disc->points[1] - 40) + disc->radius, 40.0);
  }
}

// Reference: the area of the lens common to two circles (Weisstein, "Circle-Circle
// Intersection", MathWorld): r1² acos(d1/r1) − d1 √(r1² − d1²) + the same for r2, d1 + d2 = d.
TEST(EclipseDrawing, ShadowOnTheMoonIsTheDiscsCommonPart) {
  const struct {
    double x2, r2;
  } cases[] = {{7.0, 5.0}, {3.0, 10.0}, {14.0, 20.0}, {0.5, 2.0}, {20.0, 5.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x2);
    const double r1 = 6.0, d = c.x2, r2 = c.r2;
    double expected = 0.0;
    if (d <= std::fabs(r1 - r2)) {
      expected = std::acos(-1.0) * std::pow(std::min(r1, r2), 2);
    } else if (d < r1 + r2) {
      const double d1 = (d * d - r2 * r2 + r1 * r1) / (2 * d), d2 = d - d1;
      expected = r1 * r1 * std::acos(d1 / r1) - d1 * std::sqrt(r1 * r1 - d1 * d1) + r2 * r2 * std::acos(d2 / r2) -
                 d2 * std::sqrt(r2 * r2 - d2 * d2);
    }
    const std::vector<double> outline = DiscOverlap(0.0, 0.0, r1, d, 0.0, r2, 96);
    EXPECT_NEAR(outline.empty() ? 0.0 : Area(outline), expected, 0.01 * expected + 1e-9);
  }
}
