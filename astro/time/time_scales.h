#pragma once

// The time scales: UTC (UT1 taken as UTC) and Terrestrial Time, and the
// difference between them, for every model and list that needs TT. Instants
// are Julian Days; differences are seconds.
namespace skycalc::timescale {

// One instant in the two time scales (UT1 is taken as UTC).
struct Instant {
  double jdUtc = 0.0;  // UTC, Julian Day
  double jdTt = 0.0;   // TT = UTC + DeltaT, Julian Day
};

// TT - UTC in seconds at a UTC instant: from 1972 the leap-second table
// (TAI - UTC) + 32.184 s; before 1972 and after the table's last year the
// Espenak-Meeus polynomials. Finite for every finite jdUtc. The polynomials
// take the decimal year 2000 + (jdUtc - 2451544.5) / 365.2425, held to
// -1999..3000 (their span; beyond it the value at the nearer end). From the
// table's end to 2050.0 the offset between the table's last value and the
// polynomial there fades out linearly, so that DeltaT has no step where the
// table stops; from 2050.0 on it is the polynomial alone.
// Reference: ERFA eraDat (IERS Bulletin C leap seconds); F. Espenak and
//   J. Meeus, "Polynomial expressions for Delta T" (NASA/TP-2006-214141),
//   eclipse.gsfc.nasa.gov/SEcat5/deltatpoly.html
double DeltaT(double jdUtc);
// The UTC instant (Julian Day, 0h of a 1 January) from which the leap-second
// table of the linked ERFA no longer vouches for TAI - UTC: DeltaT follows the
// table on [1972-01-01, LeapTableEnd()).
double LeapTableEnd();
// The instant jdUtc with its TT.
Instant MakeInstant(double jdUtc);
// The instant whose TT is jdTt: its UTC from three passes of DeltaT (which
// changes by well under a second a day, or steps by one at a leap second).
Instant InstantOfTt(double jdTt);

}  // namespace skycalc::timescale
