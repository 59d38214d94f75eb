#pragma once

#include "astro/sky/observation.h"

// What the calculator says when the model in use has no place for a year.
namespace skycalc {

inline constexpr char kPreciseYearsMessage[] = "高精度計算は1000年～2999年にだけ使えます。";
inline constexpr char kPrecisePlutoYearsMessage[] = "冥王星の高精度計算は1885年～2099年にだけ使えます。";
// The eclipse list's own years (the almanac's Sun and Moon), whatever the model in use.
inline constexpr char kEclipseYearsMessage[] = "日食・月食は1000年～2999年にだけ計算できます。";

// The caption's and the boxes' mark of the precise model.
inline constexpr char kPreciseModelCaption[] = " (高精度)";

// The message of a refusal; nullptr for kCovered.
inline const char* CoverageMessage(sky::Coverage coverage) {
  switch (coverage) {
    case sky::Coverage::kOutsideYears: return kPreciseYearsMessage;
    case sky::Coverage::kOutsidePlutoYears: return kPrecisePlutoYearsMessage;
    case sky::Coverage::kCovered: break;
  }
  return nullptr;
}

}  // namespace skycalc
