// skycalc-screenshot: the real calculator window, as the program starts it,
// pictured for the documentation and then ended like Esc (nothing saved).
//   skycalc-screenshot window FILE.png    the calculator
//   skycalc-screenshot riseset FILE.png   its 出没時刻 box (riseset-moon: the Moon's; likewise almanac: the 暦 box,
//                                         about: the version box)
//   skycalc-screenshot eclipse FILE.png   its 日食・月食 box, the first eclipse
//                                         seen from the site selected
//   skycalc-screenshot chart FILE.png     its 星図 box, the Moon chosen
//   skycalc-screenshot places FILE.png    its 地点 box, searched by the reading さ
//   skycalc-screenshot phenomena FILE.png its 天象 box (almanac-2026-09: the 暦 box stepped to 2026年9月)
// Run from the build folder (beside the catalogues) under a virtual X server
// (scripts/screenshot.sh).

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "store/qt_settings_store.h"
#include "app/sky_calc_app.h"
#include "app/sky_calc_window.h"
#include "app/sky_chart_dlg.h"
#include "catalog/catalog_folders.h"
#include "panel/clock.h"
#include "panel/settings_keys.h"

namespace {

// A picture of a top-level widget with a plain caption bar drawn above it
// (icon and title), since a virtual screen without a window manager draws no
// frames: the documentation's pictures show the caption too.
// The picture has the client's device pixels (twice the widget's size at a
// scale of 2); the caption is drawn in the widget's own units.
QPixmap GrabWithCaption(QWidget* widget) {
  const QPixmap client = widget->grab();
  const QFont font = widget->font();
  const int barHeight = QFontMetrics(font).height() + 10;
  const QSize size = widget->size();
  const qreal ratio = client.devicePixelRatio();
  QPixmap picture(qRound(size.width() * ratio), qRound((size.height() + barHeight) * ratio));
  picture.setDevicePixelRatio(ratio);
  picture.fill(widget->palette().color(QPalette::Window));
  QPainter painter(&picture);
  painter.fillRect(QRect(0, 0, size.width(), barHeight), QColor(0x00, 0x00, 0x80));
  const int iconSize = barHeight - 6;
  painter.drawPixmap(4, 3, widget->windowIcon().pixmap(iconSize, iconSize));
  painter.setPen(Qt::white);
  QFont bold = font;
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRect(iconSize + 10, 0, size.width() - iconSize - 14, barHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   widget->windowTitle());
  painter.drawPixmap(0, barHeight, client);
  return picture;
}

// In the 日食・月食 box, selects the first eclipse seen from the site.
void SelectFirstSeenEclipse(QWidget* box) {
  auto* list = box->findChild<QListWidget*>(QStringLiteral("IDC_ECLIPSE_LIST"));
  if (!list) return;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->text().endsWith(QString::fromUtf8("見える"))) {
      list->setCurrentRow(row);
      return;
    }
  }
}

// In the 暦 box, steps to 2026年9月 (a month of three holidays in a row).
void StepToSeptember2026(QWidget* box) {
  auto* title = box->findChild<QLabel*>(QStringLiteral("IDC_ALMANAC_MONTH"));
  for (int i = 0; i < 12000 && title && !title->text().startsWith(QString::fromUtf8("2026年9月")); ++i) {
    const int shown = title->text().section(QString::fromUtf8("年"), 0, 0).toInt() * 12 +
                      title->text().section(QString::fromUtf8("年"), 1).section(QString::fromUtf8("月"), 0, 0).toInt();
    const char* step = shown > 2026 * 12 + 9 ? "IDC_ALMANAC_PREVIOUS" : "IDC_ALMANAC_NEXT";
    box->findChild<QPushButton*>(QString::fromLatin1(step))->click();
  }
}

// In the 地点 box, searches by the reading さ (札幌, 佐賀, さいたま, ...).
void SearchPlaces(QWidget* box) {
  if (auto* search = box->findChild<QLineEdit*>()) search->setText(QString::fromUtf8("さ"));
}

}  // namespace

// The boxes the tool can picture, each opened by the window's own handler
// and readied, where need be, before the picture.
struct Box {
  const char* name;
  void (skycalc::CSkyCalcWindow::*show)();
  void (*ready)(QWidget* box);
  int planet;  // the planet list's entry picked first, -1 for the window's own choice
};
const Box kBoxes[] = {{"riseset", &skycalc::CSkyCalcWindow::ShowRiseSet, nullptr, -1},
                      {"riseset-moon", &skycalc::CSkyCalcWindow::ShowRiseSet, nullptr, 9},
                      {"almanac", &skycalc::CSkyCalcWindow::ShowAlmanac, nullptr, -1},
                      {"almanac-2026-09", &skycalc::CSkyCalcWindow::ShowAlmanac, StepToSeptember2026, -1},
                      {"phenomena", &skycalc::CSkyCalcWindow::ShowPhenomena, nullptr, -1},
                      {"about", &skycalc::CSkyCalcWindow::ShowAbout, nullptr, -1},
                      {"eclipse", &skycalc::CSkyCalcWindow::ShowEclipses, SelectFirstSeenEclipse, -1},
                      {"chart", &skycalc::CSkyCalcWindow::ShowChart, nullptr, 9},
                      {"places", &skycalc::CSkyCalcWindow::ShowPlaces, SearchPlaces, -1}};

int main(int argc, char** argv) {
  const Box* chosen = nullptr;
  for (const Box& box : kBoxes)
    if (argc == 3 && std::strcmp(argv[1], box.name) == 0) chosen = &box;
  if (argc != 3 || (std::strcmp(argv[1], "window") != 0 && !chosen)) {
    std::fprintf(stderr, "usage: skycalc-screenshot window|riseset|riseset-moon|almanac|almanac-2026-09|phenomena|eclipse|about|chart|places FILE.png\n");
    return 64;
  }
  skycalc::CSkyCalcApp app(argc, argv);
  // The window's own store, whatever this tool's file is called.
  QCoreApplication::setApplicationName(QString::fromUtf8(skycalc::kApplicationName));
  skycalc::QtSettingsStore store;
  skycalc::SystemClock clock;
  skycalc::CSkyCalcWindow window(store, clock, skycalc::CatalogSearchFolders(QCoreApplication::applicationDirPath().toStdString()));
  const QString file = QString::fromLocal8Bit(argv[2]);
  if (!chosen) {
    QTimer::singleShot(1000, &window, [&window, file] {
      GrabWithCaption(&window).save(file);
      window.reject();
    });
  } else {
    QTimer::singleShot(500, &window, [&window, file, chosen] {
      QTimer::singleShot(1000, &window, [&window, file, chosen] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box == &window) box = window.Chart();  // the one modeless box
        if (box && box != &window) {
          if (chosen->ready) chosen->ready(box);
          GrabWithCaption(box).save(file);
          box->close();
        }
        window.reject();
      });
      if (auto* list = window.findChild<QComboBox*>(QStringLiteral("IDC_PLANETLIST")); list && chosen->planet >= 0) {
        list->setCurrentIndex(chosen->planet);
        emit list->activated(chosen->planet);
      }
      (window.*(chosen->show))();
    });
  }
  window.exec();
  return 0;
}
