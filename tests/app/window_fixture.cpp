#include "window_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "app/sky_calc_app.h"
#include "panel/control_ids.h"

using namespace skycalc;

void WindowTest::SetUpTestSuite() {
  if (qApp) return;
  static int argc = 1;
  static char name[] = "skycalc";
  static char* argv[] = {name, nullptr};
  new CSkyCalcApp(argc, argv);  // lives until the process ends
  QCoreApplication::setOrganizationName(QStringLiteral("Quillmoor"));
  QCoreApplication::setApplicationName(QStringLiteral("skycalc"));
}

void WindowTest::SetUp() {
  ASSERT_TRUE(config.isValid());
  // QSettings reads XDG_CONFIG_HOME once per process; the INI file store reads it every time.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  store = std::make_unique<QtSettingsStore>();
}

void WindowTest::TearDown() {
  window.reset();
  store.reset();
}

void TriggerMenuItem(CSkyCalcWindow& window, const char* text) {
  std::unique_ptr<QMenu> menu(window.CreateContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->text() == QString::fromUtf8(text)) {
      action->trigger();
      return;
    }
  }
  ADD_FAILURE() << "no menu item " << text;
}

void InspectMenuBox(CSkyCalcWindow& window, const char* text, const std::function<void(QDialog&)>& inspect,
                    bool closeWithOk) {
  bool done = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box || box == &window || !box->isVisible() || done) return;
    done = true;
    inspect(*box);
    if (closeWithOk) {
      box->findChild<QPushButton*>("IDOK")->click();
    } else {
      QTest::keyClick(box, Qt::Key_Escape);
    }
  });
  poll.start();
  TriggerMenuItem(window, text);
  EXPECT_TRUE(done) << "no box from " << text;
}

QStringList WindowTest::Open(const std::string& directory) { return Open(std::vector<std::string>{directory}); }

QStringList WindowTest::Open(const std::vector<std::string>& folders) {
  window.reset();
  const QStringList messages =
      CloseMessages([&] { window = std::make_unique<CSkyCalcWindow>(*store, clock, folders); });
  window->show();
  QCoreApplication::processEvents();
  return messages;
}

QStringList WindowTest::CloseMessages(const std::function<void()>& action) {
  QStringList texts;
  lastTitles.clear();
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    texts << box->text();
    lastTitles << box->windowTitle();
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_TRUE(box->isModal());
    box->button(QMessageBox::Ok)->click();
  });
  closer.start();
  action();
  closer.stop();
  return texts;
}

void WindowTest::Click(int id) {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  ASSERT_NE(button, nullptr) << id;
  QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::Keys(const char* digits) {
  for (const char* c = digits; *c; ++c) {
    if (*c == '.') Click(IDC_POINT);
    else if (*c == '-') Click(IDC_SIGN);
    else Click(DigitKeyId(*c - '0'));
  }
}

void WindowTest::Pick(int listId, int index) {
  auto* list = qobject_cast<QComboBox*>(Control(listId));
  ASSERT_NE(list, nullptr);
  list->showPopup();
  QAbstractItemView* view = list->view();
  view->setCurrentIndex(view->model()->index(index, 0));  // as the pointer moving over it
  QTest::keyClick(view, Qt::Key_Return);
  QCoreApplication::processEvents();
}

QString WindowTest::Text(int id) const {
  auto* label = qobject_cast<QLabel*>(Control(id));
  return label ? label->text() : QStringLiteral("<no label>");
}

bool WindowTest::Checked(int id) const { return qobject_cast<QAbstractButton*>(Control(id))->isChecked(); }

QString WindowTest::Stored(const char* name) const {
  const QSettings settings(QStringLiteral("Quillmoor"), QStringLiteral("skycalc"));
  const QString key = QStringLiteral("Config/") + QLatin1String(name);
  return settings.contains(key) ? settings.value(key).toString() : QStringLiteral("<absent>");
}
