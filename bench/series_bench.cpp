// One evaluation of each of the almanac's long series (the whole VSOP87
// Earth, ELP/MPP02), the way they were summed before (a C library sine and
// cosine per term or per frequency) beside the four-lane kernel that sums
// them now, and the whole apparent places built on them.
#include <benchmark/benchmark.h>
#include <erfa.h>

#include <cmath>
#include <cstddef>

#include "astro/almanac/accurate.h"
#include "astro/almanac/elpmpp02.h"
#include "astro/almanac/series.h"
#include "astro/almanac/vsop87b_earth.h"
#include "astro/precise/frame.h"
#include "astro/precise/precise.h"
#include "astro/precise/vsop87.h"

namespace skycalc {
namespace {

constexpr std::size_t kSamples = 64;  // instants spread over 1000-2999, indexed with a mask

double Centuries(std::size_t i) { return -10.0 + 20.0 * static_cast<double>(i) / kSamples + 0.0137; }

// The former sum: A sin(phase) per term with the C library's sine, and
// A cos(phase) times the phase's rate for the terms of 1" and more.
double PerTermSine(const accurate::detail::ElpSeries& series, double t) {
  double sum = 0.0, rate = 0.0;
  for (std::size_t i = 0; i < series.count; ++i) {
    const accurate::detail::ElpTerm& term = series.terms[i];
    const double phase = term.c0 + t * (term.c1 + t * (term.c2 + t * (term.c3 + t * term.c4)));
    sum += term.amplitude * std::sin(phase);
    if (std::fabs(term.amplitude) >= 1.0) {
      rate += term.amplitude * std::cos(phase) * (term.c1 + t * (2.0 * term.c2 + t * (3.0 * term.c3 + t * 4.0 * term.c4)));
    }
  }
  return sum + rate;
}

void BM_ElpPerTermSine(benchmark::State& state) {
  const accurate::detail::ElpTheory& elp = accurate::detail::ElpMpp02();
  std::size_t i = 0;
  for (auto _ : state) {
    const double t = Centuries(i++ & (kSamples - 1));
    double total = 0.0;
    for (const auto* coordinate : {elp.longitude, elp.latitude, elp.distance}) {
      for (std::size_t k = 0; k < accurate::detail::kElpPowers; ++k) total += PerTermSine(coordinate[k], t);
    }
    benchmark::DoNotOptimize(total);
  }
}

void BM_ElpKernel(benchmark::State& state) {
  static const accurate::detail::ElpEvaluator elp(accurate::detail::ElpMpp02());
  std::size_t i = 0;
  for (auto _ : state) {
    const double t = Centuries(i++ & (kSamples - 1));
    double value, rate, total = 0.0;
    for (int c = 0; c < 3; ++c) {
      elp.Coordinate(c, t, state.range(0) != 0, value, rate);
      total += value + rate;
    }
    benchmark::DoNotOptimize(total);
  }
}

void BM_VsopPerFrequencySine(benchmark::State& state) {
  static const precise::detail::VsopTheory earth(accurate::detail::FullEarth());
  std::size_t i = 0;
  for (auto _ : state) {
    double value[3], rate[3];
    earth.Evaluate(Centuries(i++ & (kSamples - 1)) / 10.0, value, rate);
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(rate);
  }
}

void BM_VsopKernel(benchmark::State& state) {
  static const accurate::detail::VsopEvaluator earth(accurate::detail::FullEarth());
  std::size_t i = 0;
  for (auto _ : state) {
    double value[3], rate[3];
    earth.Evaluate(Centuries(i++ & (kSamples - 1)) / 10.0, value, rate);
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(rate);
  }
}

void BM_SunMoonApparent(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    accurate::ApparentPlace sun, moon;
    accurate::SunMoonApparent(2451545.0 + 36525.0 * Centuries(i++ & (kSamples - 1)), sun, moon);
    benchmark::DoNotOptimize(sun);
    benchmark::DoNotOptimize(moon);
  }
}

// The precise model's Moon and date frame, as a readout makes them (ERFA's
// eraMoon98; eraNut00b and eraEect00) and as its rise and set search makes
// each node (angle addition; computed here, where a search interpolates them).
double JdOf(std::size_t i) { return 2451545.0 + 36525.0 * Centuries(i & (kSamples - 1)); }

void BM_PreciseMoonReadout(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    double pv[2][3];
    eraMoon98(JdOf(i++), 0.0, pv);
    benchmark::DoNotOptimize(pv);
  }
}

void BM_PreciseMoonSearch(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    double pv[2][3];
    precise::detail::MoonBySeries(JdOf(i++), pv);
    benchmark::DoNotOptimize(pv);
  }
}

void BM_PreciseFrameReadout(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const precise::detail::DateFrame frame = precise::detail::MakeDateFrame(timescale::MakeInstant(JdOf(i++)));
    benchmark::DoNotOptimize(frame);
  }
}

void BM_PreciseFrameSearch(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const precise::Instant t = timescale::MakeInstant(JdOf(i++));
    const precise::detail::DateFrame frame = precise::detail::MakeSearchFrame(t, precise::detail::SlowTermsAt(t.jdTt));
    benchmark::DoNotOptimize(frame);
  }
}

BENCHMARK(BM_PreciseMoonReadout);
BENCHMARK(BM_PreciseMoonSearch);
BENCHMARK(BM_PreciseFrameReadout);
BENCHMARK(BM_PreciseFrameSearch);
BENCHMARK(BM_ElpPerTermSine);
BENCHMARK(BM_ElpKernel)->ArgName("coarse")->Arg(0)->Arg(1);
BENCHMARK(BM_VsopPerFrequencySine);
BENCHMARK(BM_VsopKernel);
BENCHMARK(BM_SunMoonApparent);

}  // namespace
}  // namespace skycalc

BENCHMARK_MAIN();
