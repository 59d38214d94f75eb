// Typing into an open body list finds the entry whichever width the name is
// typed in: an input method commits full-width katakana, the star list holds
// half-width ones, one text in Unicode NFKC (UAX #15, <narrow> decompositions).
#include <QAbstractItemView>
#include <QComboBox>

#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

TEST_F(WindowTest, FullWidthTypingFindsHalfWidthStar) {
  Open();
  const struct {
    int list;
    const char* typed;
    const char* found;  // the start of the entry made current
  } cases[] = {{IDC_STARLIST, "ベガ", "ﾍﾞｶﾞ("}, {IDC_STARLIST, "ﾍﾞｶﾞ", "ﾍﾞｶﾞ("}, {IDC_STARLIST, "シリウス", "ｼﾘｳｽ("},
               {IDC_PLANETLIST, "火", "火星"},      {IDC_CONSTLIST, "ｵﾘｵﾝ", "オリオン"}};
  for (const auto& c : cases) {
    auto* list = qobject_cast<QComboBox*>(Control(c.list));
    list->showPopup();
    list->view()->keyboardSearch(QString());  // a new search
    list->view()->keyboardSearch(QString::fromUtf8(c.typed));
    const QString found = list->view()->currentIndex().data().toString();
    EXPECT_TRUE(found.startsWith(QString::fromUtf8(c.found))) << c.typed << " found " << found.toStdString();
    list->hidePopup();
  }
}

}  // namespace
