// Cost of each computational operation, of one full readout through SET to
// the texts, and of the same places computed by libnova for comparison.
// Inputs vary from call to call over a small table so that nothing is folded
// away as a constant and branches see realistic variety.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#ifdef SKYCALC_BENCH_PAINTER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "app/display_list_painter.h"
#endif
#include "panel/sky_chart.h"
#include "panel/svg_writer.h"
#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/frames/ecliptic.h"
#include "astro/frames/horizontal.h"
#include "astro/horizon/horizon.h"
#include "astro/planets/elements.h"
#include "astro/planets/geocentric.h"
#include "astro/planets/moon.h"
#include "astro/planets/orbit.h"
#include "astro/time/julian_day.h"
#include "astro/time/sidereal.h"
#include "catalog/catalog.h"
#include "astro/horizon/precession.h"
#include "cli/civil_calendar.h"
#include "panel/control_ids.h"
#include "panel/day_events.h"
#include "astro/sky/model.h"
#include "panel/readout_format.h"
#include "panel/sky_calc_dlg.h"
#include "tests/support/headless_calculator.h"

#ifdef SKYCALC_BENCH_LIBNOVA
#include <libnova/libnova.h>
#endif

namespace skycalc {
namespace {

constexpr std::size_t kSamples = 64;  // power of two: index with a mask

// Julian Days spread over 1900-2100, and angles spread over the circle.
struct Inputs {
  double jd[kSamples];
  double angle[kSamples];
  double latitude[kSamples];
  Inputs() {
    std::uint64_t state = 12345;
    for (std::size_t i = 0; i < kSamples; ++i) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      const double u = static_cast<double>(state >> 11) * 0x1.0p-53;
      jd[i] = 2415020.5 + u * 73049.0;
      angle[i] = u * 6.283185307;
      latitude[i] = (u - 0.5) * 3.0;
    }
  }
};
const Inputs kIn;

// Runs op(i) for i cycling through the sample table.
template <typename Op>
void Cycle(benchmark::State& state, Op op) {
  std::size_t i = 0;
  for (auto _ : state) {
    op(i & (kSamples - 1));
    ++i;
  }
}

// ---- Astronomical time ---------------------------------------------------

void BM_CalendarToJD(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(CalendarToJD(1900.0 + i * 3, 1 + i % 12, 1.5 + i % 28)); });
}
void BM_LocalTimeToJD(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double jd = 0.0;
    LocalTimeToJD(1900 + static_cast<int>(i) * 3, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 9, 0, jd);
    benchmark::DoNotOptimize(jd);
  });
}
void BM_JDAtZeroHour(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(JDAtZeroHour(kIn.jd[i])); });
}
void BM_SiderealTimeAtZeroHour(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(SiderealTimeAtZeroHour(kIn.jd[i])); });
}
void BM_LocalSiderealTime(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(LocalSiderealTime(kIn.jd[i], kIn.angle[i] - 3.0)); });
}
void BM_HourAngle(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(HourAngle(kIn.angle[i], kIn.jd[i], 2.4)); });
}
void BM_RoundHourMinute(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double h = 0.0, m = 0.0;
    RoundHourMinute(static_cast<double>(i % 24), kIn.angle[i] * 9.5, h, m);
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(m);
  });
}
BENCHMARK(BM_CalendarToJD);
BENCHMARK(BM_LocalTimeToJD);
BENCHMARK(BM_JDAtZeroHour);
BENCHMARK(BM_SiderealTimeAtZeroHour);
BENCHMARK(BM_LocalSiderealTime);
BENCHMARK(BM_HourAngle);
BENCHMARK(BM_RoundHourMinute);

// ---- Coordinate frames ---------------------------------------------------

