#pragma once

// The local clock, read once per reset.
namespace skycalc {

struct ClockReading {
  int year = 2000;   // e.g. 2026
  int month = 1;     // 1-12
  int day = 1;       // 1-31
  int hour = 0;      // 0-23, local standard time
  int minute = 0;    // 0-59
};

class IClock {
 public:
  virtual ~IClock() = default;
  // One reading of the local date and time.
  virtual ClockReading Now() = 0;
};

// The system's local clock.
class SystemClock : public IClock {
 public:
  ClockReading Now() override;
};

}  // namespace skycalc
