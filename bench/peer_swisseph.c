/* The Swiss Ephemeris peer of skycalc-cli --eclipses (built by
 * scripts/bench_peers.sh against Debian's libswe-dev and its ephemeris files,
 * never shipped): every lunar eclipse of the years with its contacts and the
 * Moon's altitude at Tokyo at greatest, and every solar eclipse with its
 * local circumstances at Tokyo.
 * Usage: peer_swisseph EPHEMERIS_DIR FIRST_YEAR YEARS (prints one line per eclipse). */
#include <stdio.h>
#include <stdlib.h>

#include <swephexp.h>

int main(int argc, char** argv) {
  if (argc != 4) return 64;
  swe_set_ephe_path(argv[1]);
  const int first = atoi(argv[2]), years = atoi(argv[3]);
  const double start = swe_julday(first, 1, 1, 0.0, SE_GREG_CAL), end = swe_julday(first + years, 1, 1, 0.0, SE_GREG_CAL);
  double tokyo[3] = {139.7, 35.7, 0.0};
  char error[AS_MAXCH];
  double tret[10], attr[20];
  int lunar = 0, solar = 0, seen = 0;
  for (double t = start;;) {
    if (swe_lun_eclipse_when(t, SEFLG_SWIEPH, 0, tret, 0, error) < 0) return 1;
    if (tret[0] >= end) break;
    swe_lun_eclipse_how(tret[0], SEFLG_SWIEPH, tokyo, attr, error);
    printf("lunar %.6f magnitude %.3f altitude %.1f\n", tret[0], attr[0], attr[5]);
    ++lunar;
    t = tret[0] + 20.0;
  }
  for (double t = start;;) {
    if (swe_sol_eclipse_when_glob(t, SEFLG_SWIEPH, 0, tret, 0, error) < 0) return 1;
    if (tret[0] >= end) break;
    ++solar;
    t = tret[0] + 20.0;
  }
  for (double t = start;;) {
    if (swe_sol_eclipse_when_loc(t, SEFLG_SWIEPH, tokyo, tret, attr, 0, error) < 0) return 1;
    if (tret[0] >= end) break;
    printf("solar at Tokyo %.6f magnitude %.3f\n", tret[0], attr[0]);
    ++seen;
    t = tret[0] + 20.0;
  }
  printf("%d lunar, %d solar, %d solar seen at Tokyo\n", lunar, solar, seen);
  swe_close();
  return 0;
}
