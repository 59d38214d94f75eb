// Arbitrary sequences of keypad, field-button, SET, selector and AC events on
// the calculator, each byte one event (a list pick takes the next byte as the
// entry), with the model switched now and then and the day's rise, transit
// and set asked for. After every event the calculator's invariants are
// checked: the entry's form and the single target, every stored field within
// its range, the readouts within their buffers, a message only where SET
// refuses or the precise model has no place, and events that belong to their day.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "panel/day_events.h"
#include "panel/model_messages.h"

namespace skycalc {
namespace {

enum class Kind { kClick, kRadio, kList, kModel, kDayEvents };

struct Event {
  Kind kind;
  int id;
};

const Event kEvents[] = {
    {Kind::kClick, IDC_DIGIT0},           {Kind::kClick, IDC_DIGIT1},
    {Kind::kClick, IDC_DIGIT2},       {Kind::kClick, IDC_DIGIT3},
    {Kind::kClick, IDC_DIGIT4},       {Kind::kClick, IDC_DIGIT5},
    {Kind::kClick, IDC_DIGIT6},       {Kind::kClick, IDC_DIGIT7},
    {Kind::kClick, IDC_DIGIT8},       {Kind::kClick, IDC_DIGIT9},
    {Kind::kClick, IDC_POINT},            {Kind::kClick, IDC_SIGN},
    {Kind::kClick, IDC_CLEAR},            {Kind::kClick, IDC_SET},
    {Kind::kClick, IDC_ALLCLEAR},         {Kind::kClick, IDC_FIELD_YEAR},
    {Kind::kClick, IDC_FIELD_MONTH},      {Kind::kClick, IDC_FIELD_DAY},
    {Kind::kClick, IDC_FIELD_HOUR},       {Kind::kClick, IDC_FIELD_MINUTE},
    {Kind::kClick, IDC_FIELD_LONGITUDE},  {Kind::kClick, IDC_FIELD_LATITUDE},
    {Kind::kClick, IDC_FIELD_AZIMUTH},    {Kind::kClick, IDC_FIELD_ZONEHOUR},
    {Kind::kClick, IDC_FIELD_ZONEMINUTE}, {Kind::kRadio, IDC_JULIANDAY},
    {Kind::kRadio, IDC_SIDEREAL},         {Kind::kRadio, IDC_EQUATORIAL},
    {Kind::kRadio, IDC_HORIZONTAL},       {Kind::kRadio, IDC_PLANET},
    {Kind::kRadio, IDC_STAR},             {Kind::kRadio, IDC_CONSTELLATION},
    {Kind::kList, IDC_PLANETLIST},        {Kind::kList, IDC_STARLIST},
    {Kind::kList, IDC_CONSTLIST},         {Kind::kModel, 0},
    {Kind::kDayEvents, 0},
};
constexpr std::size_t kEventCount = sizeof(kEvents) / sizeof(kEvents[0]);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The entry: "0", or an optional "-", an integer part without a leading zero
// (a single "0" only before a point), then at most one point and digits; the
// point only for longitude, latitude and azimuth, the sign only for year,
// longitude, latitude and zone hours.
bool EntryWellFormed(const std::string& e, bool pointAllowed, bool signAllowed) {
  if (e == "0") return true;
  std::size_t pos = 0;
  if (!e.empty() && e[0] == '-') {
    if (!signAllowed) return false;
    pos = 1;
  }
  const std::size_t intStart = pos;
  while (pos < e.size() && IsDigit(e[pos])) ++pos;
  const std::size_t intLength = pos - intStart;
  if (intLength == 0) return false;
  const bool hasPoint = pos < e.size();
  if (e[intStart] == '0' && (intLength > 1 || !hasPoint)) return false;
  if (!hasPoint) return true;
  if (e[pos] != '.' || !pointAllowed) return false;
  for (++pos; pos < e.size(); ++pos) {
    if (!IsDigit(e[pos])) return false;
  }
  return true;
}

void CheckTargetAndEntry(const CSkyCalcDlg& d, const MemoryHost& host) {
  int targets = 0;
  for (int f = 0; f < kFieldCount; ++f) targets += d.IsTarget(static_cast<Field>(f)) ? 1 : 0;
  FUZZ_CHECK(targets <= 1, "at most one target");
  auto any = [&d](std::initializer_list<Field> fields) {
    for (Field f : fields)
      if (d.IsTarget(f)) return true;
    return false;
  };
  const bool pointAllowed = any({Field::kLongitude, Field::kLatitude, Field::kAzimuth});
  const bool signAllowed = any({Field::kYear, Field::kLongitude, Field::kLatitude, Field::kZoneHour});
  FUZZ_CHECK(EntryWellFormed(d.Entry(), pointAllowed, signAllowed), "entry form");
  FUZZ_CHECK(host.Text(IDC_ENTRY) == d.Entry(), "entry display shows the entry");
}

// The ranges SET accepts, on the stored widths. The decimal fields are checked
// after narrowing to float, which is monotonic: an accepted longitude just
// below 180 (179.99999999) narrows to 180.0f, so its bounds are closed here.
void CheckFieldRanges(const CSkyCalcDlg& d) {
  const StoredFields f = d.Fields();
  FUZZ_CHECK(f.year >= -99999 && f.year <= 99999, "year range");
  FUZZ_CHECK(f.month >= 1 && f.month <= 12, "month range");
  FUZZ_CHECK(f.day >= 1 && f.day <= 31, "day range");
  FUZZ_CHECK(f.hour <= 23, "hour range");
  FUZZ_CHECK(f.minute <= 59, "minute range");
  FUZZ_CHECK(f.longitude >= -180.0f && f.longitude <= 180.0f, "longitude range");
  FUZZ_CHECK(f.latitude >= -90.0f && f.latitude <= 90.0f, "latitude range");
  FUZZ_CHECK(f.azimuth >= 0.0f && f.azimuth <= static_cast<float>(359.99), "azimuth range");
  FUZZ_CHECK(f.zoneHour >= -23 && f.zoneHour <= 23, "zone hour range");
  FUZZ_CHECK(f.zoneMinute <= 59, "zone minute range");
}

// The stored fields, for comparing before and after an event.
struct Fields {
  std::int32_t year;
  std::uint8_t month, day, hour, minute;
  float longitude, latitude, azimuth;
  std::int8_t zoneHour;
  std::uint8_t zoneMinute;
  explicit Fields(const CSkyCalcDlg& d) : Fields(d.Fields()) {}
  explicit Fields(const StoredFields& f)
      : year(f.year), month(f.month), day(f.day), hour(f.hour), minute(f.minute), longitude(f.longitude),
        latitude(f.latitude), azimuth(f.azimuth), zoneHour(f.zoneHour), zoneMinute(f.zoneMinute) {}
  // How many fields differ (a float compared by its bits, so NaN equals NaN).
  int Differences(const Fields& o) const {
    auto same = [](float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    return (year != o.year) + (month != o.month) + (day != o.day) + (hour != o.hour) + (minute != o.minute) +
           !same(longitude, o.longitude) + !same(latitude, o.latitude) + !same(azimuth, o.azimuth) +
           (zoneHour != o.zoneHour) + (zoneMinute != o.zoneMinute);
  }
};

// The events of the stored day: each inside the day and in time order, a day
// that stays up or down has no rise or set, and only the Sun has twilights.
void CheckDayEvents(const CSkyCalcDlg& d) {
  const std::unique_ptr<sky::DayEventsTable> table = MakeDayEventsTable(d.CurrentObservation());
  const sky::LocalDayEvents day = table->Day(d.Fields().year, d.Fields().month, d.Fields().day);
  const events::DayEvents& e = day.events;
  FUZZ_CHECK((day.coverage != sky::Coverage::kCovered) == (e.status != events::Status::kOk), "a refusal and only then no events");
  FUZZ_CHECK(!(e.alwaysUp && e.alwaysDown), "not up and down all day");
  FUZZ_CHECK(!(e.alwaysUp || e.alwaysDown) || (e.rises.empty() && e.sets.empty()), "staying up or down: no rise or set");
  const auto inDay = [&](const std::vector<events::Event>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      FUZZ_CHECK(list[i].jd >= day.dayStartJd && list[i].jd < day.dayStartJd + 1.0, "an event inside its day");
      FUZZ_CHECK(i == 0 || list[i - 1].jd < list[i].jd, "events in time order");
      FUZZ_CHECK(FormatEventTime(list[i].jd, day.dayStartJd).size() == 5, "an event time of HH:MM");
    }
  };
  inDay(e.rises);
  inDay(e.transits);
  inDay(e.sets);
  for (const events::TwilightEvents& twilight : e.twilights) {
    FUZZ_CHECK(table->IsSun() || (twilight.dawns.empty() && twilight.dusks.empty()), "twilights for the Sun only");
    inDay(twilight.dawns);
    inDay(twilight.dusks);
  }
}

bool IsPreciseMessage(const std::string& message) {
  return message == kPreciseYearsMessage || message == kPrecisePlutoYearsMessage;
}

}  // namespace
}  // namespace skycalc

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skycalc;
  HeadlessCalculator calc;
  calc.Open();
  CSkyCalcDlg& dlg = *calc.dlg;
  MemoryHost& host = calc.host;
  FUZZ_CHECK(host.messages.empty(), "the catalogues of the source tree load");
  for (std::size_t i = 0; i < size; ++i) {
    const Event& event = kEvents[data[i] % kEventCount];
    const std::size_t messagesBefore = host.messages.size();
    const Fields before(dlg);
    switch (event.kind) {
      case Kind::kClick:
        dlg.OnCommand(event.id);
        break;
      case Kind::kRadio:
        host.ClickRadio(event.id);
        dlg.OnCommand(event.id);
        break;
      case Kind::kList: {
        const int index = i + 1 < size ? data[++i] % 100 : 0;
        host.SelectListEntry(event.id, index);
        dlg.OnCommand(event.id);
        break;
      }
      case Kind::kModel:
        dlg.SetPreciseModel(!dlg.IsPreciseModel());
        break;
      case Kind::kDayEvents:
        CheckDayEvents(dlg);
        break;
    }
    CheckTargetAndEntry(dlg, host);
    CheckFieldRanges(dlg);
    CheckReadoutLengths(host);
    // The precise model's message may follow any refresh of the position;
    // every other message is SET's refusal, once.
    int fieldMessages = 0;
    for (std::size_t m = messagesBefore; m < host.messages.size(); ++m) {
      if (IsPreciseMessage(host.messages[m])) {
        FUZZ_CHECK(dlg.IsPreciseModel(), "the precise model's message in the precise model only");
      } else {
        ++fieldMessages;
      }
    }
    const bool refused = fieldMessages > 0;
    FUZZ_CHECK(fieldMessages == 0 || (event.kind == Kind::kClick && event.id == IDC_SET && fieldMessages == 1),
               "one message, and only when SET refuses");
    if (event.kind == Kind::kClick && event.id == IDC_SET) {
      FUZZ_CHECK(Fields(dlg).Differences(before) <= (refused ? 0 : 1), "SET changes its target field only");
      FUZZ_CHECK(dlg.Entry() == "0", "SET leaves the entry at 0");
    } else if (!(event.kind == Kind::kClick && event.id == IDC_ALLCLEAR)) {
      FUZZ_CHECK(Fields(dlg).Differences(before) == 0, "only SET and AC change the fields");
    }
  }
  return 0;
}
