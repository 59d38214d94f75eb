#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "astro/time/time_scales.h"

namespace skycalc::timescale {

namespace {

constexpr double kJd1972 = 2441317.5;      // 1972-01-01 0h UTC: leap seconds replace the rubber second
constexpr double kTtMinusTai = 32.184;     // seconds, by definition of TT
constexpr double kFadeEndYear = 2050.0;    // the end of the polynomial piece the table ends in
constexpr double kJdYear2000 = 2451544.5;  // 2000-01-01 0h, decimal year 2000.0
constexpr double kDaysPerGregorianYear = 365.2425;

double DecimalYear(double jd) { return 2000.0 + (jd - kJdYear2000) / kDaysPerGregorianYear; }

// Espenak and Meeus, "Polynomial expressions for Delta T", Five Millennium
// Canon of Solar Eclipses (NASA/TP-2006-214141), as published on the NASA
// eclipse web site; y is the decimal year. Their lunar-acceleration
// correction (for the ELP-based canon) is not applied: it belongs to their
// lunar theory, not to ours.
// Reference: eclipse.gsfc.nasa.gov/SEcat5/deltatpoly.html
double EspenakMeeus(double y) {
  y = std::clamp(y, -1999.0, 3000.0);
  // The pieces from 1986 on first (the searches ask for them most); a NaN
  // goes there too and comes out of the last, as it always has.
  if (!(y < 1986.0)) {
    if (y < 2005.0) {
      const double t = y - 2000.0;
      return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
      const double t = y - 2000.0;
      return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    if (y < 2150.0) return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    return -20.0 + 32.0 * u * u;
  }
  if (y < -500.0) {
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
  }
  if (y < 500.0) {
    const double u = y / 100.0;
    return 10583.6 +
           u * (-1014.41 + u * (33.78311 + u * (-5.952053 + u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
  }
  if (y < 1600.0) {
    const double u = (y - 1000.0) / 100.0;
    return 1574.2 +
           u * (-556.01 + u * (71.23472 + u * (0.319781 + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
  }
  if (y < 1700.0) {
    const double t = y - 1600.0;
    return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
  }
  if (y < 1800.0) {
    const double t = y - 1700.0;
    return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
  }
  if (y < 1860.0) {
    const double t = y - 1800.0;
    const double high = 0.0000121272 + t * (-0.0000001699 + t * 0.000000000875);  // t^5 to t^7
    return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 + t * high))));
  }
  if (y < 1900.0) {
    const double t = y - 1860.0;
    return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
  }
  if (y < 1920.0) {
    const double t = y - 1900.0;
    return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 + t * -0.000197)));
  }
  if (y < 1941.0) {
    const double t = y - 1920.0;
    return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
  }
  if (y < 1961.0) {
    const double t = y - 1950.0;
    return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
  }
  const double t = y - 1975.0;  // 1961 to 1986
  return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
}

// TAI - UTC from ERFA's table; only called on [1972, LeapTableEnd()), where
// the calendar conversion cannot fail.
double TableTtMinusUtcOfDay(double jdUtc) {
  int year = 0, month = 0, day = 0;
  double fraction = 0.0, taiMinusUtc = 0.0;
  eraJd2cal(jdUtc, 0.0, &year, &month, &day, &fraction);
  eraDat(year, month, day, fraction, &taiMinusUtc);
  return taiMinusUtc + kTtMinusTai;
}

// From 1972 the table's value is that of the UTC date alone (eraDat uses the
// day's fraction only before 1972), so one day's value serves every instant
// of it: a search asks for hundreds of instants a day, and the calendar
// conversion and the table's look-up were a tenth of its time. Instants
// within 1e-6 day (0.09 s, far above the rounding of jdUtc + 0.5) of
// midnight are looked up afresh, so that the day taken is always the one
// eraJd2cal gives.
double TableTtMinusUtc(double jdUtc) {
  struct Day {
    double number = -1.0;  // floor(jdUtc + 0.5): the civil day from its 0h
    double value = 0.0;
  };
  // Two days: a local day away from Greenwich spans two UTC days, and its
  // search goes back and forth between them.
  thread_local Day last[2];
  constexpr double kMidnightMargin = 1e-6;
  const double shifted = jdUtc + 0.5;
  const double number = std::floor(shifted);
  const bool clear = shifted - number > kMidnightMargin && number + 1.0 - shifted > kMidnightMargin;
  if (clear) {
    for (const Day& day : last) {
      if (number == day.number) return day.value;
    }
  }
  const double value = TableTtMinusUtcOfDay(jdUtc);
  if (clear) last[static_cast<long long>(number) & 1] = Day{number, value};
  return value;
}

// The table's end is a property of the ERFA build, not of this code, so it
// is found once by asking eraDat year by year where it starts to warn.
double FindLeapTableEnd() {
  for (int year = 1972; year < 3000; ++year) {
    double taiMinusUtc = 0.0;
    if (eraDat(year, 1, 1, 0.0, &taiMinusUtc) != 0) {
      double jd0 = 0.0, jd1 = 0.0;
      eraCal2jd(year, 1, 1, &jd0, &jd1);
      return jd0 + jd1;
    }
  }
  return kJd1972;  // not reached: eraDat warns from five years after its release
}

// Where the table ends and what is faded out after it: the table's last
// value less the polynomial's there (seconds), and the decimal year of the
// end. Both depend on the ERFA build alone, so they are found once; a search
// past the table asked for them at every instant, and the look-up of the
// table's last day (at its midnight, which the cache of TableTtMinusUtc
// leaves alone) was a fifth of a day's search.
struct TableEnd {
  double jd = kJd1972;
  double year = 0.0;
  double offset = 0.0;
};

TableEnd FindTableEnd() {
  TableEnd end;
  end.jd = FindLeapTableEnd();
  end.year = DecimalYear(end.jd);
  if (end.jd > kJd1972) end.offset = TableTtMinusUtc(end.jd - 1.0) - EspenakMeeus(end.year);
  return end;
}

const TableEnd& TheTableEnd() {
  static const TableEnd end = FindTableEnd();
  return end;
}

}  // namespace

double LeapTableEnd() { return TheTableEnd().jd; }

double DeltaT(double jdUtc) {
  const TableEnd& table = TheTableEnd();
  const double tableEnd = table.jd;
  if (jdUtc >= kJd1972 && jdUtc < tableEnd) return TableTtMinusUtc(jdUtc);
  const double year = DecimalYear(jdUtc);
  double deltaT = EspenakMeeus(year);
  // The 2005-2050 polynomial was fitted before the Earth's rotation sped up
  // again and runs several seconds above the table's last value; fading the
  // offset keeps TT continuous where the table stops.
  const double endYear = table.year;
  if (jdUtc >= tableEnd && tableEnd > kJd1972 && year < kFadeEndYear && endYear < kFadeEndYear) {
    deltaT += table.offset * (kFadeEndYear - year) / (kFadeEndYear - endYear);
  }
  return deltaT;
}

Instant MakeInstant(double jdUtc) { return Instant{jdUtc, jdUtc + DeltaT(jdUtc) / ERFA_DAYSEC}; }

Instant InstantOfTt(double jdTt) {
  double jdUtc = jdTt;
  for (int pass = 0; pass < 3; ++pass) jdUtc = jdTt - DeltaT(jdUtc) / ERFA_DAYSEC;
  return Instant{jdUtc, jdTt};
}

}  // namespace skycalc::timescale
