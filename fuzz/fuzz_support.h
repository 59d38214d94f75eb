#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "panel/control_ids.h"
#include "tests/support/memory_host.h"
#include "tests/support/headless_calculator.h"

// What the fuzz targets share: a failing check that stops the run with the
// reason and the readout buffer bounds. The calculator they drive is the
// tests' HeadlessCalculator.
namespace skycalc {

// Stops the run (libFuzzer then saves the input) when an invariant is broken.
#define FUZZ_CHECK(condition, what)                                                       \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "invariant broken: %s (%s) at %s:%d\n", what, #condition, __FILE__, \
                   __LINE__);                                                             \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)

// The time readout is formatted into 20 bytes and each position readout into
// 16, both including the terminating NUL, in the Shift-JIS encoding of the
// window. The texts here are UTF-8, where the arcminute sign U+2032 takes 3
// bytes instead of 2 (the degree sign takes 2 in both); every other character
// a readout writes is ASCII. So the bound is checked on the Shift-JIS length:
// at most 19 and 15 bytes, which in UTF-8 is 19 for the time text, 15 for the
// right-ascension, azimuth and altitude texts and 16 for the declination.
inline constexpr std::size_t kTimeTextMax = 19;
inline constexpr std::size_t kPositionTextMax = 15;

// Length in bytes of a UTF-8 readout text once written in Shift-JIS: ASCII
// one byte, every other character (°, ′, a full-width sign) two.
inline std::size_t ShiftJisLength(const std::string& utf8) {
  std::size_t length = 0;
  for (unsigned char c : utf8) {
    if (c < 0x80) {
      length += 1;
    } else if ((c & 0xC0) != 0x80) {
      length += 2;  // lead byte of a multi-byte character
    }
  }
  return length;
}

// The three readouts within their buffers.
inline void CheckReadoutLengths(const MemoryHost& host) {
  FUZZ_CHECK(ShiftJisLength(host.Text(IDC_TIME)) <= kTimeTextMax, "time readout fits 20 bytes");
  FUZZ_CHECK(ShiftJisLength(host.Text(IDC_RAAZM)) <= kPositionTextMax, "first position readout fits 16 bytes");
  FUZZ_CHECK(ShiftJisLength(host.Text(IDC_DECALT)) <= kPositionTextMax, "second position readout fits 16 bytes");
}

}  // namespace skycalc
