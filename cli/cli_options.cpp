#include "cli/cli_options.h"

#include <functional>
#include <map>
#include <utility>

#include "panel/phenomena_list.h"

namespace skycalc {

namespace {

// Parsing state for one command line: the options and the first error.
struct Parser {
  CliOptions options;
  std::string error;
  bool stepGiven = false;
  bool countGiven = false;
  bool preciseGiven = false;
  bool eventsGiven = false;
  bool conventionGiven = false;
  bool detailsGiven = false;
  bool eclipsesGiven = false;
  bool almanacGiven = false;
  bool calendarGiven = false;
  bool kindGiven = false;

  void Fail(const std::string& reason) {
    if (error.empty()) error = reason;
  }
};

// A flag that sets one of several exclusive choices; a second, different one fails.
template <typename T>
void Choose(Parser& p, T& slot, T value, T unset, const std::string& option, const char* group) {
  if (slot != unset && slot != value) p.Fail(std::string("only one of ") + group + " may be given (" + option + ")");
  slot = value;
}

bool ParseCount(const std::string& text, std::int64_t& count) {
  if (text.empty() || text.size() > 12) return false;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  count = value;
  return value > 0;
}

using ValueHandler = std::function<void(Parser&, const std::string& option, const std::string& value)>;
using FlagHandler = std::function<void(Parser&, const std::string& option)>;

void SetBody(Parser& p, BodyKind kind, const std::string& option, const std::string& value) {
  if (p.options.bodyKind) p.Fail("only one body may be given (" + option + ")");
  p.options.bodyKind = kind;
  p.options.bodyText = value;
}

const std::map<std::string, FlagHandler>& Flags() {
  static const std::map<std::string, FlagHandler> flags = {
      {"--equatorial", [](Parser& p, const std::string& o) {
         Choose(p, p.options.frame, CliFrame::kEquatorial, CliFrame::kDefault, o, "--equatorial and --horizontal");
       }},
      {"--horizontal", [](Parser& p, const std::string& o) {
         Choose(p, p.options.frame, CliFrame::kHorizontal, CliFrame::kDefault, o, "--equatorial and --horizontal");
       }},
      {"--julian-day", [](Parser& p, const std::string& o) {
         Choose(p, p.options.timeMode, CliTimeMode::kJulianDay, CliTimeMode::kDefault, o, "--julian-day and --sidereal");
       }},
      {"--sidereal", [](Parser& p, const std::string& o) {
         Choose(p, p.options.timeMode, CliTimeMode::kSidereal, CliTimeMode::kDefault, o, "--julian-day and --sidereal");
       }},
      {"--json", [](Parser& p, const std::string& o) {
         Choose(p, p.options.format, CliFormat::kJson, CliFormat::kText, o, "--json and --csv");
       }},
      {"--csv", [](Parser& p, const std::string& o) {
         Choose(p, p.options.format, CliFormat::kCsv, CliFormat::kText, o, "--json and --csv");
       }},
      {"--precise", [](Parser& p, const std::string& o) {
         if (p.preciseGiven) p.Fail(o + " given twice");
         p.options.precise = p.preciseGiven = true;
       }},
      {"--events", [](Parser& p, const std::string& o) {
         if (p.eventsGiven) p.Fail(o + " given twice");
         p.options.events = p.eventsGiven = true;
       }},
      {"--details", [](Parser& p, const std::string& o) {
         if (p.detailsGiven) p.Fail(o + " given twice");
         p.options.details = p.detailsGiven = true;
       }},
      {"--eclipses", [](Parser& p, const std::string& o) {
         if (p.eclipsesGiven) p.Fail(o + " given twice");
         p.options.eclipses = p.eclipsesGiven = true;
       }},
      {"--almanac", [](Parser& p, const std::string& o) {
         if (p.almanacGiven) p.Fail(o + " given twice");
         p.options.almanac = p.almanacGiven = true;
       }},
      {"--calendar", [](Parser& p, const std::string& o) {
         if (p.calendarGiven) p.Fail(o + " given twice");
         p.options.calendar = p.calendarGiven = true;
       }},
      {"--phenomena", [](Parser& p, const std::string& o) {
         if (p.options.phenomena) p.Fail(o + " given twice");
         p.options.phenomena = true;
       }},
  };
  return flags;
}

const std::map<std::string, ValueHandler>& ValueOptions() {
  static const std::map<std::string, ValueHandler> options = [] {
    std::map<std::string, ValueHandler> table = {
        {"--planet", [](Parser& p, const std::string& o, const std::string& v) { SetBody(p, BodyKind::kPlanet, o, v); }},
        {"--star", [](Parser& p, const std::string& o, const std::string& v) { SetBody(p, BodyKind::kStar, o, v); }},
        {"--constellation",
         [](Parser& p, const std::string& o, const std::string& v) { SetBody(p, BodyKind::kConstellation, o, v); }},
        {"--step", [](Parser& p, const std::string& o, const std::string& v) {
           TableStep step;
           if (p.stepGiven) p.Fail(o + " given twice");
           if (!ParseTableStep(v, step)) p.Fail(o + " needs a positive whole number followed by m, h or d, not \"" + v + "\"");
           p.options.step = step;
           p.stepGiven = true;
         }},
        {"--count", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.countGiven) p.Fail(o + " given twice");
           if (!ParseCount(v, p.options.count)) p.Fail(o + " needs a positive whole number, not \"" + v + "\"");
           p.countGiven = true;
         }},
        {"--convention", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.conventionGiven) p.Fail(o + " given twice");
           if (v != "jp" && v != "intl") p.Fail(o + " needs jp or intl, not \"" + v + "\"");
           p.options.convention = v;
           p.conventionGiven = true;
         }},
        {"--kind", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.kindGiven) p.Fail(o + " given twice");
           p.options.phenomenaGroups = PhenomenaGroupsOf(v);
           if (!p.options.phenomenaGroups) p.Fail(o + " needs planet, moon or meteor separated by commas, not \"" + v + "\"");
           p.kindGiven = true;
         }},
        {"--data-dir", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.options.dataDir) p.Fail(o + " given twice");
           p.options.dataDir = v;
         }},
    };
    for (std::size_t i = 0; i < kCliFieldCount; ++i) {
      table[kCliFields[i].option] = [i](Parser& p, const std::string& o, const std::string& v) {
        if (p.options.fields[i]) p.Fail(o + " given twice");
        if (!IsKeypadValue(kCliFields[i], v)) p.Fail(o + ": the keypad cannot key \"" + v + "\"");
        p.options.fields[i] = v;
      };
    }
    return table;
  }();
  return options;
}

}  // namespace

