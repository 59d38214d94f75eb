// skycalc-screenshot: the real calculator window, as the program starts it,
// pictured for the documentation and then ended like Esc (nothing saved).
//   skycalc-screenshot window FILE.png    the calculator
//   skycalc-screenshot riseset FILE.png   its 出没時刻 box (likewise almanac: the 暦 box)
// Run from the build folder (beside the catalogues) under a virtual X server
// (scripts/screenshot.sh).

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/qt_settings_store.h"
#include "app/sky_calc_app.h"
#include "app/sky_calc_window.h"
#include "catalog/catalog_folders.h"
#include "panel/clock.h"
#include "panel/settings_keys.h"

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

// The boxes the tool can picture, each by the window's own handler.
const struct {
  const char* name;
  void (skycalc::CSkyCalcWindow::*show)();
} kBoxes[] = {{"riseset", &skycalc::CSkyCalcWindow::ShowRiseSet}, {"almanac", &skycalc::CSkyCalcWindow::ShowAlmanac}};

int main(int argc, char** argv) {
  void (skycalc::CSkyCalcWindow::*show)() = nullptr;
  for (const auto& box : kBoxes)
    if (argc == 3 && std::strcmp(argv[1], box.name) == 0) show = box.show;
  if (argc != 3 || (std::strcmp(argv[1], "window") != 0 && !show)) {
    std::fprintf(stderr, "usage: skycalc-screenshot window|riseset|almanac FILE.png\n");
    return 64;
  }
  skycalc::CSkyCalcApp app(argc, argv);
  // The window's own store, whatever this tool's file is called.
  QCoreApplication::setApplicationName(QString::fromUtf8(skycalc::kApplicationName));
  skycalc::QtSettingsStore store;
  skycalc::SystemClock clock;
  skycalc::CSkyCalcWindow window(store, clock, skycalc::CatalogSearchFolders(QCoreApplication::applicationDirPath().toStdString()));
  const QString file = QString::fromLocal8Bit(argv[2]);
  if (!show) {
    QTimer::singleShot(1000, &window, [&window, file] {
      GrabWithCaption(&window).save(file);
      window.reject();
    });
  } else {
    QTimer::singleShot(500, &window, [&window, file, show] {
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
