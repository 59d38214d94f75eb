#include "cli/cli_options.h"

#include <algorithm>
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
  bool holidaysGiven = false;
  bool phenomenaGiven = false;
  bool kindGiven = false;
  std::vector<std::string> given;  // the options in the order given
  bool widthGiven = false;
  bool sitesGiven = false;

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

// Whether a step's text is well formed but its number too large.
bool StepTooLarge(const std::string& text) {
  std::int64_t ignored = 0;
  return text.size() >= 2 && std::string("mhd").find(text.back()) != std::string::npos &&
         ReadWholeNumber(text.substr(0, text.size() - 1), ignored) == WholeNumberText::kTooLarge;
}

std::string TooLargeMessage(const std::string& option, const std::string& value) {
  return option + " " + value + " is too large (at most " + std::to_string(kMaxWholeNumber) + ")";
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
      {"--holidays", [](Parser& p, const std::string& o) {
         if (p.holidaysGiven) p.Fail(o + " given twice");
         p.options.holidays = p.holidaysGiven = true;
       }},
      {"--phenomena", [](Parser& p, const std::string& o) {
         if (p.phenomenaGiven) p.Fail(o + " given twice");
         p.options.phenomena = p.phenomenaGiven = true;
       }},
      {"--sites", [](Parser& p, const std::string& o) {
         if (p.sitesGiven) p.Fail(o + " given twice");
         p.options.sites = p.sitesGiven = true;
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
           if (!ParseTableStep(v, step)) {
             p.Fail(StepTooLarge(v) ? TooLargeMessage(o, v)
                                   : o + " needs a positive whole number followed by m, h or d, not " + QuoteForMessage(v));
           }
           p.options.step = step;
           p.stepGiven = true;
         }},
        {"--count", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.countGiven) p.Fail(o + " given twice");
           switch (ReadWholeNumber(v, p.options.count)) {
             case WholeNumberText::kValid: break;
             case WholeNumberText::kTooLarge: p.Fail(TooLargeMessage(o, v)); break;
             case WholeNumberText::kMalformed: p.Fail(o + " needs a positive whole number, not " + QuoteForMessage(v)); break;
           }
           p.countGiven = true;
         }},
        {"--convention", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.conventionGiven) p.Fail(o + " given twice");
           if (v != "jp" && v != "intl") p.Fail(o + " needs jp or intl, not " + QuoteForMessage(v));
           p.options.convention = v;
           p.conventionGiven = true;
         }},
        {"--chart", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.options.chart) p.Fail(o + " given twice");
           const std::size_t dot = v.rfind('.');
           const std::string ext = dot == std::string::npos ? std::string() : v.substr(dot);
           if (ext != ".svg" && ext != ".json") p.Fail(o + " needs a file name ending in .svg or .json, not " + QuoteForMessage(v));
           p.options.chart = v;
         }},
        {"--width", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.widthGiven) p.Fail(o + " given twice");
           if (ReadWholeNumber(v, p.options.chartWidth) != WholeNumberText::kValid || p.options.chartWidth > 20000)
             p.Fail(o + " needs a whole number of pixels from 1 to 20000, not " + QuoteForMessage(v));
           p.widthGiven = true;
         }},
        {"--kind", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.kindGiven) p.Fail(o + " given twice");
           p.options.phenomenaGroups = PhenomenaGroupsOf(v);
           if (!p.options.phenomenaGroups) p.Fail(o + " needs planet, moon or meteor separated by commas, not " + QuoteForMessage(v));
           p.kindGiven = true;
         }},
        {"--site", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.options.site) p.Fail(o + " given twice");
           p.options.site = v;
         }},
        {"--data-dir", [](Parser& p, const std::string& o, const std::string& v) {
           if (p.options.dataDir) p.Fail(o + " given twice");
           p.options.dataDir = v;
         }},
    };
    for (std::size_t i = 0; i < kCliFieldCount; ++i) {
      table[kCliFields[i].option] = [i](Parser& p, const std::string& o, const std::string& v) {
        if (p.options.fields[i]) p.Fail(o + " given twice");
        if (!IsKeypadValue(kCliFields[i], v)) p.Fail(o + ": the keypad cannot key " + QuoteForMessage(v));
        p.options.fields[i] = v;
      };
    }
    return table;
  }();
  return options;
}

// What a run computes; each option acts in some of these and nowhere else.
enum Mode : unsigned {
  kInstants = 1,  // readouts of one instant or a table of them
  kEvents = 2,
  kEclipses = 4,
  kAlmanac = 8,
  kCalendar = 16,
  kHolidays = 32,
  kChart = 64,
  kPhenomena = 128,
  kAnyMode = 255,
  kSites = 256,  // the list of places: none of the calculator's options acts there
};

