#include "panel/clock.h"

#include <ctime>

namespace skycalc {

// The local date and time of this instant (local standard or daylight time, as the system keeps it).
ClockReading SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ClockReading reading;
  if (localtime_r(&now, &local) == nullptr) return reading;
  reading.year = local.tm_year + 1900;
  reading.month = local.tm_mon + 1;
  reading.day = local.tm_mday;
  reading.hour = local.tm_hour;
  reading.minute = local.tm_min;
  return reading;
}

}  // namespace skycalc
