// The 星図 box: its own time, a click choosing in the calculator, and the
// window's painter drawing what the SVG writer writes.

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/display_list_painter.h"
#include "app/sky_chart_dlg.h"
#include "panel/almanac_box.h"
#include "panel/control_ids.h"
#include "panel/eclipse_box.h"
#include "panel/svg_writer.h"
#include "window_fixture.h"

namespace skycalc {
namespace {

QPushButton* ButtonNamed(QWidget* box, const char* text) {
  for (QPushButton* b : box->findChildren<QPushButton*>())
    if (b->text() == QString::fromUtf8(text)) return b;
  return nullptr;
}

// Steps move the chart's time only; a click on a planet or a constellation
// name picks it in its list, as the list itself would, and the chart marks it.
TEST_F(WindowTest, ChartBoxStepsItsOwnTimeAndChoosesWhatIsClicked) {
  Open();
  TriggerMenuItem(*window, "星図(&M)...");
  CSkyChartDlg* box = window->Chart();
  ASSERT_NE(box, nullptr);
  const QString julianDay = Text(IDC_TIME);
  struct Step {
    const char* button;
    const char* title;
  };
  const Step kSteps[] = {{"+1時間", "2001年1月1日 1時00分"}, {"−1日", "2000年12月31日 1時00分"},
                         {"+10分", "2000年12月31日 1時10分"}, {"現在の設定に戻す", "2001年1月1日 0時00分"}};
  for (const Step& s : kSteps) {
    QPushButton* button = ButtonNamed(box, s.button);
    ASSERT_NE(button, nullptr) << s.button;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(box->View()->Chart().title, s.title);
    EXPECT_EQ(Text(IDC_TIME), julianDay) << s.button;
  }
  struct Kind {
    int listId, radio;
  };
  for (const Kind& kind : {Kind{IDC_PLANETLIST, IDC_PLANET}, Kind{IDC_CONSTLIST, IDC_CONSTELLATION}}) {
    const DisplayList& list = box->View()->Chart().list;
    int target = -1;
    for (std::size_t i = 0; i < list.objects.size() && target < 0; ++i) {
      const DisplayObject& o = list.objects[i];
      if (o.listId == kind.listId && !o.chosen && ChosenObjectAt(list, o.x, o.y, 12.0) == static_cast<int>(i))
        target = static_cast<int>(i);
    }
    ASSERT_GE(target, 0);
    const DisplayObject object = list.objects[target];
    const QPointF at = DisplayListTransform(list, QRectF(box->View()->rect())).map(QPointF(object.x, object.y));
    QTest::mouseClick(box->View(), Qt::LeftButton, {}, at.toPoint());
    EXPECT_TRUE(Checked(kind.radio)) << object.name;
    EXPECT_EQ(qobject_cast<QComboBox*>(Control(kind.listId))->currentIndex(), object.listIndex);
    bool marked = false;
    for (const DisplayObject& o : box->View()->Chart().list.objects) marked |= o.chosen && o.name == object.name;
    EXPECT_TRUE(marked) << object.name;
  }
  box->close();
}

// A display list drawn by the window's painter and by librsvg from its SVG
// (rsvg-convert, librsvg2-bin) at size x size pixels: the mean of the
// largest channel difference per pixel, and how many pixels differ by more
// than 96.
struct PixelDifference {
  double mean = 0.0;
  int far = 0;
};
PixelDifference PainterAgainstSvg(const QString& rsvg, const QTemporaryDir& folder, const DisplayList& list, int size) {
  QImage painted(size, size, QImage::Format_RGB32);
  painted.fill(Qt::black);
  {
    QPainter painter(&painted);
    PaintDisplayList(painter, list, QRectF(0, 0, size, size));
  }
  const QString svg = folder.filePath(QStringLiteral("list.svg")), png = folder.filePath(QStringLiteral("list.png"));
  QFile file(svg);
  if (!file.open(QIODevice::WriteOnly)) return {255.0, size * size};
  file.write(QByteArray::fromStdString(SvgOf(list, size)));
  file.close();
  if (QProcess::execute(rsvg, {QStringLiteral("-o"), png, svg}) != 0) return {255.0, size * size};
  // Over black, as the painted image: a list with a transparent background composes the same.
  QImage rendered(size, size, QImage::Format_RGB32);
  rendered.fill(Qt::black);
  {
    QPainter painter(&rendered);
    painter.drawImage(0, 0, QImage(png));
  }
  PixelDifference d;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QRgb a = painted.pixel(x, y), b = rendered.pixel(x, y);
      const int e = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
      d.mean += e;
      d.far += e > 96;
    }
  }
  d.mean /= size * size;
  return d;
}

