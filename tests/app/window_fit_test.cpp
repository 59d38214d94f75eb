// Every text of every window and box fits the control that shows it, in the
// dialog font (IPA P Gothic here) at the scale and locale of the run: CTest
// runs this as it is, with QT_SCALE_FACTOR=2, where glyph advances round
// differently, and with LANG=ja_JP.UTF-8, where the fonts have Japanese names. Each control must also lie within its form and clear its
// sibling controls.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <functional>

#include "app/dialog_units.h"
#include "panel/control_ids.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

// The room a control gives its text and the room the text needs; a misfit
// when either side is short.
void ExpectRoom(QWidget& control, const QString& text, QSize needs, QSize room, const std::string& scene) {
  EXPECT_TRUE(needs.width() <= room.width() && needs.height() <= room.height())
      << scene << ": " << control.objectName().toStdString() << " \"" << text.toStdString() << "\" needs "
      << needs.width() << "x" << needs.height() << " px, has " << room.width() << "x" << room.height();
}

// The space a label draws its text in: its contents less margin and indent
// (a framed label's default indent is half an "x").
QSize LabelRoom(const QLabel& label) {
  const int indent = label.indent() >= 0 ? label.indent()
                     : label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                              : 0;
  const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
  return QSize(room.width() - ((label.alignment() & Qt::AlignHCenter) ? 0 : indent), room.height());
}

// A button's text rectangle as the style lays it out.
QSize ButtonRoom(QAbstractButton& button, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.rect = button.rect();
  return button.style()->subElementRect(element, &option, &button).size();
}

// Checks every named control of form (the controls of the window's forms and
// of the boxes built in code; a control's inner parts have no names).
void ExpectAllFit(QWidget& form, const std::string& scene) {
  for (QWidget* w : form.findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !w->isVisibleTo(&form)) continue;
    QWidget* parent = w->parentWidget();
    EXPECT_TRUE(parent->rect().contains(w->geometry())) << scene << ": " << name.toStdString() << " outside its form";
    for (QWidget* sibling : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (sibling != w && !sibling->objectName().isEmpty() && sibling->isVisibleTo(&form)) {
        EXPECT_FALSE(w->geometry().intersects(sibling->geometry()))
            << scene << ": " << name.toStdString() << " overlaps " << sibling->objectName().toStdString();
      }
    }
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->text().isEmpty()) continue;
      const QSize room = LabelRoom(*label);
      const QSize needs = label->wordWrap()
                              ? fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text()).size()
                              : fm.size(0, label->text());
      ExpectRoom(*w, label->text(), needs, room, scene);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      const QStyle::SubElement element = qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                         : qobject_cast<QCheckBox*>(w)  ? QStyle::SE_CheckBoxContents
                                                                        : QStyle::SE_PushButtonContents;
      ExpectRoom(*w, button->text(), fm.size(Qt::TextShowMnemonic, button->text()), ButtonRoom(*button, element), scene);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      // An entry's text is drawn inside a focus margin on either side.
      const int margin = 2 * (w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1);
      for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        ExpectRoom(*w, text, QSize(fm.horizontalAdvance(text) + margin, 0), list->viewport()->size(), scene);
      }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      // The pop-up list must show each entry whole (the closed list's text
      // field scrolls like any text field).
      combo->showPopup();
      QAbstractItemView* view = combo->view();
      const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
      for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        ExpectRoom(*w, text, QSize(view->fontMetrics().horizontalAdvance(text) + margin, 0), view->viewport()->size(),
                   scene);
      }
      combo->hidePopup();
    }
  }
}

class WindowFitTest : public WindowTest {
 public:
  using WindowTest::Click;
  using WindowTest::Pick;
  // Stores digits into the field of button id.
  void Store(int id, const char* digits) {
    Click(id);
    Keys(digits);
    EXPECT_EQ(CloseMessages([&] { Click(IDC_SET); }), QStringList()) << digits;
  }
};

// Each scene readies the window, then checks it or the box of a menu item
// (every entry of a list in the box, every month of the 暦 box).
struct Scene {
  const char* name;
  std::function<void(WindowFitTest&)> ready;
  const char* menuItem;  // nullptr: the window itself
};

