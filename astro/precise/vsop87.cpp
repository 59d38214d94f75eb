#include "astro/precise/vsop87.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "astro/precise/frame.h"

namespace skycalc::precise::detail {

VsopTheory::VsopTheory(const VsopBody& body) {
  struct Entry {
    double frequency, amplitude, phase;
    std::size_t slot;
  };
  std::vector<Entry> entries;
  const VsopSeries* coordinates[3] = {body.longitude, body.latitude, body.radius};
  for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
    for (std::size_t k = 0; k < kVsopPowers; ++k) {
      const VsopSeries& series = coordinates[coordinate][k];
      for (std::size_t i = 0; i < series.count; ++i) {
        const VsopTerm& term = series.terms[i];
        entries.push_back(Entry{term.frequency, term.amplitude, term.phase, coordinate * kVsopPowers + k});
      }
    }
  }
  // The tables print one frequency as one figure wherever it recurs, so
  // equal doubles are the same argument.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.frequency < b.frequency; });
  terms_.reserve(entries.size());
  for (const Entry& entry : entries) {
    if (frequencies_.empty() || frequencies_.back().frequency != entry.frequency) {
      frequencies_.push_back(Frequency{entry.frequency, 0});
    }
    const double cosPart = entry.amplitude * std::cos(entry.phase), sinPart = entry.amplitude * std::sin(entry.phase);
    terms_.push_back(Term{cosPart, sinPart, entry.slot});
    frequencies_.back().end = terms_.size();
  }
}

void VsopTheory::Evaluate(double t, double value[3], double rate[3]) const {
  // Each slot's series and its rate; the rate comes with the value at the
  // cost of two products per term.
  double sum[kSlots] = {}, sumRate[kSlots] = {};
  std::size_t i = 0;
  for (const Frequency& f : frequencies_) {
    const double angle = f.frequency * t;
    const double c = std::cos(angle), s = std::sin(angle);
    for (; i < f.end; ++i) {
      const Term& term = terms_[i];
      sum[term.slot] += term.cosPart * c - term.sinPart * s;
      sumRate[term.slot] -= f.frequency * (term.cosPart * s + term.sinPart * c);
    }
  }
  for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
    value[coordinate] = 0.0;
    rate[coordinate] = 0.0;
    double tk = 1.0, dtk = 0.0;  // t^k and its derivative k t^(k-1)
    for (std::size_t k = 0; k < kVsopPowers; ++k) {
      const std::size_t slot = coordinate * kVsopPowers + k;
      value[coordinate] += tk * sum[slot];
      rate[coordinate] += dtk * sum[slot] + tk * sumRate[slot];
      dtk = dtk * t + tk;
      tk *= t;
    }
  }
}

void VsopTheory::Heliocentric(double jdTt, double pv[2][3]) const {
  constexpr double kDaysPerMillennium = 10.0 * ERFA_DJC;
  double value[3], rate[3];
  Evaluate((jdTt - ERFA_DJ00) / kDaysPerMillennium, value, rate);
  const double l = value[0], b = value[1], r = value[2];
  const double lRate = rate[0] / kDaysPerMillennium, bRate = rate[1] / kDaysPerMillennium,
               rRate = rate[2] / kDaysPerMillennium;
  const double cl = std::cos(l), sl = std::sin(l), cb = std::cos(b), sb = std::sin(b);
  const double position[3] = {r * cb * cl, r * cb * sl, r * sb};
  const double velocity[3] = {rRate * cb * cl - r * sb * bRate * cl - r * cb * sl * lRate,
                              rRate * cb * sl - r * sb * bRate * sl + r * cb * cl * lRate,
                              rRate * sb + r * cb * bRate};
  // VSOP87's ecliptic of J2000.0 lies within 0.1" of the FK5's and the
  // ICRS's, an offset left aside.
  EclipticJ2000ToEquatorial(position, pv[0]);
  EclipticJ2000ToEquatorial(velocity, pv[1]);
}

}  // namespace skycalc::precise::detail
