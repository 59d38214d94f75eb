// The window's 出没時刻 and 日食・月食 boxes place exactly the panel's view-models
// (RiseSetBox, EclipseBox), which web.viewModels holds the page to.

#include <QLabel>
#include <QListWidget>

#include "app/eclipse_dlg.h"
#include "panel/control_ids.h"
#include "panel/rise_set_box.h"
#include "window_fixture.h"

using namespace skycalc;

TEST_F(WindowTest, RiseSetBoxPlacesTheViewModelsLabelsForSunAndMoonInBothModels) {
  Open();
  for (const bool precise : {false, true}) {
    if (window->Logic().IsPreciseModel() != precise) TriggerMenuItem(*window, "高精度計算(&P)");
    for (const int body : {0, 9}) {  // the Sun with its twilights, the Moon with the rows raised
      SCOPED_TRACE(testing::Message() << precise << body);
      Pick(IDC_PLANETLIST, body);
      const RiseSetBox model = StoredDayRiseSetBox(window->Logic().CurrentObservation());
      InspectMenuBox(*window, "出没時刻(&R)...", [&](QDialog& box) {
        // この時刻 sits 82 dialog units below 方位は… with the twilights, 42 without (10 units a label's height).
        const QLabel* origin = box.findChild<QLabel*>("IDC_EVENTS_ORIGIN");
        EXPECT_NEAR((box.findChild<QLabel*>("IDC_MOMENT_CAPTION")->y() - origin->y()) * 10.0 / origin->height(),
                    body == 0 ? 82 : 42, 3.0);
        for (const RiseSetLabel& item : model.labels) {
          const QLabel* label = box.findChild<QLabel*>(item.name);
          EXPECT_EQ(label->text().toStdString() + (label->isVisible() ? "" : "<hidden>"), item.text + (item.shown ? "" : "<hidden>"));
        }
      });
    }
  }
}

TEST_F(WindowTest, EclipseBoxShowsTheViewModelsRowsAndDrawings) {
  for (const int year : {2030, 2022}) {  // a partial solar eclipse (06-01), a total lunar one (11-08)
    clock.reading = skycalc::ClockReading{year, 1, 1, 0, 0};
    Open();
    const EclipseBox model = StoredYearEclipseBox(window->Logic().CurrentObservation());
    ASSERT_GE(model.first, 0);
    InspectMenuBox(*window, "日食・月食(&E)...", [&](QDialog& box) {
      EXPECT_EQ(box.findChild<QLabel*>("IDC_ECLIPSE_SITE")->text().toStdString(), model.site);
      auto* list = box.findChild<QListWidget*>("IDC_ECLIPSE_LIST");
      ASSERT_EQ(list->count(), static_cast<int>(model.rows.size()));
      EXPECT_EQ(list->currentRow(), model.first);
      const CEclipsePicture* picture = nullptr;  // a plain widget, which findChild cannot tell
      for (QWidget* widget : box.findChildren<QWidget*>())
        if (auto* p = dynamic_cast<CEclipsePicture*>(widget)) picture = p;
      for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        EXPECT_EQ(list->item(row)->text().toStdString(), model.rows[row].summary);
        EXPECT_EQ(box.findChild<QLabel*>("IDC_ECLIPSE_DETAIL")->text().toStdString(), model.rows[row].details);
        EXPECT_EQ(DisplayListJson(picture->Picture()), DisplayListJson(model.rows[row].picture));
      }
    });
  }
}
