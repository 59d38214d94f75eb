// The window's 出没時刻 and 日食・月食 boxes place exactly what the panel's
// view-models describe (RiseSetBox, EclipseBox); the page is held to the same
// values by web.sequences and web.boxes, so the two show the same texts.

#include <QLabel>
#include <QListWidget>

#include "app/eclipse_dlg.h"
#include "panel/control_ids.h"
#include "panel/eclipse_box.h"
#include "panel/model_messages.h"
#include "panel/rise_set_box.h"
#include "window_fixture.h"

using namespace skycalc;

TEST_F(WindowTest, RiseSetBoxPlacesTheViewModelsLabelsForSunAndMoonInBothModels) {
  Open();
  for (const bool precise : {false, true}) {
    if (window->Logic().IsPreciseModel() != precise) TriggerMenuItem(*window, "高精度計算(&P)");
    for (const int body : {0, 9}) {  // the Sun (twilights shown), the Moon (raised)
      SCOPED_TRACE(testing::Message() << "precise " << precise << ", body " << body);
      Pick(IDC_PLANETLIST, body);
      const Observation o = window->Logic().CurrentObservation();
      const auto table = MakeDayEventsTable(o);
      const RiseSetBox model = MakeRiseSetBox(o, table->Day(o.fields.year, o.fields.month, o.fields.day), table->Convention());
      EXPECT_EQ(model.raise, body == 0 ? 0 : kTwilightRowsHeight);
      InspectMenuBox(*window, "出没時刻(&R)...", [&](QDialog& box) {
        const QLabel* origin = box.findChild<QLabel*>("IDC_EVENTS_ORIGIN");
        const QLabel* moment = box.findChild<QLabel*>("IDC_MOMENT_CAPTION");
        // この時刻 sits 82 dialog units below 方位は… with the twilights, 42 without (a dialog unit is height/8 of 10).
        EXPECT_NEAR((moment->y() - origin->y()) / (origin->height() / 10.0), body == 0 ? 82 : 42, 3.0);
        for (const RiseSetLabel& item : model.labels) {
          const QLabel* label = box.findChild<QLabel*>(item.name);
          ASSERT_NE(label, nullptr) << item.name;
          EXPECT_EQ(label->text().toStdString(), item.text) << item.name;
          EXPECT_EQ(label->isVisible(), item.shown) << item.name;
        }
      });
    }
  }
}

TEST_F(WindowTest, EclipseBoxShowsTheViewModelsRowsAndDrawings) {
  // 2030-06-01 partial (annular in Hokkaido) from Tokyo, 2022-11-08 total lunar.
  for (const int year : {2030, 2022}) {
    SCOPED_TRACE(year);
    clock.reading = skycalc::ClockReading{year, 1, 1, 0, 0};
    Open();
    const StoredFields f = window->Logic().Fields();
    const EclipseBox model = MakeEclipseBox(ListEclipses({f.year, 1, ZoneMinutesOf(f), f.longitude, f.latitude, f.azimuth}),
                                            f.year, f.azimuth, EventsSiteLine(window->Logic().CurrentObservation()),
                                            ZoneMinutesOf(f));
    ASSERT_GE(model.first, 0);
    InspectMenuBox(*window, "日食・月食(&E)...", [&](QDialog& box) {
      EXPECT_EQ(box.findChild<QLabel*>("IDC_ECLIPSE_TITLE")->text().toStdString(), model.title);
      EXPECT_EQ(box.findChild<QLabel*>("IDC_ECLIPSE_SITE")->text().toStdString(), model.site);
      auto* list = box.findChild<QListWidget*>("IDC_ECLIPSE_LIST");
      ASSERT_EQ(list->count(), static_cast<int>(model.rows.size()));
      EXPECT_EQ(list->currentRow(), model.first);
      for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        EXPECT_EQ(list->item(row)->text().toStdString(), model.rows[row].summary);
        EXPECT_EQ(box.findChild<QLabel*>("IDC_ECLIPSE_DETAIL")->text().toStdString(), model.rows[row].details);
        const CEclipsePicture* picture = nullptr;  // a plain widget, which findChild cannot tell
        for (QWidget* widget : box.findChildren<QWidget*>())
          if (auto* p = dynamic_cast<CEclipsePicture*>(widget)) picture = p;
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(DisplayListJson(picture->Picture()), DisplayListJson(model.rows[row].picture));
      }
    });
  }
}
