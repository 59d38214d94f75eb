// The 地点 box from the right-click menu: searching by reading, choosing a
// place, and the caption that names it until a site is keyed.

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/place_dlg.h"
#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

TEST_F(WindowTest, PlaceBoxFindsByReadingAndStoresThePlace) {
  Open();
  InspectMenuBox(
      *window, "地点(&L)...",
      [](QDialog& box) {
        auto* places = qobject_cast<CPlaceDlg*>(&box);
        ASSERT_NE(places, nullptr);
        EXPECT_GT(places->List()->topLevelItemCount(), 90);
        places->Search()->setText(QString::fromUtf8("さっぽろ"));
        ASSERT_EQ(places->List()->topLevelItemCount(), 1);
        EXPECT_EQ(places->List()->topLevelItem(0)->text(0), QString::fromUtf8("札幌"));
        box.findChild<QCheckBox*>()->setChecked(false);
      },
      true);
  EXPECT_EQ(Text(IDC_LONGITUDE), QString::fromUtf8("141.35°"));
  EXPECT_EQ(Text(IDC_LATITUDE), QString::fromUtf8("43.07°"));
  EXPECT_EQ(Text(IDC_ZONEHOUR), QString::fromUtf8("9"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("星空ポケット「ほしよみ君」　地点: 札幌"));
  Click(IDC_FIELD_LONGITUDE);
  Keys("140");
  Click(IDC_SET);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("星空ポケット「ほしよみ君」"));

  // With the zone: Honolulu's -10 h.
  InspectMenuBox(
      *window, "地点(&L)...",
      [](QDialog& box) {
        auto* places = qobject_cast<CPlaceDlg*>(&box);
        ASSERT_NE(places, nullptr);
        places->Search()->setText(QString::fromUtf8("ﾎﾉﾙﾙ"));
        ASSERT_EQ(places->List()->topLevelItemCount(), 1);
        box.findChild<QCheckBox*>()->setChecked(true);
      },
      true);
  EXPECT_EQ(Text(IDC_LONGITUDE), QString::fromUtf8("-157.86°"));
  EXPECT_EQ(Text(IDC_ZONEHOUR), QString::fromUtf8("-10"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("星空ポケット「ほしよみ君」　地点: ホノルル"));
}
