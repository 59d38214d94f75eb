// Replays a sequence of the page's actions on the headless calculator and
// writes what the window would show after each, for the browser test to
// compare with the page. One action a line on standard input:
//   press ID | pick LIST_ID INDEX | type LIST_ID TEXT | precise 0|1 | snap | events | moment
//   | risesetbox | eclipsebox
// "snap" writes one line: the texts of the readouts and displays, the lists'
// text fields, the radio buttons' checks and the messages shown since the
// last snap, joined with "|"; "events" the rise, transit and set times of the
// stored date, joined with "|"; "moment" the 出没時刻 box's convention line,
// この時刻 caption and figures, joined with "|"; "risesetbox" and
// "eclipsebox" the boxes' view-models as the page receives them (JSON).
#include <iostream>
#include <sstream>
#include <string>

#include "panel/control_ids.h"
#include "panel/body_details.h"
#include "panel/day_events.h"
#include "panel/eclipse_box.h"
#include "panel/rise_set_box.h"
#include "tests/support/headless_calculator.h"

using namespace skycalc;

namespace {

const int kTexts[] = {IDC_TIME, IDC_RAAZM, IDC_DECALT, IDC_ENTRY, IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_HOUR,
                      IDC_MINUTE, IDC_LONGITUDE, IDC_LATITUDE, IDC_AZIMUTH, IDC_ZONEHOUR, IDC_ZONEMINUTE};
const int kLists[] = {IDC_PLANETLIST, IDC_STARLIST, IDC_CONSTLIST};
const int kRadios[] = {IDC_JULIANDAY, IDC_SIDEREAL, IDC_EQUATORIAL, IDC_HORIZONTAL, IDC_PLANET, IDC_STAR,
                       IDC_CONSTELLATION};

}  // namespace

int main(int argc, char** argv) {
  HeadlessCalculator calc;
  calc.Open(argc > 1 ? argv[1] : kSourceDataDir);
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string verb;
    int id = 0;
    words >> verb >> id;
    if (verb == "press") {
      calc.Press(id);
    } else if (verb == "pick") {
      int index = 0;
      words >> index;
      calc.Select(id, index);
    } else if (verb == "type") {
      std::string text;
      std::getline(words >> std::ws, text);
      calc.host.SetListText(id, text);
    } else if (verb == "precise") {
      calc.dlg->SetPreciseModel(id != 0);
    } else if (verb == "events") {
      const sky::LocalDayEvents day =
          MakeDayEventsTable(calc.dlg->CurrentObservation())->Day(calc.dlg->Fields().year, calc.dlg->Fields().month, calc.dlg->Fields().day);
      for (const auto* list : {&day.events.rises, &day.events.transits, &day.events.sets})
        std::cout << FormatEventTimes(*list, day.dayStartJd) << '|';
      std::cout << '\n';
    } else if (verb == "moment") {
      const Observation observation = calc.dlg->CurrentObservation();
      std::cout << ConventionLine(MakeDayEventsTable(observation)->Convention()) << '|' << MomentCaption(observation) << '|';
      const BodyDetailsReadout moment = ReadBodyDetails(observation);
      for (int i = 0; i < kDetailsFigureCount; ++i) std::cout << FormatFigure(i, moment) << '|';
      std::cout << '\n';
    } else if (verb == "risesetbox") {
      std::cout << RiseSetBoxJson(StoredDayRiseSetBox(calc.dlg->CurrentObservation())) << '\n';
    } else if (verb == "eclipsebox") {
      std::cout << EclipseBoxJson(StoredYearEclipseBox(calc.dlg->CurrentObservation())) << '\n';
    } else if (verb == "snap") {
      std::string out;
      for (int text : kTexts) out += calc.host.Text(text) + "|";
      for (int list : kLists) out += calc.host.ListText(list) + "|";
      for (int radio : kRadios) out += calc.host.IsChecked(radio) ? "1|" : "0|";
      for (const std::string& message : calc.host.messages) out += message + "|";
      calc.host.messages.clear();
      std::cout << out << '\n';
    }
  }
  return 0;
}
