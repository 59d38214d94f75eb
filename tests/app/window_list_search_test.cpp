// Typing into an open body list: the entry is found whichever width the
// name is typed in (an input method commits full-width katakana, the star
// list holds half-width ones; both are one text in Unicode NFKC, UAX #15).

#include <QAbstractItemView>
#include <QComboBox>

#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

TEST_F(WindowTest, FullWidthTypingFindsHalfWidthStar) {
  Open();
  struct Case {
    int list;
    const char* typed;
    const char* found;  // the start of the entry made current
  } const cases[] = {
      {IDC_STARLIST, "ベガ", "ﾍﾞｶﾞ("},
      {IDC_STARLIST, "ﾍﾞｶﾞ", "ﾍﾞｶﾞ("},
      {IDC_STARLIST, "シリウス", "ｼﾘｳｽ("},
      {IDC_PLANETLIST, "火", "火星"},
      {IDC_CONSTLIST, "ｵﾘｵﾝ", "オリオン"},
  };
  for (const Case& c : cases) {
    auto* list = qobject_cast<QComboBox*>(Control(c.list));
    ASSERT_NE(list, nullptr);
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->keyboardSearch(QString());  // a new search
    view->keyboardSearch(QString::fromUtf8(c.typed));
    EXPECT_TRUE(view->currentIndex().data().toString().startsWith(QString::fromUtf8(c.found)))
        << c.typed << " found " << view->currentIndex().data().toString().toStdString();
    list->hidePopup();
  }
}

}  // namespace