void BM_AngleOfXY(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(AngleOfXY(kIn.latitude[i], kIn.latitude[i ^ 5])); });
}
void BM_ArcSin(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(ArcSin(kIn.latitude[i] * 0.6)); });
}
void BM_ReduceRadians(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(ReduceRadians(kIn.angle[i] * 7.0 - 20.0)); });
}
void BM_RectangularToSpherical(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double l = 0.0, b = 0.0, r = 0.0;
    RectangularToSpherical(kIn.latitude[i], kIn.latitude[i ^ 3], kIn.latitude[i ^ 9], l, b, r);
    benchmark::DoNotOptimize(l + b + r);
  });
}
void BM_SphericalToRectangular(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double x = 0.0, y = 0.0, z = 0.0;
    SphericalToRectangular(kIn.angle[i], kIn.latitude[i] * 0.5, 1.5, x, y, z);
    benchmark::DoNotOptimize(x + y + z);
  });
}
void BM_RotateSphericalAboutZ(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double l = 0.0, b = 0.0;
    RotateSphericalAboutZ(kIn.angle[i], kIn.latitude[i] * 0.5, 0.3, l, b);
    benchmark::DoNotOptimize(l + b);
  });
}
void BM_EclipticToEquatorial(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double a = 0.0, d = 0.0;
    EclipticToEquatorial(kIn.angle[i], kIn.latitude[i] * 0.5, 2000, a, d);
    benchmark::DoNotOptimize(a + d);
  });
}
void BM_ObliquityOfDate(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(ObliquityOfDate(kIn.jd[i])); });
}
void BM_EclipticToEquatorialOfDate(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double a = 0.0, d = 0.0;
    EclipticToEquatorialOfDate(kIn.angle[i], kIn.latitude[i] * 0.5, kIn.jd[i], a, d);
    benchmark::DoNotOptimize(a + d);
  });
}
void BM_EquatorialToHorizontal(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double az = 0.0, alt = 0.0;
    EquatorialToHorizontal(kIn.angle[i], kIn.latitude[i] * 0.5, 2.44, 0.61, kIn.jd[i], az, alt);
    benchmark::DoNotOptimize(az + alt);
  });
}
void BM_HorizontalFromNorth(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double az = 0.0, alt = 0.0;
    HorizontalFromNorth(0.61, kIn.latitude[i] * 0.5, kIn.angle[i], az, alt);
    benchmark::DoNotOptimize(az + alt);
  });
}
void BM_ReduceDegrees(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(ReduceDegrees(kIn.angle[i] * 400.0 - 1000.0)); });
}
void BM_RotatePair(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double a = 0.0, b = 0.0;
    RotatePair(kIn.latitude[i], kIn.latitude[i ^ 7], kIn.angle[i], a, b);
    benchmark::DoNotOptimize(a + b);
  });
}
void BM_RotateAboutX(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double x = 0.0, y = 0.0, z = 0.0;
    RotateAboutX(kIn.latitude[i], kIn.latitude[i ^ 3], kIn.latitude[i ^ 9], kIn.angle[i], x, y, z);
    benchmark::DoNotOptimize(x + y + z);
  });
}
void BM_DirectionVector(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double x = 0.0, y = 0.0, z = 0.0;
    DirectionVector(kIn.angle[i], kIn.latitude[i] * 0.5, x, y, z);
    benchmark::DoNotOptimize(x + y + z);
  });
}
void BM_RotateSphericalAboutX(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double l = 0.0, b = 0.0;
    RotateSphericalAboutX(kIn.angle[i], kIn.latitude[i] * 0.5, 0.4, l, b);
    benchmark::DoNotOptimize(l + b);
  });
}
void BM_EquatorialToEcliptic(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double l = 0.0, b = 0.0;
    EquatorialToEcliptic(kIn.angle[i], kIn.latitude[i] * 0.5, 2000, l, b);
    benchmark::DoNotOptimize(l + b);
  });
}
void BM_StandardObliquity(benchmark::State& state) {
  const std::uint16_t epochs[4] = {1900, 1950, 2000, 2001};
  Cycle(state, [&epochs](std::size_t i) { benchmark::DoNotOptimize(StandardObliquity(epochs[i & 3])); });
}
void BM_HorizontalFromSouth(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double az = 0.0, alt = 0.0;
    HorizontalFromSouth(kIn.angle[i], kIn.latitude[i] * 0.5, 0.61, az, alt);
    benchmark::DoNotOptimize(az + alt);
  });
}
BENCHMARK(BM_ReduceDegrees);
BENCHMARK(BM_RotatePair);
BENCHMARK(BM_RotateAboutX);
BENCHMARK(BM_DirectionVector);
BENCHMARK(BM_RotateSphericalAboutX);
BENCHMARK(BM_EquatorialToEcliptic);
BENCHMARK(BM_StandardObliquity);
BENCHMARK(BM_HorizontalFromSouth);
BENCHMARK(BM_AngleOfXY);
BENCHMARK(BM_ArcSin);
BENCHMARK(BM_ReduceRadians);
BENCHMARK(BM_RectangularToSpherical);
BENCHMARK(BM_SphericalToRectangular);
BENCHMARK(BM_RotateSphericalAboutZ);
BENCHMARK(BM_EclipticToEquatorial);
BENCHMARK(BM_ObliquityOfDate);
BENCHMARK(BM_EclipticToEquatorialOfDate);
BENCHMARK(BM_EquatorialToHorizontal);
BENCHMARK(BM_HorizontalFromNorth);

