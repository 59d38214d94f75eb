// The 天象 box from the right-click menu: the stored year's sky events laid
// out as the list gives them, each group shown or hidden, every text whole.

#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

#include "window_fixture.h"

using namespace skycalc;

TEST_F(WindowTest, PhenomenaBoxListsTheYearByGroupWithEveryTextWhole) {
  Open();  // 2001-01-01, zone +9
  std::unique_ptr<QMenu> menu(window->CreateContextMenu());
  ASSERT_EQ(menu->actions().value(2)->text(), QString::fromUtf8("天象(&T)..."));  // after 暦
  InspectMenuBox(*window, "天象(&T)...", [](QDialog& box) {
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("天象"));
    auto* table = box.findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    const int all = table->rowCount();
    EXPECT_GT(all, 200);
    // 2001's first row is in January; the meteor showers are ten rows.
    EXPECT_TRUE(table->item(0, 0)->text().startsWith("2001-01-"));
    QList<QCheckBox*> groups = box.findChildren<QCheckBox*>();
    ASSERT_EQ(groups.size(), 3);
    EXPECT_EQ(groups[2]->text(), QString::fromUtf8("流星群"));
    groups[2]->setChecked(false);
    EXPECT_EQ(table->rowCount(), all - 10);
    groups[0]->setChecked(false);
    groups[1]->setChecked(false);
    EXPECT_EQ(table->rowCount(), 0);
    groups[2]->setChecked(true);
    EXPECT_EQ(table->rowCount(), 10);
    // Every cell's text fits its column.
    groups[0]->setChecked(true);
    groups[1]->setChecked(true);
    const QFontMetrics metrics(table->font());
    for (int r = 0; r < table->rowCount(); ++r)
      for (int c = 0; c < table->columnCount(); ++c)
        EXPECT_LE(metrics.horizontalAdvance(table->item(r, c)->text()), table->columnWidth(c)) << r << "," << c;
  });
}

// Each item of the right-click menu has a key of its own: 天象 and 高精度計算
// once both took P, so that P only moved between them.
TEST_F(WindowTest, ContextMenuKeysAreDistinct) {
  Open();
  std::unique_ptr<QMenu> menu(window->CreateContextMenu());
  QStringList keys;
  for (QAction* action : menu->actions()) {
    const int amp = action->text().indexOf('&');
    if (amp < 0) continue;
    const QString key = action->text().mid(amp + 1, 1).toUpper();
    EXPECT_FALSE(keys.contains(key)) << action->text().toStdString();
    keys << key;
  }
  EXPECT_EQ(keys.size(), 9);  // with 地点(&L) and 夜間表示(&N)
}
