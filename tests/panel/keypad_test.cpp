#include "panel_fixture.h"

namespace skycalc {
namespace {

struct KeypadCase {
  const char* keys;   // from the reset's "0"
  const char* entry;  // the entry and its display afterwards
};

// The keys with their field buttons, as a user presses them.
const KeypadCase kKeypadCases[] = {
    {"0 0 5", "5"},
    {"1 2 3", "123"},
    {"経度 . 2 5", "0.25"},
    {"経度 . 2 5 +/-", "-0.25"},
    {"経度 . 2 5 +/- +/-", "0.25"},
    {"経度 1 3 5 . .", "135."},
    {"経度 1 3 . 5 .", "13.5"},
    {"緯度 . 0 5", "0.05"},
    {"緯度 . 0 0", "0.00"},
    {"方位 3 5 9 . 9 9", "359.99"},
    {"月 1 . 2", "12"},
    {"方位 1 +/-", "1"},
    {"標時 1 . 2", "12"},
    {"標時 1 2 +/-", "-12"},
    {"標分 1 2 +/-", "12"},
    {"日 3 +/-", "3"},
    {"時 .", "0"},
    {"経度 +/-", "0"},
    {"経度 . +/-", "-0."},
    {"経度 . +/- +/-", "0."},
    {"年 +/- 5 0 0", "500"},
    {"年 5 0 0 +/-", "-500"},
    {". +/-", "0"},
    {"1 2 C", "0"},
    {"1 2 経度", "0"},
    {"経度 1 . 5 月", "0"},
    {"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0", "12345678901234567890"},
};

TEST_F(PanelTest, KeypadBuildsTheEntry) {
  for (const KeypadCase& c : kKeypadCases) {
    SCOPED_TRACE(c.keys);
    Open();
    Press(c.keys);
    EXPECT_EQ(dlg->Entry(), c.entry);
    EXPECT_EQ(Text(IDC_ENTRY), c.entry);
  }
}

// Every key refreshes the entry display, also when the entry does not change.
TEST_F(PanelTest, EveryKeyShowsTheEntry) {
  Open();
  host.textLog.clear();
  Press("0 0 5 . +/- C");
  std::vector<std::string> shown;
  for (const auto& [id, text] : host.textLog)
    if (id == IDC_ENTRY) shown.push_back(text);
  EXPECT_EQ(shown, (std::vector<std::string>{"0", "0", "5", "5", "5", "0"}));
}

// The target stays after C; the year button is white only while the year is the target.
TEST_F(PanelTest, ClearKeepsTheTargetAndYearButtonColour) {
  Open();
  EXPECT_FALSE(dlg->OnCtlColor(IDC_FIELD_YEAR));
  Press("年 1 C");
  EXPECT_TRUE(dlg->IsTarget(Field::kYear));
  EXPECT_TRUE(dlg->OnCtlColor(IDC_FIELD_YEAR));
  Press("月");
  EXPECT_FALSE(dlg->IsTarget(Field::kYear));
  EXPECT_TRUE(dlg->IsTarget(Field::kMonth));
  EXPECT_FALSE(dlg->OnCtlColor(IDC_FIELD_YEAR));
  for (int id : {IDC_TIME, IDC_RAAZM, IDC_DECALT, IDC_ENTRY}) EXPECT_TRUE(dlg->OnCtlColor(id)) << id;
  for (int id : {IDC_YEAR, IDC_LONGITUDE, IDC_SET, IDC_FIELD_MONTH, IDC_PLANETLIST}) EXPECT_FALSE(dlg->OnCtlColor(id));
}

// Only the field buttons set a target, and at most one at a time.
TEST_F(PanelTest, FieldButtonsKeepOneTarget) {
  Open();
  const std::pair<const char*, Field> buttons[] = {
      {"年", Field::kYear},         {"月", Field::kMonth},         {"日", Field::kDay},
      {"時", Field::kHour},         {"分", Field::kMinute},        {"経度", Field::kLongitude},
      {"緯度", Field::kLatitude},   {"方位", Field::kAzimuth},     {"標時", Field::kZoneHour},
      {"標分", Field::kZoneMinute}};
  for (const auto& [caption, field] : buttons) {
    Press(std::string("1 ") + caption);
    int set = 0;
    for (const auto& other : buttons) set += dlg->IsTarget(other.second) ? 1 : 0;
    EXPECT_EQ(set, 1) << caption;
    EXPECT_TRUE(dlg->IsTarget(field)) << caption;
    EXPECT_EQ(Text(IDC_ENTRY), "0");
  }
  EXPECT_FALSE(dlg->OnCommand(IDC_FIELD_BLANK1));
  EXPECT_FALSE(dlg->OnCommand(IDC_FIELD_BLANK2));
}

}  // namespace
}  // namespace skycalc
