// The 暦 box from the right-click menu: a month's days and events against the
// almanac office's published times (2026: 春分 3-20 23:46; 朔 3-19 10:23, as
// PyEphem also gives 10:23:25), stepping months, the years it holds for.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/almanac_dlg.h"
#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

void TriggerAlmanac(CSkyCalcWindow& window) {
  std::unique_ptr<QMenu> menu(window.CreateContextMenu());
  ASSERT_EQ(menu->actions().value(1)->text(), QString::fromUtf8("暦(&K)..."));  // after 出没時刻
  menu->actions().value(1)->trigger();
}

// Opens the 暦 box from the menu (checking its place there), runs look on it, then closes it with OK.
void WithAlmanacBox(CSkyCalcWindow& window, const std::function<void(QDialog&)>& look) {
  std::unique_ptr<QMenu> menu(window.CreateContextMenu());
  ASSERT_EQ(menu->actions().value(1)->text(), QString::fromUtf8("暦(&K)..."));  // after 出没時刻
  InspectMenuBox(window, "暦(&K)...", look, true);
}

QString Label(QDialog& box, const char* name) { return box.findChild<QLabel*>(name)->text(); }
QString Events(QDialog& box) {  // the three columns
  QString text;
  for (const char* name : {"IDC_ALMANAC_EVENTS1", "IDC_ALMANAC_EVENTS2", "IDC_ALMANAC_EVENTS3"}) {
    text += Label(box, name) + "\n";
  }
  return text;
}
QStringList Cell(QDialog& box, int day) { return box.findChild<CMonthGridView*>()->CellTexts(day); }

}  // namespace

class AlmanacBoxTest : public WindowTest {
 protected:
  void SetDate(const char* year, const char* month) {
    for (const auto& [field, digits] : {std::pair{IDC_FIELD_YEAR, year}, std::pair{IDC_FIELD_MONTH, month}}) {
      Click(field);
      Keys(digits);
      CloseMessages([&] { Click(IDC_SET); });
    }
  }
};

TEST_F(AlmanacBoxTest, March2026AndItsNeighbours) {
  Open();  // zone +9
  SetDate("2026", "3");
  WithAlmanacBox(*window, [](QDialog& box) {
    EXPECT_EQ(Label(box, "IDC_ALMANAC_MONTH"), QString::fromUtf8("2026年3月　標準時 9時0分"));
    // Published, and PyEphem to the minute: 望 3-3 20:38, 朔 3-19 10:23, 春分 3-20 23:46, 上弦 3-26 04:18.
    const QString events = Events(box);
    for (const char* line : {"3日 望 20:38", "19日 朔 10:23", "20日 春分 23:46", "26日 上弦 04:18"}) {
      EXPECT_TRUE(events.contains(QString::fromUtf8(line))) << line << " in " << events.toStdString();
    }
    // 朔 at 10:23 begins 旧二月 (the year's 旧正月 was 2-17): noon ages 0.07 and 1.07 days.
    // The Moon passes Saturn that evening (19:51; 海王星 at 16:00 is left to the 天象 box).
    EXPECT_EQ(Cell(box, 19), QString::fromUtf8("19 0.1 旧2/1 友引 朔 月・土星").split(' '));
    EXPECT_EQ(Cell(box, 20).mid(0, 4), QString::fromUtf8("20 1.1 旧2/2 先負").split(' '));
    EXPECT_TRUE(Cell(box, 20).contains(QString::fromUtf8("春分")));
    EXPECT_TRUE(Cell(box, 32).isEmpty());
    EXPECT_EQ(Label(box, "IDC_ALMANAC_NOTE"), QString::fromUtf8(almanac::kLunarNote));
    const struct {
      const char* button;
      const char* month;
      const char* line;  // a published event of that month
    } steps[] = {{"IDC_ALMANAC_PREVIOUS", "2026年2月", "17日 朔 21:01"},
                 {"IDC_ALMANAC_NEXT", "2026年3月", "20日 春分 23:46"},
                 {"IDC_ALMANAC_NEXT", "2026年4月", "17日 朔 20:52"}};
    for (const auto& step : steps) {
      box.findChild<QPushButton*>(step.button)->click();
      EXPECT_TRUE(Label(box, "IDC_ALMANAC_MONTH").startsWith(QString::fromUtf8(step.month))) << step.month;
      EXPECT_TRUE(Events(box).contains(QString::fromUtf8(step.line))) << step.line;
    }
  });
}

// December steps into the next year; the 2033-2034 months carry the second note.
TEST_F(AlmanacBoxTest, YearsAndTheUncertainLeapMonth) {
  Open();
  SetDate("2033", "12");
  WithAlmanacBox(*window, [](QDialog& box) {
    EXPECT_TRUE(Label(box, "IDC_ALMANAC_NOTE").endsWith(QString::fromUtf8(almanac::kLunarUncertainNote)));
    box.findChild<QPushButton*>("IDC_ALMANAC_NEXT")->click();
    EXPECT_TRUE(Label(box, "IDC_ALMANAC_MONTH").startsWith(QString::fromUtf8("2034年1月")));
  });
  for (const char* year : {"999", "3000"}) {
    SetDate(year, "6");
    EXPECT_EQ(CloseMessages([&] { TriggerAlmanac(*window); }),
              QStringList{QString::fromUtf8("暦は1000年～2999年にだけ計算できます。")}) << year;
  }
}

// Holidays in red with their names, after the cabinet office's list
// (2026-09-22 国民の休日).
TEST_F(AlmanacBoxTest, HolidaysInRed) {
  Open();
  SetDate("2026", "9");
  WithAlmanacBox(*window, [](QDialog& box) {
    const auto* view = box.findChild<CMonthGridView*>();
    EXPECT_EQ(Cell(box, 22).last(), QString::fromUtf8("国民の休日"));
    EXPECT_EQ(Cell(box, 23).last(), QString::fromUtf8("秋分の日"));
    // A Tuesday and a Sunday red, an ordinary Thursday not.
    EXPECT_EQ(view->DayColour(22), QColor(0xc0, 0, 0));
    EXPECT_EQ(view->DayColour(27), QColor(0xc0, 0, 0));
    EXPECT_NE(view->DayColour(24), QColor(0xc0, 0, 0));
  });
}

// The days' 天象 names: tests/panel/almanac_box_test.cpp (the view-model's rule).
