// Start-up, the settings store, the ways the window ends, and its chrome.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <unistd.h>

#include <clocale>
#include <cstring>
#include <memory>

#include "app/dialog_units.h"
#include "app/sky_calc_app.h"
#include "catalog/catalog_folders.h"
#include "panel/control_ids.h"

#include "window_fixture.h"

using namespace skycalc;

namespace {

const char* const kValueNames[] = {"Longitude", "Latitude", "Azimuth", "SDHour", "SDMinute"};

struct EndCase {
  const char* name;
  void (*end)(QDialog* window, QWidget* list);
  bool writes;
};
const EndCase kEndCases[] = {
    {"close box", [](QDialog* w, QWidget*) { w->close(); }, true},
    {"Esc", [](QDialog* w, QWidget*) { QTest::keyClick(w, Qt::Key_Escape); }, false},
    {"Enter in a list's text field",
     [](QDialog*, QWidget* list) { QTest::keyClick(qobject_cast<QComboBox*>(list)->lineEdit(), Qt::Key_Return); },
     false},
};

// The application object must leave numbers to the C conventions whatever the
// user's locale: a comma locale would turn "135.0" into 135 and print "%f" with commas.
TEST_F(WindowTest, ApplicationKeepsTheDecimalPointAndTheCompanyKey) {
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Quillmoor"));
}

TEST_F(WindowTest, OnlyTheCloseRequestWritesTheFiveSettings) {
  for (const EndCase& c : kEndCases) {
    SCOPED_TRACE(c.name);
    QSettings(QStringLiteral("Quillmoor"), QStringLiteral("skycalc")).clear();
    Open();
    Click(IDC_FIELD_LONGITUDE);  // longitude -5.5 and zone hours -5
    Keys("5.5-");
    Click(IDC_SET);
    Click(IDC_FIELD_ZONEHOUR);
    Keys("5-");
    Click(IDC_SET);
    c.end(window.get(), Control(IDC_PLANETLIST));
    EXPECT_FALSE(window->isVisible());
    const QStringList expected = c.writes ? QStringList{"-5.50", "35.00", " 0.00", "-5", "0"}
                                          : QStringList{"<absent>", "<absent>", "<absent>", "<absent>", "<absent>"};
    QStringList stored;
    for (const char* name : kValueNames) stored << Stored(name);
    EXPECT_EQ(stored, expected);
    EXPECT_TRUE(store->WritesSucceeded());  // so the close showed no message
  }
}

// Two windows on one store: A changes the longitude and the model and is
// closed, then B, unchanged, is closed. B writes nothing back, so A's
// changes stand (B used to rewrite all it had read).
TEST_F(WindowTest, SecondWindowsCloseKeepsTheFirstWindowsChanges) {
  Open();
  window->close();  // the first run stores all five (and the model)
  Open();
  skycalc::CSkyCalcWindow other(*store, clock, {SKYCALC_DATA_DIR});
  Click(IDC_FIELD_LONGITUDE);
  Keys("135.5");
  Click(IDC_SET);
  window->SetPreciseModel(true);
  window->close();
  other.close();
  EXPECT_EQ(Stored("Longitude"), "135.50");
  EXPECT_EQ(Stored("Precise"), "1");
}

// Regression: a close request whose settings cannot be written (here a
// read-only folder) said nothing and lost the site; now it says so, with the
// file, and the window still ends.
TEST_F(WindowTest, CloseReportsSettingsItCouldNotWrite) {
  if (::geteuid() == 0) {
    // root writes through file modes: make the folder a file instead.
    QDir(config.path()).removeRecursively();
    QFile blocker(config.path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  } else {
    QDir().mkpath(config.path() + "/Quillmoor");
    QFile::setPermissions(config.path() + "/Quillmoor", QFile::ReadOwner | QFile::ExeOwner);
  }
  Open();
  const QStringList messages = CloseMessages([&] { window->close(); });
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8("設定を保存できませんでした。\n"))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].endsWith("skycalc.conf")) << messages[0].toStdString();
  EXPECT_FALSE(window->isVisible());
  QFile::remove(config.path());
  QDir().mkpath(config.path());
  QFile::setPermissions(config.path() + "/Quillmoor", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(WindowTest, RestartReadsBackWhatTheCloseWrote) {
  const int displays[] = {IDC_LONGITUDE, IDC_LATITUDE, IDC_AZIMUTH, IDC_ZONEHOUR, IDC_ZONEMINUTE};
  const auto shown = [&] {
    QStringList texts;
    for (int id : displays) texts << Text(id);
    return texts;
  };
  Open();
  EXPECT_EQ(shown(), QString::fromUtf8("140.0°|35.0°|0.0°|9|0").split('|'));
  window->close();
  Open();
  EXPECT_EQ(shown(), QString::fromUtf8("140.00°|35.00°| 0.00°|9|0").split('|'));
}

// A value edited by hand is shown as written (a zone value as the integer
// its field holds), unchecked, and as plain text: a stored "<b>9</b>" is not
// read as markup.
TEST_F(WindowTest, HandWrittenValueIsShownUncheckedAsPlainText) {
  QDir().mkpath(config.path() + "/Quillmoor");
  QFile file(config.path() + "/Quillmoor/skycalc.conf");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Config]\nLatitude=123\nLongitude=<b>9</b>\nSDHour=<b>9</b>\n");
  file.close();
  Open();
  EXPECT_EQ(Text(IDC_LATITUDE), QString::fromUtf8("123°"));
  EXPECT_EQ(Text(IDC_LONGITUDE), QString::fromUtf8("<b>9</b>°"));
  EXPECT_EQ(Text(IDC_ZONEHOUR), "0");
  for (int id : {IDC_LONGITUDE, IDC_ZONEHOUR, IDC_TIME, IDC_RAAZM, IDC_DECALT, IDC_ENTRY, IDC_YEAR})
    EXPECT_EQ(qobject_cast<QLabel*>(Control(id))->textFormat(), Qt::PlainText) << id;
}

