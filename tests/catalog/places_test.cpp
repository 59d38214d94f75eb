// 地点: the shipped table against the almanac office's list, and finding a
// place by what a user types.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "catalog/places.h"

namespace skycalc {
namespace {

std::vector<PlaceEntry> ShippedPlaces() { return LoadPlaces(SKYCALC_DATA_DIR); }

const PlaceEntry* Named(const std::vector<PlaceEntry>& places, const std::string& name) {
  for (const PlaceEntry& place : places)
    if (place.name == name) return &place;
  return nullptr;
}

// "141°21′" or "139°44′28.8869″" as degrees.
double Sexagesimal(const char* text) {
  int d = 0, m = 0;
  double s = 0.0;
  std::sscanf(text, "%d°%d′%lf″", &d, &m, &s);
  return d + m / 60.0 + s / 3600.0;
}

// The headings of the prefectures' pages of 各地のこよみ, as the office prints
// them: 東経 and 北緯 to the minute (東京 to the arc second, from 暦要項).
// Reference: 国立天文台 暦計算室, 各地のこよみ, https://eco.mtk.nao.ac.jp/koyomi/dni/ ;
// 暦要項 (東京の経緯度), https://eco.mtk.nao.ac.jp/koyomi/yoko/ ; 那覇, 福岡 and 京都 also in
// 暦要項 備考1 予報地点の経緯度, https://eco.mtk.nao.ac.jp/koyomi/yoko/appendix.html
struct OfficePoint {
  const char* name;
  const char* east;
  const char* north;
};
const OfficePoint kOfficeList[] = {
    {"札幌", "141°21′", "43°04′"}, {"青森", "140°44′", "40°49′"}, {"盛岡", "141°09′", "39°42′"},
    {"仙台", "140°52′", "38°16′"}, {"秋田", "140°07′", "39°43′"}, {"山形", "140°21′", "38°15′"},
    {"福島", "140°28′", "37°45′"}, {"水戸", "140°29′", "36°22′"}, {"宇都宮", "139°53′", "36°34′"},
    {"前橋", "139°04′", "36°23′"}, {"さいたま", "139°39′", "35°51′"}, {"千葉", "140°07′", "35°36′"},
    {"東京", "139°44′28.8869″", "35°39′29.1572″"}, {"横浜", "139°39′", "35°27′"}, {"新潟", "139°02′", "37°55′"},
    {"富山", "137°13′", "36°41′"}, {"金沢", "136°39′", "36°34′"}, {"福井", "136°13′", "36°04′"},
    {"甲府", "138°34′", "35°40′"}, {"長野", "138°11′", "36°39′"}, {"岐阜", "136°46′", "35°25′"},
    {"静岡", "138°23′", "34°58′"}, {"名古屋", "136°55′", "35°10′"}, {"津", "136°31′", "34°44′"},
    {"大津", "135°52′", "35°00′"}, {"京都", "135°45′", "35°01′"}, {"大阪", "135°29′", "34°41′"},
    {"神戸", "135°11′", "34°41′"}, {"奈良", "135°50′", "34°41′"}, {"和歌山", "135°10′", "34°14′"},
    {"鳥取", "134°14′", "35°30′"}, {"松江", "133°03′", "35°28′"}, {"岡山", "133°56′", "34°40′"},
    {"広島", "132°27′", "34°23′"}, {"山口", "131°28′", "34°11′"}, {"徳島", "134°33′", "34°04′"},
    {"高松", "134°03′", "34°21′"}, {"松山", "132°46′", "33°50′"}, {"高知", "133°32′", "33°33′"},
    {"福岡", "130°24′", "33°35′"}, {"佐賀", "130°18′", "33°15′"}, {"長崎", "129°52′", "32°45′"},
    {"熊本", "130°43′", "32°48′"}, {"大分", "131°37′", "33°14′"}, {"宮崎", "131°25′", "31°54′"},
    {"鹿児島", "130°33′", "31°36′"}, {"那覇", "127°40′", "26°13′"},
};

// Each capital where the office computes it, to the list's precision: the
// keyed four decimals are within 0.36″ of the printed figure. JST, height 0 m.
TEST(ShippedPlaces, AgreeWithTheAlmanacOfficeList) {
  const std::vector<PlaceEntry> places = ShippedPlaces();
  for (const OfficePoint& point : kOfficeList) {
    const PlaceEntry* place = Named(places, point.name);
    ASSERT_NE(place, nullptr) << point.name;
    EXPECT_NEAR(place->longitude, Sexagesimal(point.east), 0.5e-4 + 1e-9) << point.name;
    EXPECT_NEAR(place->latitude, Sexagesimal(point.north), 0.5e-4 + 1e-9) << point.name;
    EXPECT_EQ(place->zoneMinutes, 540) << point.name;
    EXPECT_TRUE(place->hasHeight && place->height == 0.0) << point.name;
  }
  // 三鷹, the office itself (IAU code 388: 139°32′17.1″ E, 35°40′30.8″ N), and the
  // zones of a few cities abroad (standard time; -3h30m-style zones are minutes apart).
  const PlaceEntry* mitaka = Named(places, "三鷹");
  ASSERT_NE(mitaka, nullptr);
  EXPECT_NEAR(mitaka->longitude, Sexagesimal("139°32′17.1″"), 0.5e-4);
  EXPECT_NEAR(mitaka->latitude, Sexagesimal("35°40′30.8″"), 0.5e-4);
  const struct {
    const char* name;
    int zone;
  } zones[] = {{"ホノルル", -600}, {"ロンドン", 0}, {"コルカタ", 330}, {"カトマンズ", 345}, {"アデレード", 570},
               {"ニューヨーク", -300}, {"シドニー", 600}};
  for (const auto& z : zones) {
    const PlaceEntry* place = Named(places, z.name);
    ASSERT_NE(place, nullptr) << z.name;
    EXPECT_EQ(place->zoneMinutes, z.zone) << z.name;
  }
  EXPECT_GE(places.size(), 47u + 1u + 30u);
}

// What a user types, and the place it names ("" for none).
TEST(FindPlace, ByNameReadingOrRomanisedNameInAnyWidthAndCase) {
  const std::vector<PlaceEntry> places = ShippedPlaces();
  const struct {
    const char* typed;
    const char* found;
  } cases[] = {
      {"札幌", "札幌"},       {"さっぽろ", "札幌"},   {"サッポロ", "札幌"},     {"ｻｯﾎﾟﾛ", "札幌"},
      {"ＳＡＰＰＯＲＯ", "札幌"}, {"sapporo", "札幌"}, {"さっ", "札幌"},         {"ｷﾞﾌ", "岐阜"},
      {"つ", "津"},           {"Tōkyō", "東京"},     {"Hong Kong", "香港"},    {"hongkong", "香港"},
      {"ほんこん", "香港"},   {"ホー・チミン", "ホーチミン"}, {"ﾆｭｰﾖｰｸ", "ニューヨーク"}, {"ふく", ""},
      {"", ""},               {"Sappro", ""},
  };
  for (const auto& c : cases) {
    const int index = FindPlace(places, c.typed);
    EXPECT_EQ(index < 0 ? std::string() : places[static_cast<std::size_t>(index)].name, c.found) << c.typed;
  }
}

TEST(SuggestPlaces, NamesTheClosestFirst) {
  const std::vector<PlaceEntry> places = ShippedPlaces();
  EXPECT_EQ(SuggestPlaces(places, "Sappro").front(), "札幌");
  EXPECT_EQ(SuggestPlaces(places, "とうきよう").front(), "東京");
  EXPECT_EQ(SuggestPlaces(places, "ふく"), (std::vector<std::string>{"福島", "福井", "福岡"}));
  EXPECT_TRUE(PlaceNameIsAmbiguous(places, "ふく"));
  EXPECT_FALSE(PlaceNameIsAmbiguous(places, "つ"));  // 津 by its whole reading
  EXPECT_FALSE(PlaceNameIsAmbiguous(places, "Sappro"));
  // The list filter: reading, kanji, romanised name or region.
  EXPECT_EQ(MatchPlaces(places, "北海道").size(), 1u);
  EXPECT_EQ(MatchPlaces(places, "").size(), places.size());
}

// The calculator's zone fields: the hours rounded down, the minutes added (-3h30m is -4 and 30).
TEST(ZoneFieldsOf, AddsTheMinutesToTheHoursRoundedDown) {
  const struct {
    int minutes, hour, minute;
    const char* text;
  } cases[] = {{540, 9, 0, "+09:00"}, {-600, -10, 0, "-10:00"}, {345, 5, 45, "+05:45"}, {-210, -4, 30, "-03:30"}, {0, 0, 0, "+00:00"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ZoneFieldsOf(c.minutes).hour, c.hour) << c.minutes;
    EXPECT_EQ(ZoneFieldsOf(c.minutes).minute, c.minute) << c.minutes;
    EXPECT_EQ(FormatZoneOffset(c.minutes), c.text);
  }
}

TEST(ReadPlaces, SkipsCommentsAndRowsThatDoNotParse) {
  std::istringstream in(
      "# c\n札幌\tさっぽろ\tSapporo\t北海道\t141.35\t43.0667\t0\t+09:00\r\n"
      "x\ty\tz\tw\tnot\t1\t-\t+09:00\nshort\trow\n"
      "港\tみなと\tMinato\tX\t1.5\t2.5\t-\t+9:00\nロンドン\tろんどん\tLondon\t英\t-0.1253\t51.5083\t-\t+00:00\n");
  const std::vector<PlaceEntry> places = ReadPlaces(in);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].latitudeText, "43.0667");
  EXPECT_FALSE(places[1].hasHeight);
  EXPECT_EQ(places[1].longitude, -0.1253);
}

}  // namespace
}  // namespace skycalc