// ---- Planetary ephemeris -------------------------------------------------

void BM_ComputeBodyElements(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  Cycle(state, [body](std::size_t i) {
    ComputeBodyElements(body, kIn.jd[i]);
    benchmark::DoNotOptimize(orbitTable[body - 1].meanAnomaly);
  });
}
void BM_SolveKeplerElliptic(benchmark::State& state) {
  const double e = static_cast<double>(state.range(0)) / 100.0;
  Cycle(state, [e](std::size_t i) {
    double ecc = 0.0;
    SolveKeplerElliptic(e, kIn.angle[i], ecc);
    benchmark::DoNotOptimize(ecc);
  });
}
void BM_HeliocentricPosition(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  Cycle(state, [body](std::size_t i) {
    double p[3];
    HeliocentricPosition(body, kIn.jd[i], p);
    benchmark::DoNotOptimize(p[0] + p[1] + p[2]);
  });
}
void BM_MoonPosition(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double l = 0.0, b = 0.0, r = 0.0;
    MoonPosition(kIn.jd[i], l, b, r);
    benchmark::DoNotOptimize(l + b + r);
  });
}
// The place of one body (1 Sun .. 11 Moon): what the planet readout computes.
void BM_GeocentricPlace(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  Cycle(state, [body](std::size_t i) {
    Place place;
    GeocentricPlace(body, kIn.jd[i], kIn.angle[i], 0.61, 0.0, place);
    benchmark::DoNotOptimize(place);
  });
}
void BM_EvaluateElements(benchmark::State& state) {
  ComputeBodyElements(5, kJD2000);
  Cycle(state, [](std::size_t i) {
    EvaluateElements(2 + static_cast<int>(i % 9));
    benchmark::DoNotOptimize(orbitTable[1].meanAnomaly);
  });
}
void BM_OrbitOrientation(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double p[3], q[3];
    OrbitOrientation(kIn.angle[i], kIn.angle[i ^ 5], kIn.latitude[i] * 0.2 + 0.3, p, q);
    benchmark::DoNotOptimize(p[0] + q[2]);
  });
}
void BM_OrbitPlaneAngle(benchmark::State& state) {
  Cycle(state, [](std::size_t i) { benchmark::DoNotOptimize(OrbitPlaneAngle(kIn.angle[i] - 3.0, 0.9)); });
}
void BM_RelativePlace(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    const double target[3] = {kIn.latitude[i], kIn.latitude[i ^ 3], 0.01};
    const double observer[3] = {kIn.latitude[i ^ 9], kIn.latitude[i ^ 12], 0.0};
    double a = 0.0, d = 0.0, az = 0.0, alt = 0.0;
    RelativePlace(4, kIn.angle[i], target, observer, 0.0, 0.61, a, d, az, alt);
    benchmark::DoNotOptimize(a + d + az + alt);
  });
}
void BM_EclipticToBodyEquator(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double a = 0.0, d = 0.0;
    EclipticToBodyEquator(4, kIn.angle[i], kIn.latitude[i] * 0.5, a, d);
    benchmark::DoNotOptimize(a + d);
  });
}
BENCHMARK(BM_ComputeBodyElements)->Arg(5);
BENCHMARK(BM_EvaluateElements);
BENCHMARK(BM_OrbitOrientation);
BENCHMARK(BM_OrbitPlaneAngle);
BENCHMARK(BM_RelativePlace);
BENCHMARK(BM_EclipticToBodyEquator);
BENCHMARK(BM_SolveKeplerElliptic)->Arg(2)->Arg(25);
BENCHMARK(BM_HeliocentricPosition)->DenseRange(2, 10);
BENCHMARK(BM_MoonPosition);
BENCHMARK(BM_GeocentricPlace)->Arg(1)->Arg(2)->Arg(3)->DenseRange(5, 11);

