#include "astro/eclipse/time_scales.h"

#include <erfam.h>

#include "astro/precise/precise.h"

namespace skycalc::eclipse {

double TtFromUtc(double jdUtc) { return jdUtc + precise::DeltaT(jdUtc) / ERFA_DAYSEC; }

double UtcFromTt(double jdTt) {
  // DeltaT changes by well under a second a day (or steps by one at a leap
  // second), so three passes settle it.
  double jdUtc = jdTt;
  for (int pass = 0; pass < 3; ++pass) jdUtc = jdTt - precise::DeltaT(jdUtc) / ERFA_DAYSEC;
  return jdUtc;
}

}  // namespace skycalc::eclipse