CliParseResult ParseCommandLine(const std::vector<std::string>& args) {
  Parser p;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {  // help wins over everything else
      p.options.help = true;
      return {p.options, ""};
    }
  }
  for (std::size_t i = 0; i < args.size() && p.error.empty(); ++i) {
    std::string option = args[i];
    std::optional<std::string> inlineValue;
    const std::size_t equals = option.find('=');
    if (option.rfind("--", 0) == 0 && equals != std::string::npos) {
      inlineValue = option.substr(equals + 1);
      option = option.substr(0, equals);
    }
    if (const auto flag = Flags().find(option); flag != Flags().end()) {
      if (inlineValue) p.Fail(option + " takes no value");
      flag->second(p, option);
    } else if (const auto valued = ValueOptions().find(option); valued != ValueOptions().end()) {
      if (!inlineValue && i + 1 >= args.size()) {
        p.Fail(option + " needs a value");
        break;
      }
      valued->second(p, option, inlineValue ? *inlineValue : args[++i]);
    } else {
      p.Fail("unknown argument \"" + args[i] + "\"");
    }
  }
  if (p.error.empty() && p.options.almanac && p.options.calendar) p.Fail("only one of --almanac and --calendar may be given");
  for (const auto& [given, name] : {std::pair{p.options.almanac, "--almanac"}, std::pair{p.options.calendar, "--calendar"}}) {
    if (p.error.empty() && given && p.options.events) p.Fail(std::string(name) + " cannot be given with --events");
    if (p.error.empty() && given && p.stepGiven) p.Fail(std::string("--step cannot be given with ") + name);
  }
  if (p.error.empty() && p.options.events && p.stepGiven) p.Fail("--step cannot be given with --events (--count gives days)");
  if (p.error.empty() && p.options.events && p.detailsGiven)
    p.Fail("--details cannot be given with --events (details are of an instant, events of a day)");
  if (p.error.empty() && p.detailsGiven && (p.options.eclipses || p.options.almanac || p.options.calendar))
    p.Fail("--details goes with the rows of instants, not with --eclipses, --almanac or --calendar");
  if (p.error.empty() && p.options.eclipses &&
      (p.options.events || p.options.almanac || p.options.calendar || p.stepGiven || p.options.bodyKind || p.options.frame != CliFrame::kDefault ||
       p.options.timeMode != CliTimeMode::kDefault))
    p.Fail("--eclipses takes only the fields, --count (years), --precise, --json or --csv and --data-dir");
  if (p.error.empty() && p.kindGiven && !p.options.phenomena) p.Fail("--kind goes with --phenomena only");
  if (p.error.empty() && p.options.phenomena &&
      (p.options.events || p.options.eclipses || p.options.almanac || p.options.calendar || p.stepGiven ||
       p.detailsGiven || p.options.bodyKind || p.options.frame != CliFrame::kDefault ||
       p.options.timeMode != CliTimeMode::kDefault))
    p.Fail("--phenomena takes only the fields, --count (years), --kind, --precise, --json or --csv and --data-dir");
  if (p.error.empty() && !p.options.events && !p.options.eclipses && !p.options.almanac && !p.options.calendar &&
      !p.options.phenomena &&
      p.stepGiven != p.countGiven)
    p.Fail("--step and --count must be given together");
  return {p.options, p.error};
}

}  // namespace skycalc