// ---- Catalogues ----------------------------------------------------------

void BM_PrecessFromJ2000(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    double ra = 0.0, dec = 0.0;
    PrecessFromJ2000(kIn.jd[i], kIn.angle[i], kIn.latitude[i] * 0.5, ra, dec);
    benchmark::DoNotOptimize(ra + dec);
  });
}
void BM_CatalogPlace(benchmark::State& state) {
  Cycle(state, [](std::size_t i) {
    Place place;
    CatalogPlace(kIn.jd[i], 2.44, 0.61, 0.0, kIn.angle[i], kIn.latitude[i] * 0.5, place);
    benchmark::DoNotOptimize(place);
  });
}
void BM_LoadStarCatalog(benchmark::State& state) {
  CatalogEntry table[kStarCount];
  for (auto _ : state) benchmark::DoNotOptimize(LoadStarCatalog(table, SKYCALC_DATA_DIR));
}
void BM_LoadConstellationCatalog(benchmark::State& state) {
  CatalogEntry table[kConstellationCount];
  for (auto _ : state) benchmark::DoNotOptimize(LoadConstellationCatalog(table, SKYCALC_DATA_DIR));
}
BENCHMARK(BM_PrecessFromJ2000);
BENCHMARK(BM_CatalogPlace);
BENCHMARK(BM_LoadStarCatalog);
BENCHMARK(BM_LoadConstellationCatalog);

// ---- The sky chart ----------------------------------------------------------

// The whole sky at the calculator's fixed instant (2,851 stars, the figures,
// the bodies) built as a display list, and built and written as SVG, in the
// calculator's model or the precise one.
void SkyChart(benchmark::State& state, bool svg) {
  HeadlessCalculator calc;
  calc.Open();
  calc.dlg->SetPreciseModel(state.range(0) != 0);
  const ChartData data = LoadChartData(kSourceDataDir, kSourceDataDir);
  for (auto _ : state) {
    const skycalc::SkyChart chart = MakeSkyChart(calc.dlg->CurrentObservation(), data, ChartView{}, 800.0);
    if (svg) benchmark::DoNotOptimize(SvgOf(chart.list, 800.0));
    benchmark::DoNotOptimize(chart.list.items.size());
  }
}
void BM_SkyChart(benchmark::State& state) { SkyChart(state, false); }
void BM_SkyChartSvg(benchmark::State& state) { SkyChart(state, true); }
BENCHMARK(BM_SkyChart)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkyChartSvg)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

#ifdef SKYCALC_BENCH_PAINTER
// The same chart built and painted by the window's painter into an 800 x 800
// image (the offscreen platform unless another is asked for), in the
// calculator's model: what the 星図 box does on every step and turn.
void BM_SkyChartPaint(benchmark::State& state) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "skycalc_bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);  // kept to the end of the run
  HeadlessCalculator calc;
  calc.Open();
  const ChartData data = LoadChartData(kSourceDataDir, kSourceDataDir);
  QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const skycalc::SkyChart chart = MakeSkyChart(calc.dlg->CurrentObservation(), data, ChartView{}, 800.0);
    QPainter painter(&image);
    PaintDisplayList(painter, chart.list, QRectF(0.0, 0.0, 800.0, 800.0));
  }
}
BENCHMARK(BM_SkyChartPaint)->Unit(benchmark::kMicrosecond);
#endif

// ---- One full readout through SET ----------------------------------------

// A calculator opened on a fixed instant, equatorial, the body picked from its list.
struct Calculator : HeadlessCalculator {
  Calculator(int list, int index) {
    Open();
    Press(IDC_EQUATORIAL);
    Select(list, index);
  }
};

