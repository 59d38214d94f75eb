#!/usr/bin/env python3
"""Prints the constants of astro/base/fast_trig.h: pi/2 in three parts for the
reduction, and the arc tangent table's high and low parts. Digits of pi and
of atan from mpmath (Debian python3-mpmath) at 300 bits; hi is the nearest
double, lo the nearest double to the remainder.
  scripts/make_fast_trig_constants.py
"""
import mpmath as m

m.mp.prec = 300


def truncated(x, bits):
    e = int(m.floor(m.log(abs(x), 2)))
    scale = m.mpf(2) ** (bits - 1 - e)
    return m.floor(x * scale) / scale


def hi_lo(v):
    hi = float(v)
    return hi, float(v - m.mpf(hi))


half_pi = m.pi / 2
p1 = truncated(half_pi, 33)
p2 = truncated(half_pi - p1, 33)
p3 = half_pi - p1 - p2
print("kHalfPi1 = %s, kHalfPi2 = %s, kHalfPi3 = %s" % (float(p1).hex(), float(p2).hex(), float(p3).hex()))
print("kTwoOverPi = %s" % float(2 / m.pi).hex())
cases = [("atan(k/8)", lambda a: a), ("pi/2 - atan(k/8)", lambda a: half_pi - a),
         ("pi - atan(k/8)", lambda a: m.pi - a), ("pi/2 + atan(k/8)", lambda a: half_pi + a)]
for part in (0, 1):
    print("kAtan%s:" % ("Hi" if part == 0 else "Lo"))
    for name, f in cases:
        values = [hi_lo(f(m.atan(m.mpf(k) / 8)))[part].hex() for k in range(9)]
        print("    {%s},  // %s" % (", ".join(values), name))