TEST_F(WindowFitTest, EveryTextFitsItsControl) {
  const Scene scenes[] = {
      {"window: 赤道座標系 clear of the next radio button, star names in their pop-up", [](WindowFitTest&) {}, nullptr},
      {"window, sidereal and equatorial, longest fields",
       [](WindowFitTest& t) {
         t.Click(IDC_SIDEREAL);
         t.Click(IDC_EQUATORIAL);
         t.Store(IDC_FIELD_YEAR, "99999-");
         t.Store(IDC_FIELD_LONGITUDE, "179.99-");
         t.Store(IDC_FIELD_LATITUDE, "89.99-");
         t.Store(IDC_FIELD_AZIMUTH, "359.99");
         t.Store(IDC_FIELD_ZONEHOUR, "23-");
       },
       nullptr},
      {"出没時刻, the Sun: the convention line whole, the site clear of OK", [](WindowFitTest&) {}, "出没時刻(&R)..."},
      {"出没時刻, the Moon", [](WindowFitTest& t) { t.Pick(IDC_PLANETLIST, 9); }, "出没時刻(&R)..."},
      {"出没時刻, Saturn", [](WindowFitTest& t) { t.Pick(IDC_PLANETLIST, 6); }, "出没時刻(&R)..."},
      {"出没時刻, the Sun at 70 S",
       [](WindowFitTest& t) { t.Store(IDC_FIELD_LATITUDE, "70-"); }, "出没時刻(&R)..."},
      {"出没時刻, Capella at 70 N",
       [](WindowFitTest& t) {
         t.Store(IDC_FIELD_LATITUDE, "70");
         t.Pick(IDC_STARLIST, 8);
       },
       "出没時刻(&R)..."},
      // The longest star name on the longest date.
      {"出没時刻, Fomalhaut on 12-31: the title line whole",
       [](WindowFitTest& t) {
         t.Store(IDC_FIELD_MONTH, "12");
         t.Store(IDC_FIELD_DAY, "31");
         t.Pick(IDC_STARLIST, 13);
       },
       "出没時刻(&R)..."},
      {"暦, each month of 2001", [](WindowFitTest&) {}, "暦(&K)..."},
      {"日食・月食 of 2001, each eclipse: contact lines with 地平線下 and their ° whole", [](WindowFitTest&) {}, "日食・月食(&E)..."},
      // West of the Americas most contacts of 2001 are below the horizon, at three-figure azimuths.
      {"日食・月食 of 2001 at 120 W, each eclipse",
       [](WindowFitTest& t) { t.Store(IDC_FIELD_LONGITUDE, "120-"); }, "日食・月食(&E)..."},
      // The longest words for the azimuth origin (one neither south nor north).
      {"出没時刻 and 日食・月食 counting azimuths from 37.5",
       [](WindowFitTest& t) { t.Store(IDC_FIELD_AZIMUTH, "37.5"); }, "出没時刻(&R)..."},
      {"日食・月食 counting azimuths from 37.5",
       [](WindowFitTest& t) { t.Store(IDC_FIELD_AZIMUTH, "37.5"); }, "日食・月食(&E)..."},
      {"version box: ver1.2 whole", [](WindowFitTest&) {}, "「ほしよみ君」 のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
  };
  const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
  for (const Scene& scene : scenes) {
    const std::string name = std::string(scene.name) + " at " + std::to_string(scale).substr(0, 3) + "x";
    Open();
    // IPA P Gothic, whichever name the locale gives it.
    EXPECT_TRUE(QStringList({"IPAPGothic", QString::fromUtf8("IPA Pゴシック")}).contains(QFontInfo(DialogFont()).family()))
        << QFontInfo(DialogFont()).family().toStdString();
    ASSERT_DOUBLE_EQ(window->devicePixelRatioF(), scale);
    scene.ready(*this);
    if (!scene.menuItem) {
      ExpectAllFit(*window, name);
      continue;
    }
    InspectMenuBox(*window, scene.menuItem, [&](QDialog& box) {
      ExpectAllFit(box, name);
      if (auto* list = box.findChild<QListWidget*>()) {
        for (int row = 1; row < list->count(); ++row) {
          list->setCurrentRow(row);
          ExpectAllFit(box, name + ", entry " + std::to_string(row));
        }
      }
      if (auto* next = box.findChild<QPushButton*>(QStringLiteral("IDC_ALMANAC_NEXT"))) {
        for (int month = 2; month <= 12; ++month) {
          next->click();
          ExpectAllFit(box, name + ", month " + std::to_string(month));
        }
      }
    });
  }
}

}  // namespace
