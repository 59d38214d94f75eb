// The 日食・月食 box from the right-click menu: the eclipses of the stored
// year at the stored site, the circumstances of the one selected, its drawing.

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QStringList>

#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

// Pixels of the drawing that are neither of its two backgrounds.
int DrawnPixels(QWidget* picture) {
  const QImage image = picture->grab().toImage();
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c != QColor(10, 12, 30) && c != QColor(40, 70, 120)) ++drawn;
    }
  return drawn;
}

}  // namespace

// Reference: the NASA eclipse web site's catalogues: 2001 had a total lunar
// eclipse on 9 January (20:21 UT, seen from Japan at dawn on the 10th), a total
// solar eclipse on 21 June (Africa), a partial lunar eclipse on 5 July, an
// annular solar eclipse on 14 December (20:53 UT, the Americas) and a
// penumbral lunar eclipse on 30 December; the box gives the dates in JST.
TEST_F(WindowTest, EclipseBoxListsTheYearAndShowsTheSelectedEclipse) {
  Open();  // 2001-01-01, 140 E, 35 N, zone +9
  InspectMenuBox(*window, "日食・月食(&E)...", [](QDialog& box) {
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("日食・月食"));
    EXPECT_EQ(box.findChild<QLabel*>("IDC_ECLIPSE_TITLE")->text(), QString::fromUtf8("2001年の日食・月食　方位は南から西回り"));
    auto* list = box.findChild<QListWidget*>("IDC_ECLIPSE_LIST");
    ASSERT_NE(list, nullptr);
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text().left(15);
    EXPECT_EQ(rows.join("|"), QString::fromUtf8("2001-01-10　皆既月食|2001-06-21　皆既日食|2001-07-05　部分月食|"
                                                "2001-12-15　金環日食|2001-12-30　半影月食"));
    auto* detail = box.findChild<QLabel*>("IDC_ECLIPSE_DETAIL");
    auto* picture = box.findChild<QFrame*>("IDC_ECLIPSE_PICTURE");
    EXPECT_TRUE(detail->text().contains(QString::fromUtf8("皆既食の始め")));
    EXPECT_GT(DrawnPixels(picture), 100);
    list->setCurrentRow(1);  // the African eclipse: nothing to see or draw
    EXPECT_EQ(detail->text(), QString::fromUtf8("この地点では見えません"));
    EXPECT_EQ(DrawnPixels(picture), 0);
  });
}
