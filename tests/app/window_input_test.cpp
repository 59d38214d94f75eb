// Keypad, SET, messages, selectors and keyboard, clicked through the real widgets.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "panel/control_ids.h"
#include "tests/support/headless_calculator.h"
#include "window_fixture.h"

using namespace skycalc;

namespace {

struct SetCase {
  int field;             // field button
  const char* keys;      // keypad keys before SET
  int display;           // display the field shows
  const char* expected;  // its text after SET
};
const SetCase kSetCases[] = {
    {IDC_FIELD_YEAR, "2001", IDC_YEAR, "2001"},
    {IDC_FIELD_YEAR, "500-", IDC_YEAR, "-500"},
    {IDC_FIELD_MONTH, "007", IDC_MONTH, "7"},
    {IDC_FIELD_HOUR, "0", IDC_HOUR, "0"},
    {IDC_FIELD_LONGITUDE, "135", IDC_LONGITUDE, "135.0°"},
    {IDC_FIELD_LATITUDE, "35.", IDC_LATITUDE, "35.0°"},
    {IDC_FIELD_AZIMUTH, "359.99", IDC_AZIMUTH, "359.99°"},
    {IDC_FIELD_ZONEHOUR, "12-", IDC_ZONEHOUR, "-12"},
    {IDC_FIELD_ZONEMINUTE, "30", IDC_ZONEMINUTE, "30"},
};

TEST_F(WindowTest, KeysAndSetStoreIntoTheFieldDisplays) {
  Open();
  for (const SetCase& c : kSetCases) {
    Click(c.field);
    Keys(c.keys);
    Click(IDC_SET);
    EXPECT_EQ(Text(c.display), QString::fromUtf8(c.expected)) << c.keys;
    EXPECT_EQ(Text(IDC_ENTRY), "0");
    EXPECT_TRUE(Checked(c.field)) << "the field button stays pressed";
  }
}

TEST_F(WindowTest, EntryDisplayFollowsEveryKey) {
  Open();
  Click(IDC_FIELD_LONGITUDE);
  const std::pair<const char*, const char*> steps[] = {{"0", "0"}, {".", "0."}, {"2", "0.2"}, {"5", "0.25"},
                                                       {"-", "-0.25"}, {".", "-0.25"}, {"-", "0.25"}};
  for (const auto& [key, shown] : steps) {
    Keys(key);
    EXPECT_EQ(Text(IDC_ENTRY), shown) << key;
  }
  Click(IDC_CLEAR);
  EXPECT_EQ(Text(IDC_ENTRY), "0");
}

TEST_F(WindowTest, SetRecomputesTheTimeReadout) {
  Open();
  EXPECT_EQ(Text(IDC_TIME), "2451910.125000");
  Click(IDC_SIDEREAL);
  EXPECT_EQ(Text(IDC_TIME), "7:1");
  Click(IDC_JULIANDAY);
  for (const SetCase& c : {SetCase{IDC_FIELD_YEAR, "2000", 0, ""}, SetCase{IDC_FIELD_HOUR, "12", 0, ""},
                           SetCase{IDC_FIELD_ZONEHOUR, "0", 0, ""}}) {
    Click(c.field);
    Keys(c.keys);
    Click(IDC_SET);
  }
  EXPECT_EQ(Text(IDC_TIME), "2451545.000000");
}

struct RejectCase {
  int field;
  const char* keys;
  int display;
  const char* message;
};
const RejectCase kRejectCases[] = {
    {IDC_FIELD_MONTH, "13", IDC_MONTH, "月は1～12にしてください。"},
    {IDC_FIELD_MONTH, "0", IDC_MONTH, "月は1～12にしてください。"},
    {IDC_FIELD_LONGITUDE, "180", IDC_LONGITUDE, "経度は-179.99～179.99にしてください。"},
    {IDC_FIELD_AZIMUTH, "360", IDC_AZIMUTH, "方位は0.0～359.99にしてください。"},
    {IDC_FIELD_ZONEMINUTE, "60", IDC_ZONEMINUTE, "標準時 分は0～59にしてください。"},
};

TEST_F(WindowTest, RejectedValueShowsItsMessageAndKeepsTheField) {
  Open();
  for (const RejectCase& c : kRejectCases) {
    const QString before = Text(c.display);
    Click(c.field);
    Keys(c.keys);
    const QStringList messages = CloseMessages([&] { Click(IDC_SET); });
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(c.message)}) << c.keys;
    EXPECT_EQ(lastTitles, QStringList{"skycalc"});
    EXPECT_EQ(Text(c.display), before);
    EXPECT_EQ(Text(IDC_ENTRY), "0");
  }
}

