// The window's additions beside the calculator: the precise model chosen
// from the right-click menu (caption, readouts, settings, years it holds for)
// and the 出没時刻 box.

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

const QString kCaption = QString::fromUtf8("星空ポケット「ほしよみ君」");
const QString kPreciseCaption = QString::fromUtf8("星空ポケット「ほしよみ君」 (高精度)");

// Opens the 出没時刻 box from the menu and returns the texts of the named
// labels ("<hidden>" for one not shown), then closes it with Esc.
QStringList RiseSetBoxTexts(CSkyCalcWindow& window, const std::vector<const char*>& names) {
  QStringList seen;
  InspectMenuBox(window, "出没時刻(&R)...", [&](QDialog& box) {
    seen << box.windowTitle();
    for (const char* name : names) {
      auto* label = box.findChild<QLabel*>(name);
      seen << (label && label->isVisible() ? label->text() : QStringLiteral("<hidden>"));
    }
  });
  return seen;
}

// The menu's one checkable item (the model switch).
QAction* PreciseItem(QMenu* menu) {
  for (QAction* action : menu->actions())
    if (action->isCheckable()) return action;
  return menu->actions().value(0);
}

}  // namespace

TEST_F(WindowTest, PreciseItemSwitchesTheModelAndTheCaption) {
  const auto readouts = [this] { return QStringList{Text(IDC_TIME), Text(IDC_RAAZM), Text(IDC_DECALT)}; };
  Open();
  Pick(IDC_PLANETLIST, 9);  // the Moon: the two models differ by arcminutes
  const QStringList calculator = readouts();
  EXPECT_EQ(window->windowTitle(), kCaption);
  {
    std::unique_ptr<QMenu> menu(window->CreateContextMenu());
    EXPECT_EQ(PreciseItem(menu.get())->text(), QString::fromUtf8("高精度計算(&P)"));
    EXPECT_TRUE(PreciseItem(menu.get())->isCheckable());
    EXPECT_FALSE(PreciseItem(menu.get())->isChecked());
  }
  TriggerMenuItem(*window, "高精度計算(&P)");
  EXPECT_EQ(window->windowTitle(), kPreciseCaption);
  const QStringList precise = readouts();
  EXPECT_EQ(precise[0], calculator[0]);  // the Julian Day readout is the same in both models
  EXPECT_NE(precise[1], calculator[1]);  // the position recomputed at once
  {
    std::unique_ptr<QMenu> menu(window->CreateContextMenu());
    EXPECT_TRUE(PreciseItem(menu.get())->isChecked());
  }
  Click(IDC_ALLCLEAR);  // AC leaves the model
  EXPECT_EQ(window->windowTitle(), kPreciseCaption);
  EXPECT_TRUE(window->Logic().IsPreciseModel());
  TriggerMenuItem(*window, "高精度計算(&P)");
  EXPECT_EQ(window->windowTitle(), kCaption);
  Pick(IDC_PLANETLIST, 9);
  EXPECT_EQ(readouts(), calculator);  // the calculator's texts again, to the character
}

TEST_F(WindowTest, CloseBoxWritesTheModelEscDoesNot) {
  Open();
  TriggerMenuItem(*window, "高精度計算(&P)");
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(Stored("Precise"), "<absent>");
  Open();
  EXPECT_EQ(window->windowTitle(), kCaption);
  TriggerMenuItem(*window, "高精度計算(&P)");
  window->close();
  EXPECT_EQ(Stored("Precise"), "1");
  Open();
  EXPECT_EQ(window->windowTitle(), kPreciseCaption);
  EXPECT_TRUE(window->Logic().IsPreciseModel());
  TriggerMenuItem(*window, "高精度計算(&P)");
  window->close();
  EXPECT_EQ(Stored("Precise"), "0");
  store->WriteString("Config", "Precise", "yes");  // anything but "1" is the calculator's model
  Open();
  EXPECT_FALSE(window->Logic().IsPreciseModel());
}

