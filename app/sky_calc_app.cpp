#include "app/sky_calc_app.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QLibraryInfo>
#include <clocale>
#include <QListWidget>
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
  // the same of the 出没時刻 box. Used by scripts/screenshot.sh.
  const QString screenshot = qEnvironmentVariable("SKYCALC_SCREENSHOT");
  if (!screenshot.isEmpty()) {
    QTimer::singleShot(1000, &window, [&window, screenshot] {
      GrabWithCaption(&window).save(screenshot);
      window.reject();
    });
  }
  const QString riseSet = qEnvironmentVariable("SKYCALC_SCREENSHOT_RISESET");
  if (!riseSet.isEmpty()) {
    QTimer::singleShot(500, &window, [&window, riseSet] {
      QTimer::singleShot(1000, &window, [&window, riseSet] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box != &window) {
          GrabWithCaption(box).save(riseSet);
          box->close();
        }
        window.reject();
      });
      window.ShowRiseSet();
    });
  }
  // SKYCALC_SCREENSHOT_ECLIPSE=file.png: the 日食・月食 box with the first
  // eclipse seen from the site selected.
  const QString eclipses = qEnvironmentVariable("SKYCALC_SCREENSHOT_ECLIPSE");
  if (!eclipses.isEmpty()) {
    QTimer::singleShot(500, &window, [&window, eclipses] {
      QTimer::singleShot(1000, &window, [&window, eclipses] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box != &window) {
          if (auto* list = box->findChild<QListWidget*>(QStringLiteral("IDC_ECLIPSE_LIST"))) {
            for (int row = 0; row < list->count(); ++row) {
              if (list->item(row)->text().endsWith(QString::fromUtf8("見える"))) {
                list->setCurrentRow(row);
                break;
              }
            }
          }
          GrabWithCaption(box).save(eclipses);
          box->close();
        }
        window.reject();
      });
      window.ShowEclipses();
    });
  }
  window.exec();
  return 0;
}

}  // namespace skycalc
