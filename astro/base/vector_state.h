#pragma once

// The processor's vector registers between the libraries the program calls.
namespace skycalc {

// Marks the upper halves of the x86 AVX registers unused (VZEROUPPER) where
// the processor has them; nothing elsewhere. Call it before a long
// computation.
//
// Why: this program's own code is compiled for SSE2, while the C library's
// sin, cos and sincos run AVX/FMA code. Some library code run before (seen
// with glibc 2.36's AVX-512 string functions on an Intel Xeon) can leave the
// upper halves marked in use; every later switch between the two kinds of
// code then stalls the processor. Measured there: a year of the almanac in
// 90 ms of CPU with the mark left, 10 ms without; a table row of the Moon
// 8.8 us against 1.4 us. The results are the same bits either way.
void ClearUpperVectorState();

}  // namespace skycalc