// A user action on a selector, and the same action on the headless logic.
struct Step {
  bool pick;  // pick entry `index` of list `id`, else click `id`
  int id;
  int index;
};
struct SelectorCase {
  const char* name;
  std::vector<Step> steps;
  bool timeChanges;      // by the last step
  bool positionChanges;  // by the last step
  int checkedBody;       // kind-of-body radio checked at the end
};
const SelectorCase kSelectorCases[] = {
    {"sidereal mode", {{false, IDC_SIDEREAL, 0}}, true, false, IDC_PLANET},
    {"back to Julian Day", {{false, IDC_SIDEREAL, 0}, {false, IDC_JULIANDAY, 0}}, true, false, IDC_PLANET},
    {"equatorial", {{false, IDC_EQUATORIAL, 0}}, false, true, IDC_PLANET},
    {"Mars", {{true, IDC_PLANETLIST, 3}}, false, true, IDC_PLANET},
    {"Moon", {{true, IDC_PLANETLIST, 9}}, false, true, IDC_PLANET},
    {"star moves the check", {{true, IDC_STARLIST, 5}}, false, true, IDC_STAR},
    {"constellation", {{true, IDC_CONSTLIST, 10}}, false, true, IDC_CONSTELLATION},
    {"planet radio shows the planet last picked",
     {{true, IDC_PLANETLIST, 3}, {true, IDC_STARLIST, 5}, {false, IDC_PLANET, 0}}, false, true, IDC_PLANET},
    {"horizontal again while constellation",
     {{true, IDC_CONSTLIST, 10}, {false, IDC_EQUATORIAL, 0}, {false, IDC_HORIZONTAL, 0}}, false, true,
     IDC_CONSTELLATION},
    {"SET uses the planet list's selection", {{true, IDC_PLANETLIST, 4}, {false, IDC_SET, 0}}, false, false,
     IDC_PLANET},
    {"AC from star mode", {{true, IDC_STARLIST, 5}, {false, IDC_ALLCLEAR, 0}}, false, true, IDC_PLANET},
    {"AC from constellation mode", {{true, IDC_CONSTLIST, 10}, {false, IDC_ALLCLEAR, 0}}, false, true,
     IDC_PLANET},
};

const int kReadouts[] = {IDC_TIME, IDC_RAAZM, IDC_DECALT};
const int kRadios[] = {IDC_JULIANDAY, IDC_SIDEREAL, IDC_EQUATORIAL, IDC_HORIZONTAL,
                       IDC_PLANET,    IDC_STAR,     IDC_CONSTELLATION};

TEST_F(WindowTest, SelectorsChangeTheirReadoutAsTheLogicDoes) {
  for (const SelectorCase& c : kSelectorCases) {
    SCOPED_TRACE(c.name);
    Open();
    QString before[3];
    for (const Step& step : c.steps) {
      for (int i = 0; i < 3; ++i) before[i] = Text(kReadouts[i]);
      step.pick ? Pick(step.id, step.index) : Click(step.id);
    }
    EXPECT_EQ(Text(IDC_TIME) != before[0], c.timeChanges);
    EXPECT_EQ(Text(IDC_RAAZM) != before[1] || Text(IDC_DECALT) != before[2], c.positionChanges);
    EXPECT_TRUE(Checked(c.checkedBody));

    // The same actions on the logic with an in-memory window give the same texts and checks.
    HeadlessCalculator logic(clock.reading);
    logic.Open();
    for (const Step& step : c.steps) step.pick ? logic.Select(step.id, step.index) : logic.Press(step.id);
    for (int id : kReadouts) EXPECT_EQ(Text(id).toStdString(), logic.host.Text(id)) << id;
    for (int id : kRadios) EXPECT_EQ(Checked(id), logic.host.IsChecked(id)) << id;
  }
}

