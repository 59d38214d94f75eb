#include "app/sky_calc_app.h"

// The calculator: one modal window; the program ends when it closes.
int main(int argc, char** argv) {
  skycalc::CSkyCalcApp app(argc, argv);
  return app.InitInstance();
}