// 夜間表示: no colour but red on black anywhere in the window, the item checked;
// saved when switched and the window closed, and read back at the next start.
TEST_F(WindowTest, NightItemDrawsTheWindowRedOnBlackAndIsSaved) {
  Open();
  TriggerMenuItem(*window, "夜間表示(&N)");
  ASSERT_TRUE(window->IsNightMode());
  Click(IDC_FIELD_YEAR);  // a white readout among them
  const QImage image = window->grab().toImage();
  int notRed = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.green() > 2 || c.blue() > 2) ++notRed;
    }
  EXPECT_EQ(notRed, 0) << "of " << image.width() * image.height() << " pixels";
  {  // the menu is the window's child: gone before the window is
    std::unique_ptr<QMenu> menu(window->CreateContextMenu());
    const QList<QAction*> actions = menu->actions();
    EXPECT_TRUE(std::any_of(actions.begin(), actions.end(),
                            [](QAction* a) { return a->text() == QString::fromUtf8("夜間表示(&N)") && a->isChecked(); }));
  }
  window->close();
  EXPECT_EQ(Stored("Night"), "1");
  Open();
  EXPECT_TRUE(window->IsNightMode());
  TriggerMenuItem(*window, "夜間表示(&N)");
  EXPECT_FALSE(window->IsNightMode());
  window->close();
  EXPECT_EQ(Stored("Night"), "0");
}

TEST_F(WindowTest, PreciseModelOutsideItsYearsShowsTheMessageAndDashes) {
  Open();
  TriggerMenuItem(*window, "高精度計算(&P)");
  Click(IDC_FIELD_YEAR);
  Keys("999");
  EXPECT_EQ(CloseMessages([&] { Click(IDC_SET); }),
            QStringList{QString::fromUtf8("高精度計算は1000年～2999年にだけ使えます。")});
  EXPECT_EQ(Text(IDC_RAAZM), QString::fromUtf8("Azm --.--°"));
  EXPECT_EQ(Text(IDC_DECALT), QString::fromUtf8("Alt --.--°"));
  EXPECT_EQ(Text(IDC_YEAR), "999");  // the year itself is the calculator's to take
  Click(IDC_FIELD_YEAR);
  Keys("1800");
  EXPECT_TRUE(CloseMessages([&] { Click(IDC_SET); }).isEmpty());
  EXPECT_TRUE(Text(IDC_RAAZM).startsWith("Azm ") && Text(IDC_RAAZM) != QString::fromUtf8("Azm --.--°"));
  const QStringList pluto = CloseMessages([&] { Pick(IDC_PLANETLIST, 8); });
  EXPECT_EQ(pluto, QStringList{QString::fromUtf8("冥王星の高精度計算は1885年～2099年にだけ使えます。")});
  EXPECT_EQ(Text(IDC_RAAZM), QString::fromUtf8("Azm --.--°"));
}

TEST_F(WindowTest, RiseSetBoxForTheSun) {
  Open();  // 2001-01-01, 140 E, 35 N, zone +9: the Sun rises at 06:48
  const QStringList seen = RiseSetBoxTexts(
      *window, {"IDC_EVENTS_BODY", "IDC_EVENTS_RISE_CAPTION", "IDC_EVENTS_RISE_TIME", "IDC_EVENTS_RISE_DETAIL",
                "IDC_EVENTS_TRANSIT_DETAIL", "IDC_EVENTS_SET_TIME", "IDC_EVENTS_NOTE", "IDC_EVENTS_CIVIL_CAPTION",
                "IDC_EVENTS_CIVIL_DAWN"});
  ASSERT_EQ(seen.size(), 10);
  EXPECT_EQ(seen[0], QString::fromUtf8("出没時刻"));
  EXPECT_EQ(seen[1], QString::fromUtf8("太陽　2001年1月1日"));
  EXPECT_EQ(seen[2], QString::fromUtf8("出"));
  EXPECT_EQ(seen[3], "06:48");
  EXPECT_TRUE(seen[4].startsWith(QString::fromUtf8("方位 "))) << seen[4].toStdString();
  EXPECT_TRUE(seen[5].startsWith(QString::fromUtf8("高度 3"))) << seen[5].toStdString();
  EXPECT_EQ(seen[6], "16:39");
  EXPECT_EQ(seen[7], "");
  EXPECT_EQ(seen[8], QString::fromUtf8("市民薄明"));
  EXPECT_EQ(seen[9], QString::fromUtf8("始 06:20"));
}