// SET with no target: the time readout and the position readout recomputed
// and written, the entry cleared, in the calculator's model or the precise
// one (whose target is 20 us). The log of texts is emptied now and then so
// that it does not grow through the run (a cost below 1 ns a call).
void ReadoutThroughSet(benchmark::State& state, bool precise, int list, int index) {
  Calculator calc(list, index);
  calc.dlg->SetPreciseModel(precise);
  for (auto _ : state) {
    calc.dlg->OnSet();
    if (calc.host.textLog.size() > 4096) calc.host.textLog.clear();
  }
  benchmark::DoNotOptimize(calc.host.Text(IDC_DECALT));
}
void BM_ReadoutThroughSet(benchmark::State& state, int list, int index) { ReadoutThroughSet(state, false, list, index); }
void BM_PreciseReadoutThroughSet(benchmark::State& state, int list, int index) {
  ReadoutThroughSet(state, true, list, index);
}
BENCHMARK_CAPTURE(BM_ReadoutThroughSet, mars, IDC_PLANETLIST, 3);
BENCHMARK_CAPTURE(BM_ReadoutThroughSet, moon, IDC_PLANETLIST, 9);
BENCHMARK_CAPTURE(BM_ReadoutThroughSet, sirius, IDC_STARLIST, 9);
BENCHMARK_CAPTURE(BM_ReadoutThroughSet, orion, IDC_CONSTLIST, 16);

// ---- The precise model -----------------------------------------------------

BENCHMARK_CAPTURE(BM_PreciseReadoutThroughSet, mars, IDC_PLANETLIST, 3);
BENCHMARK_CAPTURE(BM_PreciseReadoutThroughSet, moon, IDC_PLANETLIST, 9);
BENCHMARK_CAPTURE(BM_PreciseReadoutThroughSet, sirius, IDC_STARLIST, 9);

// The precise model's place of each body, calculator numbering 1-11.
void BM_PreciseBodyPlace(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  Cycle(state, [body](std::size_t i) {
    benchmark::DoNotOptimize(sky::PreciseModel().PlaceOf(sky::Target::OfBody(BodyOfNumber(body)),
                                                         sky::Instant{kIn.jd[i], 2000}, sky::Site{139.7, 35.7}, 0.0));
  });
}
BENCHMARK(BM_PreciseBodyPlace)->Arg(1)->Arg(2)->Arg(3)->DenseRange(5, 11);

// ---- Rise, transit, set and twilight, per day --------------------------------

// One local day's events after another (as skycalc-cli --events runs them),
// for the Sun with its twilights and for the Moon, in each model.
void BM_DayEvents(benchmark::State& state, bool precise, int list, int index) {
  Calculator calc(list, index);
  calc.dlg->SetPreciseModel(precise);
  const std::unique_ptr<sky::DayEventsTable> events = MakeDayEventsTable(calc.dlg->CurrentObservation());
  const sky::DayEventsTable& table = *events;
  CivilTime date{2025, 1, 1, 0, 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.Day(date.year, date.month, date.day));
    date = NextDay(date);
  }
}
BENCHMARK_CAPTURE(BM_DayEvents, calculator_sun, false, IDC_PLANETLIST, 0);
BENCHMARK_CAPTURE(BM_DayEvents, precise_sun, true, IDC_PLANETLIST, 0);
BENCHMARK_CAPTURE(BM_DayEvents, calculator_moon, false, IDC_PLANETLIST, 9);
BENCHMARK_CAPTURE(BM_DayEvents, precise_moon, true, IDC_PLANETLIST, 9);

// ---- The same places through libnova -------------------------------------

#ifdef SKYCALC_BENCH_LIBNOVA
using LibnovaEquatorial = void (*)(double, ln_equ_posn*);
LibnovaEquatorial LibnovaFor(int body) {
  switch (body) {
    case 1: return ln_get_solar_equ_coords;
    case 2: return ln_get_mercury_equ_coords;
    case 3: return ln_get_venus_equ_coords;
    case 5: return ln_get_mars_equ_coords;
    case 6: return ln_get_jupiter_equ_coords;
    case 7: return ln_get_saturn_equ_coords;
    case 8: return ln_get_uranus_equ_coords;
    case 9: return ln_get_neptune_equ_coords;
    case 10: return ln_get_pluto_equ_coords;
    default: return ln_get_lunar_equ_coords;
  }
}
void BM_LibnovaEquatorial(benchmark::State& state) {
  const LibnovaEquatorial place = LibnovaFor(static_cast<int>(state.range(0)));
  Cycle(state, [place](std::size_t i) {
    ln_equ_posn equ{};
    place(kIn.jd[i], &equ);
    benchmark::DoNotOptimize(equ);
  });
}
BENCHMARK(BM_LibnovaEquatorial)->Arg(1)->Arg(2)->Arg(3)->DenseRange(5, 11);
#endif

}  // namespace
}  // namespace skycalc

BENCHMARK_MAIN();
