#pragma once

// UTC and TT for the eclipse computation, with the precise model's DeltaT
// (UT1 taken as UTC, as everywhere in the precise model).
namespace skycalc::eclipse {

// The TT Julian Day of the UTC Julian Day jdUtc.
double TtFromUtc(double jdUtc);
// The UTC Julian Day whose TT is jdTt (inverse of TtFromUtc to 1e-9 s).
double UtcFromTt(double jdTt);

}  // namespace skycalc::eclipse