TEST_F(WindowTest, MissingCataloguesAreReportedAtStartUp) {
  QTemporaryDir empty;
  const QStringList messages = Open(empty.path().toStdString());
  EXPECT_EQ(messages, QStringList({QString::fromUtf8("恒星データファイルStarData.txtが読み込めません。"),
                                   QString::fromUtf8("星座データファイルConstData.txtが読み込めません。")}));
  EXPECT_EQ(lastTitles, QStringList({"skycalc", "skycalc"}));
  EXPECT_EQ(Text(IDC_YEAR), "2001");
  EXPECT_EQ(Text(IDC_TIME), "2451910.125000");
  EXPECT_TRUE(Text(IDC_RAAZM).startsWith("Azm "));
  EXPECT_EQ(qobject_cast<QComboBox*>(Control(IDC_CONSTLIST))->count(), 88);
  EXPECT_TRUE(Open().isEmpty()) << "no message with the catalogues present";
}

TEST_F(WindowTest, WindowMatchesItsTemplate) {
  Open();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("星空ポケット「ほしよみ君」"));
  const QSize base = DialogBaseUnits(window->font());
  EXPECT_EQ(window->size(), DialogUnitsToPixels(QRect(0, 0, 294, 159), base).size());
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(window->windowIcon().availableSizes().value(0), QSize(32, 32));
  for (int id : {IDC_FIELD_BLANK1, IDC_FIELD_BLANK2}) EXPECT_FALSE(Control(id)->isEnabled()) << id;
}

// Once the context menu is up its item is triggered; once the version box is
// up its caption and title line are recorded and Esc closes it.
TEST_F(WindowTest, ContextMenuOpensTheVersionBox) {
  Open();
  QStringList seen;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      if (!menu->isVisible() || !seen.isEmpty()) return;
      QAction* about = menu->actions().value(menu->actions().size() - 1);  // the last item
      seen << about->text();
      menu->setActiveAction(about);
      // Queued: the version box runs its own loop, in which this timer must fire again.
      QTimer::singleShot(0, menu, [menu] { QTest::keyClick(menu, Qt::Key_Return); });
    } else if (auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
               about && about != window.get() && about->isVisible()) {
      seen << about->windowTitle();
      seen << about->findChild<QLabel*>("IDC_ABOUT_TITLE")->text();
      QTest::keyClick(about, Qt::Key_Escape);
    }
  });
  poll.start();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(window.get(), &event);
  EXPECT_TRUE(QTest::qWaitFor([&] { return seen.size() == 3; }, 3000));
  poll.stop();
  EXPECT_EQ(seen, QStringList({QString::fromUtf8("「ほしよみ君」 のﾊﾞｰｼﾞｮﾝ情報(&A)..."),
                               QString::fromUtf8("「ほしよみ君」のﾊﾞｰｼﾞｮﾝ情報"),
                               QString::fromUtf8("星空ポケット「ほしよみ君」 ver1.2")}));
  EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, F1ShowsHelp) {
  Open();
  const QStringList messages = CloseMessages([&] { QTest::keyClick(window.get(), Qt::Key_F1); });
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("SET"));
  EXPECT_TRUE(window->isVisible());
}

}  // namespace

namespace {

// Started from a folder without catalogues, the window finds them in the
// installed share folder beside its program (bin/../share/skycalc).
TEST_F(WindowTest, CataloguesFromTheShareFolderBesideTheProgram) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("share/skycalc") &&
              QDir(root.path()).mkpath("work"));
  for (const char* file : {"StarData.txt", "ConstData.txt"})
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(SKYCALC_DATA_DIR) + "/" + file, root.path() + "/share/skycalc/" + file));
  const QString before = QDir::currentPath();
  QDir::setCurrent(root.path() + "/work");
  const QStringList messages = Open(CatalogSearchFolders((root.path() + "/bin").toStdString()));
  QDir::setCurrent(before);
  EXPECT_TRUE(messages.isEmpty()) << messages.join(", ").toStdString();
  EXPECT_EQ(qobject_cast<QComboBox*>(Control(IDC_STARLIST))->count(), 21);
}

// Qt's own texts are Japanese too: the edit menu of the lists' text fields.
TEST_F(WindowTest, EditMenuOfTheListsIsJapanese) {
  Open();
  auto* app = qobject_cast<CSkyCalcApp*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  ASSERT_TRUE(app->HasQtTranslation()) << "qtbase_ja.qm (Debian qt6-translations-l10n) is not installed";
  auto* list = qobject_cast<QComboBox*>(Control(IDC_STARLIST));
  std::unique_ptr<QMenu> menu(list->lineEdit()->createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) texts << action->text();
  ASSERT_GE(texts.size(), 6);
  for (const QString& text : texts) {
    bool japanese = false;
    for (const QChar c : text) japanese = japanese || c.unicode() >= 0x3000;
    EXPECT_TRUE(japanese) << text.toStdString();
  }
  EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QString::fromUtf8("コピー"))) << texts.join(", ").toStdString();
}

}  // namespace
