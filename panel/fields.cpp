#include "panel/fields.h"

#include "panel/text_numbers.h"

namespace skycalc {

namespace {

const char kDegreeSign[] = "°";

struct FieldRule {
  bool decimal;      // longitude, latitude, azimuth: completed text, double, shown with "°"
  double low, high;  // accepted range, both ends included unless openEnds
  bool openEnds;
  bool takesSign;
  const char* message;
};

// Indexed by Field.
const FieldRule kRules[kFieldCount] = {
    {false, -99999, 99999, false, true, "年は-99999～99999にしてください。"},
    {false, 1, 12, false, false, "月は1～12にしてください。"},
    {false, 1, 31, false, false, "日は1～31にしてください。"},
    {false, 0, 23, false, false, "時は0～23にしてください。"},
    {false, 0, 59, false, false, "分は0～59にしてください。"},
    {true, -180, 180, true, true, "経度は-179.99～179.99にしてください。"},
    {true, -90, 90, false, true, "緯度は-90.0～90.0にしてください。"},
    {true, 0, 359.99, false, false, "方位は0.0～359.99にしてください。"},
    {false, -23, 23, false, true, "標準時 時は-23～23にしてください。"},
    {false, 0, 59, false, false, "標準時 分は0～59にしてください。"},
};

const FieldRule& RuleOf(Field field) { return kRules[static_cast<int>(field)]; }

// Whether value lies in the field's range (NaN never does).
bool Accepts(const FieldRule& rule, double value) {
  if (rule.openEnds) return value > rule.low && value < rule.high;
  return value >= rule.low && value <= rule.high;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

FieldEntry CheckFieldEntry(Field field, const std::string& entry) {
  const FieldRule& rule = RuleOf(field);
  FieldEntry result;
  result.shown = entry;
  if (rule.decimal) {
    result.shown = CompleteDecimalEntry(entry);
    result.value = TextToDouble(result.shown);
    result.shown += kDegreeSign;
    result.accepted = Accepts(rule, result.value);
  } else {
    long long integer = 0;
    result.accepted = ParseEntryInteger(entry, integer) && Accepts(rule, static_cast<double>(integer));
    result.value = static_cast<double>(integer);
  }
  if (!result.accepted) result.message = rule.message;
  return result;
}

void StoreFieldValue(StoredFields& f, Field field, double v) {
  switch (field) {
    case Field::kYear: f.year = static_cast<std::int32_t>(v); break;
    case Field::kMonth: f.month = static_cast<std::uint8_t>(v); break;
    case Field::kDay: f.day = static_cast<std::uint8_t>(v); break;
    case Field::kHour: f.hour = static_cast<std::uint8_t>(v); break;
    case Field::kMinute: f.minute = static_cast<std::uint8_t>(v); break;
    case Field::kLongitude: f.longitude = static_cast<float>(v); break;
    case Field::kLatitude: f.latitude = static_cast<float>(v); break;
    case Field::kAzimuth: f.azimuth = static_cast<float>(v); break;
    case Field::kZoneHour: f.zoneHour = static_cast<std::int8_t>(v); break;
    case Field::kZoneMinute: f.zoneMinute = static_cast<std::uint8_t>(v); break;
  }
}

std::string EntryAfterDigit(const std::string& entry, char digit) {
  const bool loneZero = !StartsWith(entry, "0.") && StartsWith(entry, "0");
  if (digit == '0' && loneZero) return "0";
  std::string next = entry;
  if (loneZero) next.erase(0, 1);
  next += digit;
  return next;
}

std::string EntryAfterPoint(const std::string& entry, Field target) {
  if (RuleOf(target).decimal && entry.find('.') == std::string::npos) return entry + '.';
  return entry;
}

std::string EntryAfterSign(const std::string& entry, Field target) {
  if (!RuleOf(target).takesSign) return entry;
  if (entry.size() == 1 && StartsWith(entry, "0")) return entry;  // the lone zero stays unsigned
  if (StartsWith(entry, "-")) return entry.substr(1);
  return "-" + entry;
}

std::string KeyedEntry(Field field, const std::string& text) {
  std::string entry = "0";
  for (const char c : text) {
    if (c >= '0' && c <= '9') entry = EntryAfterDigit(entry, c);
    if (c == '.') entry = EntryAfterPoint(entry, field);
  }
  if (StartsWith(text, "-")) entry = EntryAfterSign(entry, field);
  return entry;
}

sky::Instant InstantOf(const StoredFields& f) {
  return sky::LocalInstant(f.year, f.month, f.day, f.hour, f.minute, f.zoneHour, f.zoneMinute);
}

sky::Site SiteOf(const StoredFields& f) {
  return sky::Site{static_cast<double>(f.longitude), static_cast<double>(f.latitude)};
}

int ZoneMinutesOf(const StoredFields& f) { return f.zoneHour * 60 + f.zoneMinute; }

}  // namespace skycalc
