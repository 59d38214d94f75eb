// The sky events as the almanac office published them, through the list's
// texts (date and time in JST to the minute, the figure).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "panel/phenomena_list.h"

namespace skycalc {
namespace {

struct Published {
  int year;
  phenomena::Kind kind;
  phenomena::Object body;
  const char* date;
  const char* time;  // "" where only the date was published
  double km;         // the distance published, 0 for none
  double kmDigits;   // the unit compared in
};

// Reference: 国立天文台 ほしぞら情報 火星が地球に最接近 (2018年7月: 7月31日 16時50分,
// 5759万 km; 2020年10月: 10月6日 23時18分, 6207万 km, and the next on 2022年12月1日,
// 8145万 km); 2003年: 8月27日 18時51分, 5575万8006 km (国立天文台 相馬充's
// computation, as quoted by fas.kaicho.net/tenshow/planet/mars2003); the
// geocentric geometric distance.
// 2024: the dates of 惑星の暦 by 相馬充 (国立天文台), as hal-astro-lab.com/data/event2024.html lists them.
constexpr Published kPublished[] = {
    {2003, phenomena::Kind::kClosestToEarth, phenomena::Object::kMars, "2003-08-27", "18:51", 55758006, 10},  // to 10 km: VSOP87 is 2 km off DE
    {2018, phenomena::Kind::kClosestToEarth, phenomena::Object::kMars, "2018-07-31", "16:50", 57590000, 1e4},
    {2020, phenomena::Kind::kClosestToEarth, phenomena::Object::kMars, "2020-10-06", "23:18", 62070000, 1e4},
    {2022, phenomena::Kind::kClosestToEarth, phenomena::Object::kMars, "2022-12-01", "", 81450000, 1e4},
    {2024, phenomena::Kind::kStationaryToDirect, phenomena::Object::kJupiter, "2024-01-01", "", 0, 0},
    {2024, phenomena::Kind::kGreatestWesternElongation, phenomena::Object::kMercury, "2024-01-12", "", 0, 0},
    {2024, phenomena::Kind::kStationaryToDirect, phenomena::Object::kUranus, "2024-01-27", "", 0, 0},
    {2024, phenomena::Kind::kSuperiorConjunction, phenomena::Object::kMercury, "2024-02-28", "", 0, 0},
    {2024, phenomena::Kind::kConjunction, phenomena::Object::kSaturn, "2024-02-29", "", 0, 0},
    {2024, phenomena::Kind::kConjunction, phenomena::Object::kNeptune, "2024-03-17", "", 0, 0},
    {2024, phenomena::Kind::kGreatestEasternElongation, phenomena::Object::kMercury, "2024-03-25", "", 0, 0},
};

TEST(PhenomenaPublished, TheOfficesDatesTimesAndDistancesToTheMinute) {
  for (const Published& p : kPublished) {
    const PhenomenaListResult list = ListPhenomena({p.year, 1, 540, kPhenomenaPlanets});
    const PhenomenaRow* found = nullptr;
    for (const PhenomenaRow& row : list.rows) {
      if (row.event.kind == p.kind && row.event.body == p.body && row.date == p.date) found = &row;
    }
    ASSERT_NE(found, nullptr) << p.date;
    if (*p.time) {
      EXPECT_EQ(found->time, p.time) << p.date;
    }
    if (p.km > 0) {
      EXPECT_EQ(std::round(found->event.value * 149597870.7 / p.kmDigits), std::round(p.km / p.kmDigits)) << p.date;
    }
  }
}

// The almanac rounds to the nearest minute, 30 s up, and the date follows
// the rounded minute: an event at 23:59:30 JST is on the next day at 00:00.
TEST(PhenomenaPublished, RowsCarryTheRoundedMinuteIntoTheDate) {
  const PhenomenaListResult list = ListPhenomena({2024, 1, 540, kPhenomenaAll});
  ASSERT_FALSE(list.rows.empty());
  for (const PhenomenaRow& row : list.rows) {
    const double minutes = row.event.jdUtc * 1440.0 + 540.0 + 720.0;
    const double rounded = std::floor(minutes + 0.5);
    const long minuteOfDay = static_cast<long>(rounded - 1440.0 * std::floor(rounded / 1440.0));
    char expected[24];
    std::snprintf(expected, sizeof expected, "%02ld:%02ld", minuteOfDay / 60, minuteOfDay % 60);
    EXPECT_EQ(row.time, expected) << row.date << " " << row.name;
  }
  EXPECT_EQ(ListPhenomena({2999, 2, 540, kPhenomenaAll}).refusal != nullptr, true);
  EXPECT_EQ(PhenomenaGroupsOf("planet,meteor"), kPhenomenaPlanets | kPhenomenaMeteors);
  EXPECT_EQ(PhenomenaGroupsOf("planet,,moon"), 0u);
}

}  // namespace
}  // namespace skycalc
