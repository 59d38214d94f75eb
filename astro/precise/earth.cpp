#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstddef>

#include "astro/precise/frame.h"
#include "astro/precise/precise.h"

namespace skycalc::precise {

namespace {

// ERFA's eraEpv00 would give the Earth to a few km, but at 35-40 us a call it
// alone is twice a readout's whole budget; the Earth's place only needs to
// be good to a few arcseconds of the nearest planet's direction, which the
// hundred largest terms of VSOP87 give in 2 us.

// One term A cos(B + C t), t in Julian millennia of TT from J2000.0.
struct VsopTerm {
  double amplitude, phase, frequency;
};

// Reference: P. Bretagnon and G. Francou, "Planetary theories in rectangular
// and spherical variables: VSOP87 solutions", A&A 202, 309 (1988); version B
// (heliocentric, ecliptic and equinox J2000.0), the Earth, every term of
// amplitude 5e-7 (radians or AU) or more. The dropped terms move the Earth by
// at most 800 km from 1000 to 3000, 1.1" of the Sun's direction.
constexpr VsopTerm kEarthL0[] = {
    {1.75347045673, 0.00000000000, 0.00000000000},
    {0.03341656453, 4.66925680415, 6283.07584999140},
    {0.00034894275, 4.62610242189, 12566.15169998280},
    {0.00003417572, 2.82886579754, 3.52311834900},
    {0.00003497056, 2.74411783405, 5753.38488489680},
    {0.00003135899, 3.62767041756, 77713.77146812050},
    {0.00002676218, 4.41808345438, 7860.41939243920},
    {0.00002342691, 6.13516214446, 3930.20969621960},
    {0.00001273165, 2.03709657878, 529.69096509460},
    {0.00001324294, 0.74246341673, 11506.76976979360},
    {0.00000901854, 2.04505446477, 26.29831979980},
    {0.00001199167, 1.10962946234, 1577.34354244780},
    {0.00000857223, 3.50849152283, 398.14900340820},
    {0.00000779786, 1.17882681962, 5223.69391980220},
    {0.00000990250, 5.23268072088, 5884.92684658320},
    {0.00000753141, 2.53339052847, 5507.55323866740},
    {0.00000505267, 4.58292599973, 18849.22754997420},
    {0.00000492392, 4.20505711826, 775.52261132400},
    {0.00000356672, 2.91954114478, 0.06731030280},
    {0.00000284125, 1.89869240932, 796.29800681640},
    {0.00000242879, 0.34481445893, 5486.77784317500},
    {0.00000317087, 5.84901948512, 11790.62908865880},
    {0.00000271112, 0.31486255375, 10977.07880469900},
    {0.00000206217, 4.80646631478, 2544.31441988340},
    {0.00000205478, 1.86953770281, 5573.14280143310},
    {0.00000202318, 2.45767790232, 6069.77675455340},
    {0.00000126225, 1.08295459501, 20.77539549240},
    {0.00000155516, 0.83306084617, 213.29909543800},
    {0.00000115132, 0.64544911683, 0.98032106820},
    {0.00000102851, 0.63599845579, 4694.00295470760},
    {0.00000101724, 4.26679801980, 7.11354700080},
    {0.00000099206, 6.20992926918, 2146.16541647520},
    {0.00000132212, 3.41118292683, 2942.46342329160},
    {0.00000097607, 0.68101342359, 155.42039943420},
    {0.00000085128, 1.29870764804, 6275.96230299060},
    {0.00000074651, 1.75508913300, 5088.62883976680},
    {0.00000101895, 0.97569280312, 15720.83878487840},
    {0.00000084711, 3.67080093031, 71430.69561812909},
    {0.00000073547, 4.67926633877, 801.82093112380},
    {0.00000073874, 3.50319414955, 3154.68708489560},
    {0.00000078757, 3.03697458703, 12036.46073488820},
    {0.00000079637, 1.80791287082, 17260.15465469040},
    {0.00000085803, 5.98322631260, 161000.68573767410},
    {0.00000056963, 2.78430458592, 6286.59896834040},
    {0.00000061148, 1.81839892984, 7084.89678111520},
    {0.00000069627, 0.83297621398, 9437.76293488700},
    {0.00000056116, 4.38694865354, 14143.49524243060},
    {0.00000062449, 3.97763912806, 8827.39026987480},
    {0.00000051145, 0.28306832879, 5856.47765911540},
    {0.00000055577, 3.47006059924, 6279.55273164240},
    {0.00000051605, 1.33282739866, 1748.01641306700},
    {0.00000051992, 0.18914947184, 12139.55350910680},
};
constexpr VsopTerm kEarthL1[] = {
    {6283.07584999140, 0.00000000000, 0.00000000000},
    {0.00206058863, 2.67823455808, 6283.07584999140},
    {0.00004303419, 2.63512233481, 12566.15169998280},
    {0.00000425264, 1.59046982018, 3.52311834900},
    {0.00000109017, 2.96631010675, 1577.34354244780},
    {0.00000093479, 2.59211109542, 18849.22754997420},
    {0.00000119305, 5.79555765566, 26.29831979980},
    {0.00000072121, 1.13840581212, 529.69096509460},
    {0.00000067784, 1.87453300345, 398.14900340820},
    {0.00000067350, 4.40932832004, 5507.55323866740},
    {0.00000059045, 2.88815790631, 5223.69391980220},
    {0.00000055976, 2.17471740035, 155.42039943420},
};
constexpr VsopTerm kEarthL2[] = {
    {0.00008721859, 1.07253635559, 6283.07584999140},
    {0.00000990990, 3.14159265359, 0.00000000000},
    {0.00000294833, 0.43717350256, 12566.15169998280},
};
constexpr VsopTerm kEarthL3[] = {
    {0.00000289058, 5.84173149732, 6283.07584999140},
};
constexpr VsopTerm kEarthB0[] = {
    {0.00000279620, 3.19870156017, 84334.66158130829},
    {0.00000101643, 5.42248619256, 5507.55323866740},
    {0.00000080445, 3.88013204458, 5223.69391980220},
};
constexpr VsopTerm kEarthB1[] = {
    {0.00227777722, 3.41376620530, 6283.07584999140},
    {0.00003805678, 3.37063423795, 12566.15169998280},
    {0.00003619589, 0.00000000000, 0.00000000000},
    {0.00000071542, 3.32777549735, 18849.22754997420},
};
constexpr VsopTerm kEarthB2[] = {
    {0.00009721424, 5.15192809920, 6283.07584999140},
    {0.00000233002, 3.14159265359, 0.00000000000},
    {0.00000134188, 0.64406212977, 12566.15169998280},
};
constexpr VsopTerm kEarthB3[] = {
    {0.00000275993, 0.59480097092, 6283.07584999140},
};
constexpr VsopTerm kEarthR0[] = {
    {1.00013988784, 0.00000000000, 0.00000000000},
    {0.01670699632, 3.09846350258, 6283.07584999140},
    {0.00013956024, 3.05524609456, 12566.15169998280},
    {0.00003083720, 5.19846674381, 77713.77146812050},
    {0.00001628463, 1.17387558054, 5753.38488489680},
    {0.00001575572, 2.84685214877, 7860.41939243920},
    {0.00000924799, 5.45292236722, 11506.76976979360},
    {0.00000542439, 4.56409151453, 3930.20969621960},
    {0.00000472110, 3.66100022149, 5884.92684658320},
    {0.00000328780, 5.89983686142, 5223.69391980220},
    {0.00000345969, 0.96368627272, 5507.55323866740},
    {0.00000306784, 0.29867139512, 5573.14280143310},
    {0.00000174844, 3.01193636733, 18849.22754997420},
    {0.00000243181, 4.27349530790, 11790.62908865880},
    {0.00000211836, 5.84714461348, 1577.34354244780},
    {0.00000185740, 5.02199710705, 10977.07880469900},
    {0.00000109835, 5.05510635860, 5486.77784317500},
    {0.00000098316, 0.88681311278, 6069.77675455340},
    {0.00000086500, 5.68956418946, 15720.83878487840},
    {0.00000085831, 1.27079125277, 161000.68573767410},
    {0.00000062917, 0.92177053978, 529.69096509460},
    {0.00000057056, 2.01374292245, 83996.84731811189},
    {0.00000064908, 0.27251341435, 17260.15465469040},
    {0.00000055736, 5.24159799170, 71430.69561812909},
};
constexpr VsopTerm kEarthR1[] = {
    {0.00103018607, 1.10748968172, 6283.07584999140},
    {0.00001721238, 1.06442300386, 12566.15169998280},
    {0.00000702217, 3.14159265359, 0.00000000000},
};
constexpr VsopTerm kEarthR2[] = {
    {0.00004359385, 5.78455133808, 6283.07584999140},
    {0.00000123633, 5.57935427994, 12566.15169998280},
};
constexpr VsopTerm kEarthR3[] = {
    {0.00000144595, 4.27319433901, 6283.07584999140},
};

struct VsopSeries {
  const VsopTerm* terms;
  std::size_t count;
};
template <std::size_t N>
constexpr VsopSeries Series(const VsopTerm (&terms)[N]) {
  return VsopSeries{terms, N};
}

// Each coordinate is sum over k of t^k times series k.
constexpr VsopSeries kLongitude[] = {Series(kEarthL0), Series(kEarthL1), Series(kEarthL2), Series(kEarthL3)};
constexpr VsopSeries kLatitude[] = {Series(kEarthB0), Series(kEarthB1), Series(kEarthB2), Series(kEarthB3)};
constexpr VsopSeries kRadius[] = {Series(kEarthR0), Series(kEarthR1), Series(kEarthR2), Series(kEarthR3)};

// A coordinate and its rate per millennium at t. The rate comes with the
// value at the cost of a sine per term, cheaper than a second evaluation.
template <std::size_t N>
void Evaluate(const VsopSeries (&powers)[N], double t, double& value, double& rate) {
  value = 0.0;
  rate = 0.0;
  double tk = 1.0, dtk = 0.0;  // t^k and its derivative k t^(k-1)
  for (std::size_t k = 0; k < N; ++k) {
    double sum = 0.0, sumRate = 0.0;
    for (std::size_t i = 0; i < powers[k].count; ++i) {
      const VsopTerm& term = powers[k].terms[i];
      const double angle = term.phase + term.frequency * t;
      sum += term.amplitude * std::cos(angle);
      sumRate -= term.amplitude * term.frequency * std::sin(angle);
    }
    value += tk * sum;
    rate += dtk * sum + tk * sumRate;
    dtk = dtk * t + tk;
    tk *= t;
  }
}

}  // namespace

void EarthHeliocentric(double jdTt, double pv[2][3]) {
  constexpr double kDaysPerMillennium = 10.0 * ERFA_DJC;
  const double t = (jdTt - ERFA_DJ00) / kDaysPerMillennium;
  double l = 0.0, b = 0.0, r = 0.0, lRate = 0.0, bRate = 0.0, rRate = 0.0;
  Evaluate(kLongitude, t, l, lRate);
  Evaluate(kLatitude, t, b, bRate);
  Evaluate(kRadius, t, r, rRate);
  lRate /= kDaysPerMillennium;
  bRate /= kDaysPerMillennium;
  rRate /= kDaysPerMillennium;
  const double cl = std::cos(l), sl = std::sin(l), cb = std::cos(b), sb = std::sin(b);
  const double position[3] = {r * cb * cl, r * cb * sl, r * sb};
  const double velocity[3] = {rRate * cb * cl - r * sb * bRate * cl - r * cb * sl * lRate,
                              rRate * cb * sl - r * sb * bRate * sl + r * cb * cl * lRate,
                              rRate * sb + r * cb * bRate};
  // VSOP87's ecliptic of J2000.0 lies within 0.1" of the FK5's and the
  // ICRS's, an offset left aside.
  detail::EclipticToEquatorial(position, pv[0]);
  detail::EclipticToEquatorial(velocity, pv[1]);
}

namespace detail {

void EclipticToEquatorial(const double ecliptic[3], double equatorial[3]) {
  const double c = std::cos(kObliquityJ2000), s = std::sin(kObliquityJ2000);
  const double y = c * ecliptic[1] - s * ecliptic[2];
  const double z = s * ecliptic[1] + c * ecliptic[2];
  equatorial[0] = ecliptic[0];
  equatorial[1] = y;
  equatorial[2] = z;
}

}  // namespace detail

}  // namespace skycalc::precise
