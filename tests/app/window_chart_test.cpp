// The 星図 box: its own time, a click choosing in the calculator, and the
// window's painter drawing what the SVG writer writes.

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>

#include "app/display_list_painter.h"
#include "app/sky_chart_dlg.h"
#include "panel/control_ids.h"
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

// One display list drawn by the window's painter and by librsvg from the
// SVG (rsvg-convert, librsvg2-bin): the same picture but for the glyphs'
// hinting, in daylight, in twilight with the Moon and on a moonless night.
TEST_F(WindowTest, PainterAndSvgDrawTheSameChart) {
  const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
  if (rsvg.isEmpty()) GTEST_SKIP() << "rsvg-convert not installed";
  Open();
  const ChartData data = LoadChartData(SKYCALC_DATA_DIR, SKYCALC_DATA_DIR);
  struct Scene {
    const char* name;
    StoredFields fields;
  };
  const Scene kScenes[] = {{"day", {2025, 1, 10, 12, 0, 139.7f, 35.7f, 0.0f, 9, 0}},
                           {"twilight and Moon", {2025, 1, 10, 17, 15, 139.7f, 35.7f, 0.0f, 9, 0}},
                           {"moonless night", {2025, 1, 29, 22, 0, 139.7f, 35.7f, 0.0f, 9, 0}}};
  constexpr int kSize = 400;
  for (const Scene& scene : kScenes) {
    const Observation observation{&sky::CalculatorModel(), sky::Target::OfBody(Body::kMoon), "", scene.fields,
                                  &window->Logic().CatalogTables()};
    const SkyChart chart = MakeSkyChart(observation, data, ChartView{}, kSize);
    QImage painted(kSize, kSize, QImage::Format_RGB32);
    painted.fill(Qt::black);
    {
      QPainter painter(&painted);
      PaintDisplayList(painter, chart.list, QRectF(0, 0, kSize, kSize));
    }
    const QString svg = config.filePath(QStringLiteral("chart.svg")), png = config.filePath(QStringLiteral("chart.png"));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(SvgOf(chart.list, kSize)));
    file.close();
    ASSERT_EQ(QProcess::execute(rsvg, {QStringLiteral("-o"), png, svg}), 0);
    const QImage rendered = QImage(png).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(rendered.size(), painted.size());
    double total = 0.0;
    int far = 0;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const QRgb a = painted.pixel(x, y), b = rendered.pixel(x, y);
        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        total += d;
        far += d > 96;
      }
    }
    const double mean = total / (kSize * kSize);
    // The glyphs alone give a mean of 2-4 and under 1 % of pixels far off; a
    // picture one pixel to the side already gives 7-8 in twilight and at night.
    EXPECT_LT(mean, 6.0) << scene.name;
    EXPECT_LT(far, kSize * kSize / 50) << scene.name;
    std::printf("%s: mean difference %.2f, %d pixels beyond 96\n", scene.name, mean, far);
  }
}

}  // namespace
}  // namespace skycalc
