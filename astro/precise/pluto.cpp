#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/precise/frame.h"
#include "astro/precise/precise.h"

namespace skycalc::precise {

namespace {

// One periodic term: the argument is j*J + s*S + p*P (the mean longitudes of
// Jupiter, Saturn and Pluto); each coordinate gains A sin(arg) + B cos(arg).
// Longitude and latitude in 1e-6 degree, radius vector in 1e-7 AU.
struct PlutoTerm {
  int j, s, p;
  double lonA, lonB, latA, latB, radA, radB;
};

// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 37, Table 37.A.
constexpr PlutoTerm kPlutoTerms[] = {
    {0, 0, 1, -19799805, 19850055, -5452852, -14974862, 66865439, 68951812},
    {0, 0, 2, 897144, -4954829, 3527812, 1672790, -11827535, -332538},
    {0, 0, 3, 611149, 1211027, -1050748, 327647, 1593179, -1438890},
    {0, 0, 4, -341243, -189585, 178690, -292153, -18444, 483220},
    {0, 0, 5, 129287, -34992, 18650, 100340, -65977, -85431},
    {0, 0, 6, -38164, 30893, -30697, -25823, 31174, -6032},
    {0, 1, -1, 20442, -9987, 4878, 11248, -5794, 22161},
    {0, 1, 0, -4063, -5071, 226, -64, 4601, 4032},
    {0, 1, 1, -6016, -3336, 2030, -836, -1729, 234},
    {0, 1, 2, -3956, 3039, 69, -604, -415, 702},
    {0, 1, 3, -667, 3572, -247, -567, 239, 723},
    {0, 2, -2, 1276, 501, -57, 1, 67, -67},
    {0, 2, -1, 1152, -917, -122, 175, 1034, -451},
    {0, 2, 0, 630, -1277, -49, -164, -129, 504},
    {1, -1, 0, 2571, -459, -197, 199, 480, -231},
    {1, -1, 1, 899, -1449, -25, 217, 2, -441},
    {1, 0, -3, -1016, 1043, 589, -248, -3359, 265},
    {1, 0, -2, -2343, -1012, -269, 711, 7856, -7832},
    {1, 0, -1, 7042, 788, 185, 193, 36, 45763},
    {1, 0, 0, 1199, -338, 315, 807, 8663, 8547},
    {1, 0, 1, 418, -67, -130, -43, -809, -769},
    {1, 0, 2, 120, -274, 5, 3, 263, -144},
    {1, 0, 3, -60, -159, 2, 17, -126, 32},
    {1, 0, 4, -82, -29, 2, 5, -35, -16},
    {1, 1, -3, -36, -20, 2, 3, -19, -4},
    {1, 1, -2, -40, 7, 3, 1, -15, 8},
    {1, 1, -1, -14, 22, 2, -1, -4, 12},
    {1, 1, 0, 4, 13, 1, -1, 5, 6},
    {1, 1, 1, 5, 2, 0, -1, 3, 1},
    {1, 1, 3, -1, 0, 0, 0, 6, -2},
    {2, 0, -6, 2, 0, 0, -2, 2, 2},
    {2, 0, -5, -4, 5, 2, 2, -2, -2},
    {2, 0, -4, 4, -7, -7, 0, 14, 13},
    {2, 0, -3, 14, 24, 10, -8, -63, 13},
    {2, 0, -2, -49, -34, -3, 20, 136, -236},
    {2, 0, -1, 163, -48, 6, 5, 273, 1065},
    {2, 0, 0, 9, 24, 14, 17, 251, 149},
    {2, 0, 1, -4, 1, -2, 0, -25, -9},
    {2, 0, 2, -3, 1, 0, 0, 9, -2},
    {2, 0, 3, 1, 3, 0, 0, -8, 7},
    {3, 0, -2, -3, -1, 0, 1, 2, -10},
    {3, 0, -1, 5, -3, 0, 0, 19, 35},
    {3, 0, 0, 0, 0, 1, 0, 10, 2},
};

}  // namespace

void PlutoHeliocentric(double jdTt, double& longitude, double& latitude, double& radius) {
  // Reference: Meeus (1998), chapter 37: the mean longitudes of Jupiter,
  // Saturn and Pluto (degrees, T in Julian centuries of TT) and the means
  // the periodic terms are added to.
  const double t = (jdTt - ERFA_DJ00) / ERFA_DJC;
  const double jupiter = (34.35 + 3034.9057 * t) * ERFA_DD2R;
  const double saturn = (50.08 + 1222.1138 * t) * ERFA_DD2R;
  const double pluto = (238.96 + 144.9600 * t) * ERFA_DD2R;
  double sumLon = 0.0, sumLat = 0.0, sumRad = 0.0;
  for (const PlutoTerm& term : kPlutoTerms) {
    const double argument = term.j * jupiter + term.s * saturn + term.p * pluto;
    const double s = std::sin(argument), c = std::cos(argument);
    sumLon += term.lonA * s + term.lonB * c;
    sumLat += term.latA * s + term.latB * c;
    sumRad += term.radA * s + term.radB * c;
  }
  longitude = detail::FoldAngle((238.958116 + 144.96 * t + sumLon * 1e-6) * ERFA_DD2R);
  latitude = (-3.908239 + sumLat * 1e-6) * ERFA_DD2R;
  radius = 40.7241346 + sumRad * 1e-7;
}

namespace detail {

void PlutoEquatorial(double jdTt, double position[3]) {
  double longitude = 0.0, latitude = 0.0, radius = 0.0, ecliptic[3];
  PlutoHeliocentric(jdTt, longitude, latitude, radius);
  eraS2p(longitude, latitude, radius, ecliptic);
  EclipticJ2000ToEquatorial(ecliptic, position);
}

}  // namespace detail

}  // namespace skycalc::precise
