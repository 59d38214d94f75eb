#pragma once

#include "panel/clock.h"

// A clock that always gives the same reading: for tests, tools and fuzzers.
namespace skycalc {

class FixedClock : public IClock {
 public:
  FixedClock() = default;
  explicit FixedClock(const ClockReading& reading) : reading(reading) {}
  // The reading set below.
  ClockReading Now() override { return reading; }

  ClockReading reading;
};

}  // namespace skycalc