// Capella never sets at 70 N, Acrux never rises there; a star has no twilights.
TEST_F(WindowTest, RiseSetBoxForStarsThatStayUpOrDown) {
  Open();
  Click(IDC_FIELD_LATITUDE);
  Keys("70");
  Click(IDC_SET);
  const struct {
    int index;
    const char* note;
  } stars[] = {{8, "一日中地平線上"}, {1, "一日中地平線下"}};
  for (const auto& star : stars) {
    Pick(IDC_STARLIST, star.index);
    const QStringList seen = RiseSetBoxTexts(
        *window, {"IDC_EVENTS_RISE_TIME", "IDC_EVENTS_SET_TIME", "IDC_EVENTS_NOTE", "IDC_EVENTS_CIVIL_CAPTION"});
    EXPECT_EQ(seen, QStringList({QString::fromUtf8("出没時刻"), QString::fromUtf8("なし"), QString::fromUtf8("なし"),
                                 QString::fromUtf8(star.note), QStringLiteral("<hidden>")}));
  }
}

// The box names its convention and shows この時刻: the Sun on 2001-01-01 at 0.9833 au is
// magnitude -26.78 and 32.5' across, in Sagittarius, with no phase; Capella has only its
// constellation.
TEST_F(WindowTest, RiseSetBoxShowsConventionAndMoment) {
  Open();
  const std::vector<const char*> names = {"IDC_EVENTS_CONVENTION", "IDC_MOMENT_MAGNITUDE", "IDC_MOMENT_FRACTION",
                                          "IDC_MOMENT_ELONGATION", "IDC_MOMENT_DIAMETER", "IDC_MOMENT_CONSTELLATION"};
  const QStringList sun = RiseSetBoxTexts(*window, names);
  ASSERT_EQ(sun.size(), 7);
  EXPECT_EQ(sun[1], QString::fromUtf8("国立天文台の定義 (太陽は上辺、月は中心、大気差35′08″)"));
  EXPECT_EQ(sun[2], "-26.78");
  EXPECT_EQ(sun[3], QString::fromUtf8("—"));
  EXPECT_EQ(sun[4], QString::fromUtf8("—"));
  EXPECT_TRUE(sun[5] == QString::fromUtf8("1951″") || sun[5] == QString::fromUtf8("1950″")) << sun[5].toStdString();
  EXPECT_EQ(sun[6], QString::fromUtf8("いて (Sgr)"));
  Pick(IDC_STARLIST, 8);
  const QStringList capella = RiseSetBoxTexts(*window, names);
  ASSERT_EQ(capella.size(), 7);
  EXPECT_EQ(capella[2], QString::fromUtf8("—"));
  EXPECT_EQ(capella[6], QString::fromUtf8("ぎょしゃ (Aur)"));
}

// Regression: the Moon's distance ("0.0026845 au (401598 km)") was cut off by
// its half-width label. Every この時刻 figure of the Moon and of Saturn must fit
// its label, and every label must lie inside the box.
TEST_F(WindowTest, RiseSetBoxFiguresFitTheirLabels) {
  Open();
  for (const int planet : {9, 6}) {
    Pick(IDC_PLANETLIST, planet);
    int checked = 0;
    InspectMenuBox(*window, "出没時刻(&R)...", [&](QDialog& box) {
      for (QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->isVisible() || !label->objectName().startsWith(QStringLiteral("IDC_MOMENT"))) continue;
        ++checked;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << planet << " " << label->objectName().toStdString() << " " << label->text().toStdString();
        EXPECT_TRUE(box.rect().contains(label->geometry())) << label->objectName().toStdString();
      }
    });
    EXPECT_EQ(checked, 15) << planet;  // the block's caption and seven figures with their captions
  }
}