TEST_F(WindowTest, TypingIntoAListSelectsNothing) {
  Open();
  auto* list = qobject_cast<QComboBox*>(Control(IDC_PLANETLIST));
  const QString position = Text(IDC_RAAZM);
  list->lineEdit()->setFocus();
  list->lineEdit()->selectAll();
  // Typed as composed text, the way an input method delivers it; a whole entry name.
  QTest::sendKeyEvent(QTest::Click, list->lineEdit(), Qt::Key_unknown, QString::fromUtf8("火星"), Qt::NoModifier);
  EXPECT_EQ(list->currentText(), QString::fromUtf8("火星"));
  Control(IDC_SET)->setFocus();  // leaving the text field
  QCoreApplication::processEvents();
  EXPECT_EQ(list->count(), 10);
  EXPECT_EQ(window->GetListSelection(IDC_PLANETLIST), -1);
  EXPECT_EQ(Text(IDC_RAAZM), position);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, ListTextFromTheLogicSelectsNothing) {
  Open();
  Pick(IDC_PLANETLIST, 4);
  EXPECT_EQ(window->GetListSelection(IDC_PLANETLIST), 4);
  Click(IDC_ALLCLEAR);  // the reset shows 太陽 but keeps the pick
  auto* list = qobject_cast<QComboBox*>(Control(IDC_PLANETLIST));
  EXPECT_EQ(list->currentText(), QString::fromUtf8("太陽"));
  EXPECT_EQ(window->GetListSelection(IDC_PLANETLIST), 4);
}

TEST_F(WindowTest, YearButtonIsWhiteOnlyWhileItIsTheTarget) {
  Open();
  const auto white = [&](int id) { return Control(id)->palette().color(Control(id)->backgroundRole()) == Qt::white; };
  const auto yearWhite = [&] {  // the face beside the caption, as drawn
    QWidget* button = Control(IDC_FIELD_YEAR);
    return button->grab().toImage().pixelColor(button->width() / 5, button->height() / 2) == Qt::white;
  };
  for (int id : {IDC_TIME, IDC_RAAZM, IDC_DECALT, IDC_ENTRY}) EXPECT_TRUE(white(id)) << id;
  EXPECT_FALSE(white(IDC_YEAR));
  const std::pair<int, bool> steps[] = {{IDC_FIELD_YEAR, true},  {IDC_DIGIT1, true},        {IDC_SET, true},
                                        {IDC_ALLCLEAR, true},    {IDC_FIELD_MONTH, false}, {IDC_FIELD_YEAR, true},
                                        {IDC_FIELD_DAY, false}};
  EXPECT_FALSE(yearWhite());
  for (const auto& [id, expected] : steps) {
    Click(id);
    EXPECT_EQ(yearWhite(), expected) << id;
  }
}

TEST_F(WindowTest, KeyboardPressesTheKeypadVisibly) {
  Open();
  Click(IDC_FIELD_LATITUDE);
  QTest::keyClick(window.get(), Qt::Key_3, Qt::NoModifier);
  EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control(IDC_DIGIT3))->isDown()) << "pressed while animating";
  QTest::keyClicks(window.get(), "55.5-");  // a key twice in quick succession counts twice
  EXPECT_EQ(Text(IDC_ENTRY), "-355.5");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !qobject_cast<QAbstractButton*>(Control(IDC_SIGN))->isDown(); }, 3000));
}

TEST_F(WindowTest, EnterOnAPushButtonPressesIt) {
  Open();
  EXPECT_EQ(QApplication::focusWidget(), Control(IDC_SET));
  Click(IDC_FIELD_YEAR);
  Keys("1999");
  Control(IDC_SET)->setFocus();
  QTest::keyClick(Control(IDC_SET), Qt::Key_Return);
  EXPECT_EQ(Text(IDC_YEAR), "1999");
  EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, CtrlCCopiesTheThreeReadouts) {
  Open();
  Click(IDC_EQUATORIAL);
  QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            Text(IDC_TIME) + "\t" + Text(IDC_RAAZM) + "\t" + Text(IDC_DECALT));
}

}  // namespace
