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

// Pixels of the blue-grey of the penumbra's edge alone (not the Moon's white, grey, red, nor the sky's).
int PenumbraEdgePixels(QWidget* picture) {
  const QImage image = picture->grab().toImage();
  int edge = 0;
  for (int i = 0; i < image.width() * image.height(); ++i) {
    const QColor c = image.pixelColor(i % image.width(), i / image.width());
    edge += c.blue() > c.red() + 6 && c.red() > 60;
  }
  return edge;
}

}  // namespace

// Reference: NASA's SEcat5, LEcat5 and 暦要項: none seen from Japan in 2003 (the lunar ones in its daytime);
// in 2022 the first seen was the lunar eclipse of 8 November (row 3); 2001-12-30 penumbral (magnitude 0.9).
TEST_F(WindowTest, EclipseBoxOpensOnTheFirstEclipseSeenOrSaysNoneIs) {
  const struct {  // the row opened on (-1: none), a row then selected (-1: none), the detail's start, the row's text
    int year, row, select;
    const char *detail, *summary;
  } cases[] = {{2022, 3, -1, "本影食分 1.3", "皆既月食　食分 1.36"}, {2003, -1, -1, "この地点で見える日食・月食はありません", ""},
               {2001, 0, 4, "半影食分 0.9", "半影月食　半影食分 0.9"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    clock.reading = skycalc::ClockReading{c.year, 1, 1, 0, 0};
    Open();
    InspectMenuBox(*window, "日食・月食(&E)...", [&](QDialog& box) {
      auto* list = box.findChild<QListWidget*>("IDC_ECLIPSE_LIST");
      EXPECT_EQ(list->currentRow(), c.row);
      if (c.select >= 0) list->setCurrentRow(c.select);
      EXPECT_TRUE(box.findChild<QLabel*>("IDC_ECLIPSE_DETAIL")->text().startsWith(QString::fromUtf8(c.detail)));
      EXPECT_TRUE(list->currentRow() < 0 || list->currentItem()->text().contains(QString::fromUtf8(c.summary)));
      auto* picture = box.findChild<QFrame*>("IDC_ECLIPSE_PICTURE");
      EXPECT_TRUE(c.select < 0 ? c.row >= 0 || DrawnPixels(picture) == 0 : PenumbraEdgePixels(picture) > 30);
    });
  }
}

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
