#include "cli/cli_session.h"

#include "catalog/catalog.h"
#include "catalog/names.h"
#include "panel/model_messages.h"
#include "panel/readout_format.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

namespace {

// The Japanese names of the list of kind, as the window lists them.
std::vector<std::string> ListEntries(BodyKind kind) {
  const char* const* names = kind == BodyKind::kPlanet ? PlanetNames
                             : kind == BodyKind::kStar ? StarNames
                                                       : ConstellationNames;
  return std::vector<std::string>(names, names + BodyListSize(kind));
}

}  // namespace

CliSession::CliSession(ISettingsStore& store, IClock& clock, const std::vector<std::string>& catalogFolders)
    : m_store(store), m_clock(clock), m_catalogFolders(catalogFolders) {}

std::vector<std::string> CliSession::Start() {
  std::vector<std::string> messages = LoadCatalogs(m_catalogs, m_catalogFolders);
  const ResetValues reset = ReadResetValues(m_clock, m_store);
  m_fields = reset.fields;
  messages.insert(messages.end(), reset.fallbacks.begin(), reset.fallbacks.end());
  return messages;
}

bool CliSession::ChooseBody(BodyKind kind, const std::string& text) {
  const int index = ResolveBody(kind, text, ListEntries(kind));
  if (index < 0) return false;
  switch (kind) {
    case BodyKind::kPlanet: m_target = sky::Target::OfBody(BodyOfListPosition(index)); break;
    case BodyKind::kStar: m_target = StarTarget(m_catalogs, index); break;
    case BodyKind::kConstellation: m_target = ConstellationTarget(m_catalogs, index); break;
  }
  return true;
}

std::optional<std::string> CliSession::ChoosePreciseModel(bool precise) {
  m_precise = precise;
  if (const char* message = CoverageMessage(Model().Covers(m_target, m_fields.year))) return message;
  return std::nullopt;
}

std::optional<std::string> CliSession::StoreField(Field field, const std::string& text) {
  const FieldEntry entry = CheckFieldEntry(field, KeyedEntry(field, text));
  if (!entry.accepted) return entry.message;
  StoreFieldValue(m_fields, field, entry.value);
  return std::nullopt;
}

// A stepped date and time is a plain decimal, exactly the text the keypad
// would build, so it is stored as SET stores an entry, field by field in SET's
// order.
std::optional<std::string> CliSession::StoreCivilTime(const CivilTime& to) {
  const CivilTime from = StoredCivilTime();
  const struct {
    Field field;
    int from, to;
  } parts[] = {{Field::kYear, from.year, to.year},  {Field::kMonth, from.month, to.month},
               {Field::kDay, from.day, to.day},     {Field::kHour, from.hour, to.hour},
               {Field::kMinute, from.minute, to.minute}};
  for (const auto& part : parts) {
    if (part.from == part.to) continue;
    if (auto message = StoreField(part.field, std::to_string(part.to))) return message;
  }
  return std::nullopt;
}

CivilTime CliSession::StoredCivilTime() const {
  return {m_fields.year, m_fields.month, m_fields.day, m_fields.hour, m_fields.minute};
}

std::optional<std::string> CliSession::Row(CliRow& row) { return MakeRow(row, nullptr); }

std::optional<std::string> CliSession::Row(CliRow& row, sky::BodyVectors& vectors) { return MakeRow(row, &vectors); }

std::optional<std::string> CliSession::MakeRow(CliRow& row, sky::BodyVectors* vectors) {
  const StoredFields& f = m_fields;
  row.fields = {f.year, f.month, f.day, f.hour, f.minute, f.longitude, f.latitude, f.azimuth, f.zoneHour, f.zoneMinute};
  const sky::Instant instant = InstantOf(f);
  const sky::Site site = SiteOf(f);
  const sky::SkyModel& model = Model();
  row.jd = instant.jd;
  row.lst = model.SiderealTime(instant, site);
  row.place = vectors ? model.PlaceOf(m_target, instant, site, static_cast<double>(f.azimuth), *vectors)
                      : model.PlaceOf(m_target, instant, site, static_cast<double>(f.azimuth));
  row.timeText = m_timeMode == CliTimeMode::kSidereal ? FormatSiderealTime(row.lst) : FormatJulianDay(row.jd);
  if (m_frame == CliFrame::kEquatorial) {
    row.raAzmText = FormatRightAscension(row.place.equatorial[0]);
    row.decAltText = FormatDeclination(row.place.equatorial[1]);
  } else {
    row.raAzmText = FormatAzimuth(row.place.horizontal[0]);
    row.decAltText = FormatAltitude(row.place.horizontal[1]);
  }
  row.precise = model.IsPrecise();
  row.horizontal = m_frame != CliFrame::kEquatorial;
  if (const char* message = CoverageMessage(model.Covers(m_target, f.year))) return message;
  return std::nullopt;
}

}  // namespace skycalc