// The modes in which an option has an effect. The mode flags act in their
// own mode only; an option given in a mode it does not act in is refused
// rather than silently ignored.
struct OptionScope {
  const char* option;
  unsigned modes;
};
constexpr OptionScope kOptionScopes[] = {
    {"--year", kAnyMode},
    {"--month", kInstants | kEvents | kCalendar | kChart},
    {"--day", kInstants | kEvents | kChart},
    {"--hour", kInstants | kChart},
    {"--minute", kInstants | kChart},
    {"--longitude", kInstants | kEvents | kEclipses | kChart},
    {"--site", kInstants | kEvents | kEclipses | kChart},
    {"--latitude", kInstants | kEvents | kEclipses | kChart},
    {"--azimuth", kInstants | kEvents | kEclipses},
    {"--zone-hour", kAnyMode & ~kHolidays},  // the holidays are Japan's whatever the zone
    {"--zone-minute", kAnyMode & ~kHolidays},
    {"--planet", kInstants | kEvents | kChart},  // the chart marks the chosen body
    {"--star", kInstants | kEvents | kChart},
    {"--constellation", kInstants | kEvents | kChart},
    {"--equatorial", kInstants},
    {"--horizontal", kInstants},
    {"--julian-day", kInstants},
    {"--sidereal", kInstants},
    {"--precise", kInstants | kEvents | kChart},
    {"--json", kAnyMode & ~kChart},  // the chart's format is its file's name
    {"--csv", kAnyMode & ~kChart},
    {"--step", kInstants},
    {"--count", kAnyMode & ~kChart},
    {"--convention", kEvents},
    {"--details", kInstants},
    {"--data-dir", kAnyMode | kSites},
    {"--sites", kSites},
    {"--events", kEvents},
    {"--eclipses", kEclipses},
    {"--almanac", kAlmanac},
    {"--calendar", kCalendar},
    {"--holidays", kHolidays},
    {"--chart", kChart},
    {"--width", kChart},
    {"--phenomena", kPhenomena},
    {"--kind", kPhenomena},
};

// The flag that chooses each mode other than the instants, and what it takes.
struct ModeFlag {
  Mode mode;
  const char* flag;
  const char* takes;  // what it uses (besides --json, --csv and --data-dir), for the refusals
};
constexpr ModeFlag kModeFlags[] = {
    {kEvents, "--events", "the date, the site, the zone, the body, --precise, --convention and --count"},
    {kEclipses, "--eclipses", "the year, the site, the zone and --count"},
    {kAlmanac, "--almanac", "the year, the zone and --count"},
    {kCalendar, "--calendar", "the year, the month, the zone and --count"},
    {kHolidays, "--holidays", "the year and --count"},
    {kChart, "--chart", "the date and time, the site, the zone, the body, --precise and --width"},
    {kPhenomena, "--phenomena", "the year, the zone, --kind and --count"},
    {kSites, "--sites", "--data-dir"},
};

// Reasons of their own for some refusals, in place of what the mode takes.
struct ScopeReason {
  const char* option;
  Mode mode;
  const char* reason;
};
constexpr ScopeReason kScopeReasons[] = {
    {"--step", kEvents, "--count gives days"},
    {"--details", kEvents, "details are of an instant, events of a day"},
};

// Whether arg is one of the options ("--year", "--json", "--year=2000", "--help").
bool IsOptionName(const std::string& arg) {
  const std::string name = arg.substr(0, arg.find('='));
  return name == "--help" || Flags().count(name) != 0 || ValueOptions().count(name) != 0;
}

unsigned ModesOf(const std::string& option) {
  for (const OptionScope& scope : kOptionScopes) {
    if (option == scope.option) return scope.modes;
  }
  return kAnyMode;
}

// The first option given that does not act in the chosen mode, as a usage
// error; an empty text when every option acts.
std::string CheckScopes(const std::vector<std::string>& given) {
  const ModeFlag* chosen = nullptr;
  for (const std::string& option : given) {
    for (const ModeFlag& mode : kModeFlags) {
      if (option != mode.flag) continue;
      if (chosen != nullptr && chosen->mode != mode.mode) return option + " cannot be given with " + chosen->flag;
      chosen = &mode;
    }
  }
  const Mode mode = chosen != nullptr ? chosen->mode : kInstants;
  for (const std::string& option : given) {
    if ((ModesOf(option) & mode) != 0) continue;
    if (chosen == nullptr) {  // an option of one of the other modes only
      for (const ModeFlag& other : kModeFlags) {
        if (ModesOf(option) == static_cast<unsigned>(other.mode)) return option + " goes only with " + other.flag;
      }
      return option + " cannot be given here";
    }
    std::string reason = std::string("it uses only ") + chosen->takes;
    for (const ScopeReason& r : kScopeReasons) {
      if (option == r.option && mode == r.mode) reason = r.reason;
    }
    return option + " cannot be given with " + chosen->flag + " (" + reason + ")";
  }
  return std::string();
}

}  // namespace

std::string QuoteForMessage(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      static const char kHex[] = "0123456789abcdef";
      out += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string("\\x") + kHex[u >> 4] + kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

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
    if (Flags().count(option) != 0 || ValueOptions().count(option) != 0) p.given.push_back(option);
    if (const auto flag = Flags().find(option); flag != Flags().end()) {
      if (inlineValue) p.Fail(option + " takes no value");
      flag->second(p, option);
    } else if (const auto valued = ValueOptions().find(option); valued != ValueOptions().end()) {
      // The next argument is the value, unless it is another option: then
      // this one was given without its value.
      if (!inlineValue && (i + 1 >= args.size() || IsOptionName(args[i + 1]))) {
        p.Fail(option + " needs a value");
        break;
      }
      valued->second(p, option, inlineValue ? *inlineValue : args[++i]);
    } else {
      p.Fail("unknown argument " + QuoteForMessage(args[i]));
    }
  }
  if (p.error.empty()) p.error = CheckScopes(p.given);
  for (const char* site : {"--longitude", "--latitude"}) {
    if (p.options.site && std::find(p.given.begin(), p.given.end(), site) != p.given.end())
      p.Fail(std::string("--site cannot be given with ") + site + " (the place gives the site)");
  }
  if (p.error.empty() && !p.options.sites && !p.options.chart && !p.options.events && !p.options.eclipses && !p.options.almanac && !p.options.calendar &&
      !p.options.holidays && !p.options.phenomena && p.stepGiven != p.countGiven)
    p.Fail("--step and --count must be given together");
  return {p.options, p.error};
}

}  // namespace skycalc
