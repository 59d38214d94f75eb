#include "app/sky_calc_app.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QLibraryInfo>
#include <clocale>
#include <utility>
#include <QTimer>

#include "app/app_icon.h"
#include "app/qt_settings_store.h"
#include "app/sky_calc_window.h"
#include "catalog/catalog_folders.h"
#include "panel/clock.h"

namespace skycalc {

namespace {

// A picture of a top-level widget with a plain caption bar drawn above it
// (icon and title), since a virtual screen without a window manager draws no
// frames: the documentation's pictures show the caption too.
QPixmap GrabWithCaption(QWidget* widget) {
  const QPixmap client = widget->grab();
  const QFont font = widget->font();
  const int barHeight = QFontMetrics(font).height() + 10;
  QPixmap picture(client.width(), client.height() + barHeight);
  picture.fill(widget->palette().color(QPalette::Window));
  QPainter painter(&picture);
  painter.fillRect(QRect(0, 0, client.width(), barHeight), QColor(0x00, 0x00, 0x80));
  const int iconSize = barHeight - 6;
  painter.drawPixmap(4, 3, widget->windowIcon().pixmap(iconSize, iconSize));
  painter.setPen(Qt::white);
  QFont bold = font;
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRect(iconSize + 10, 0, client.width() - iconSize - 14, barHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   widget->windowTitle());
  painter.drawPixmap(0, barHeight, client);
  return picture;
}

}  // namespace

CSkyCalcApp::CSkyCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
  // QApplication adopts the user's locale; the calculator's texts, its entry
  // and its settings always use a decimal point, as the C library's "C"
  // numeric conventions write and read them ("135.0", "%5.2f", "%f").
  std::setlocale(LC_NUMERIC, "C");
  setOrganizationName(QStringLiteral("Quillmoor"));
  setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
  setWindowIcon(ApplicationIcon());
  // Every text the user meets is Japanese, whatever the desktop's language:
  // Qt's own texts come from its Japanese translation when it is installed.
  m_hasQtTranslation = m_qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (m_hasQtTranslation) installTranslator(&m_qtTranslator);
}

int CSkyCalcApp::InitInstance() {
  QtSettingsStore store;
  SystemClock clock;
  // The catalogues: from the current folder, else from the installed share
  // folder beside the program (../share/skycalc).
  CSkyCalcWindow window(store, clock, CatalogSearchFolders(applicationDirPath().toStdString()));
  // SKYCALC_SCREENSHOT=file.png: save a picture of the window once it is up,
  // then end it like Esc (nothing is saved); SKYCALC_SCREENSHOT_RISESET=file.png
  // and SKYCALC_SCREENSHOT_ALMANAC=file.png the same of the 出没時刻 and 暦
  // boxes. Used by scripts/screenshot.sh.
  const QString screenshot = qEnvironmentVariable("SKYCALC_SCREENSHOT");
  if (!screenshot.isEmpty()) {
    QTimer::singleShot(1000, &window, [&window, screenshot] {
      GrabWithCaption(&window).save(screenshot);
      window.reject();
    });
  }
  const std::pair<const char*, void (CSkyCalcWindow::*)()> boxes[] = {
      {"SKYCALC_SCREENSHOT_RISESET", &CSkyCalcWindow::ShowRiseSet},
      {"SKYCALC_SCREENSHOT_ALMANAC", &CSkyCalcWindow::ShowAlmanac}};
  for (const auto& [variable, show] : boxes) {
    const QString file = qEnvironmentVariable(variable);
    if (file.isEmpty()) continue;
    QTimer::singleShot(500, &window, [&window, file, show = show] {
      QTimer::singleShot(1000, &window, [&window, file] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box != &window) {
          GrabWithCaption(box).save(file);
          box->close();
        }
        window.reject();
      });
      (window.*show)();
    });
  }
  window.exec();
  return 0;
}

}  // namespace skycalc
