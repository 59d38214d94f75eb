// The window's additions beside the calculator: the precise model chosen
// from the right-click menu (caption, readouts, settings, years it holds for)
// and the 出没時刻 box.

#include <QAction>
#include <QApplication>
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

// The right-click menu's item with this text, triggered.
void Trigger(CSkyCalcWindow& window, const char* text) {
  std::unique_ptr<QMenu> menu(window.CreateContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->text() == QString::fromUtf8(text)) {
      action->trigger();
      return;
    }
  }
  ADD_FAILURE() << "no menu item " << text;
}

// Opens the 出没時刻 box from the menu and returns the texts of the named
// labels ("<hidden>" for one not shown), then closes it with Esc.
QStringList RiseSetBoxTexts(CSkyCalcWindow& window, const std::vector<const char*>& names) {
  QStringList seen;
  bool done = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box || box == &window || !box->isVisible() || done) return;
    done = true;
    seen << box->windowTitle();
    for (const char* name : names) {
      auto* label = box->findChild<QLabel*>(name);
      seen << (label && label->isVisible() ? label->text() : QStringLiteral("<hidden>"));
    }
    QTest::keyClick(box, Qt::Key_Escape);
  });
  poll.start();
  Trigger(window, "出没時刻(&R)...");
  return seen;
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
    EXPECT_EQ(menu->actions().value(2)->text(), QString::fromUtf8("高精度計算(&P)"));
    EXPECT_TRUE(menu->actions().value(2)->isCheckable());
    EXPECT_FALSE(menu->actions().value(2)->isChecked());
  }
  Trigger(*window, "高精度計算(&P)");
  EXPECT_EQ(window->windowTitle(), kPreciseCaption);
  const QStringList precise = readouts();
  EXPECT_EQ(precise[0], calculator[0]);  // the Julian Day readout is the same in both models
  EXPECT_NE(precise[1], calculator[1]);  // the position recomputed at once
  {
    std::unique_ptr<QMenu> menu(window->CreateContextMenu());
    EXPECT_TRUE(menu->actions().value(2)->isChecked());
  }
  Click(IDC_ALLCLEAR);  // AC leaves the model
  EXPECT_EQ(window->windowTitle(), kPreciseCaption);
  EXPECT_TRUE(window->Logic().IsPreciseModel());
  Trigger(*window, "高精度計算(&P)");
  EXPECT_EQ(window->windowTitle(), kCaption);
  Pick(IDC_PLANETLIST, 9);
  EXPECT_EQ(readouts(), calculator);  // the calculator's texts again, to the character
}

TEST_F(WindowTest, CloseBoxWritesTheModelEscDoesNot) {
  Open();
  Trigger(*window, "高精度計算(&P)");
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(Stored("Precise"), "<absent>");
  Open();
  EXPECT_EQ(window->windowTitle(), kCaption);
  Trigger(*window, "高精度計算(&P)");
  window->close();
  EXPECT_EQ(Stored("Precise"), "1");
  Open();
  EXPECT_EQ(window->windowTitle(), kPreciseCaption);
  EXPECT_TRUE(window->Logic().IsPreciseModel());
  Trigger(*window, "高精度計算(&P)");
  window->close();
  EXPECT_EQ(Stored("Precise"), "0");
  store->WriteString("Config", "Precise", "yes");  // anything but "1" is the calculator's model
  Open();
  EXPECT_FALSE(window->Logic().IsPreciseModel());
}

TEST_F(WindowTest, PreciseModelOutsideItsYearsShowsTheMessageAndDashes) {
  Open();
  Trigger(*window, "高精度計算(&P)");
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