// The chart in daylight, in twilight with the Moon and on a moonless night,
// the 暦 box's Moon icons and the 日食・月食 box's drawings: each the same
// picture from the painter and from the SVG but for the glyphs' hinting.
TEST_F(WindowTest, PainterAndSvgDrawTheSameChart) {
  const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
  if (rsvg.isEmpty()) GTEST_SKIP() << "rsvg-convert not installed";
  Open();
  const ChartData data = LoadChartData(SKYCALC_DATA_DIR, SKYCALC_DATA_DIR);
  struct Scene {
    std::string name;
    DisplayList list;
    int size;
  };
  std::vector<Scene> scenes;
  const struct {
    const char* name;
    StoredFields fields;
  } kCharts[] = {{"day", {2025, 1, 10, 12, 0, 139.7f, 35.7f, 0.0f, 9, 0}},
                 {"twilight and Moon", {2025, 1, 10, 17, 15, 139.7f, 35.7f, 0.0f, 9, 0}},
                 {"moonless night", {2025, 1, 29, 22, 0, 139.7f, 35.7f, 0.0f, 9, 0}}};
  for (const auto& c : kCharts) {
    const Observation observation{&sky::CalculatorModel(), sky::Target::OfBody(Body::kMoon), "", c.fields,
                                  &window->Logic().CatalogTables()};
    scenes.push_back({c.name, MakeSkyChart(observation, data, ChartView{}, 400).list, 400});
  }
  for (const auto& [fraction, waxing] : {std::pair{0.25, true}, std::pair{0.5, false}, std::pair{0.93, true}})
    scenes.push_back({"Moon icon " + std::to_string(fraction), MoonIcon(fraction, waxing), 160});
  // A partial solar eclipse from Tokyo (2030-06-01) and a total lunar one (2022-11-08).
  for (const std::int32_t year : {2030, 2022}) {
    const Observation observation{&sky::CalculatorModel(), sky::Target::OfBody(Body::kSun), "",
                                  StoredFields{year, 1, 1, 0, 0, 139.74f, 35.65f, 0.0f, 9, 0},
                                  &window->Logic().CatalogTables()};
    const EclipseBox box = StoredYearEclipseBox(observation);
    ASSERT_GE(box.first, 0) << year;
    scenes.push_back({"eclipse " + std::to_string(year), box.rows[static_cast<std::size_t>(box.first)].picture, 240});
  }
  for (const Scene& scene : scenes) {
    EXPECT_GE(scene.list.items.size(), 2u) << scene.name;  // a picture, not an empty box
    const PixelDifference d = PainterAgainstSvg(rsvg, config, scene.list, scene.size);
    // The glyphs alone give a mean of 2-4 and under 1 % of pixels far off; a
    // picture one pixel to the side already gives 7-8 in twilight and at night.
    EXPECT_LT(d.mean, 6.0) << scene.name;
    EXPECT_LT(d.far, scene.size * scene.size / 50) << scene.name;
    std::printf("%s: mean difference %.2f, %d pixels beyond 96\n", scene.name.c_str(), d.mean, d.far);
  }
}

}  // namespace
}  // namespace skycalc
