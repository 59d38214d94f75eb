// skycalc-cli's command line, arbitrary: the input split at NUL bytes is the
// argument vector. Parsing never fails other than with a one-line reason;
// what it accepts is within the ranges the rest of the tool relies on; and
// the body named is resolved against the real lists (Unicode normalisation
// of any bytes included).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/names.h"
#include "cli/body_names.h"
#include "cli/cli_options.h"
#include "fuzz/fuzz_support.h"

namespace skycalc {
namespace {

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  return args;
}

void CheckAccepted(const CliOptions& o) {
  FUZZ_CHECK(o.count >= 1 && o.count <= kMaxWholeNumber, "--count within 1..999999999999");
  FUZZ_CHECK(!o.step || (o.step->amount >= 1 && o.step->amount <= kMaxWholeNumber), "--step within range");
  FUZZ_CHECK(o.events + o.eclipses + o.almanac + o.calendar <= 1, "at most one mode");
  FUZZ_CHECK(o.convention == "jp" || o.convention == "intl", "a known convention");
  FUZZ_CHECK(!o.details || (!o.events && !o.eclipses && !o.almanac && !o.calendar), "--details only on instants");
  FUZZ_CHECK(!o.step || (!o.events && !o.eclipses && !o.almanac && !o.calendar), "--step only on instants");
  for (std::size_t i = 0; i < kCliFieldCount; ++i) {
    FUZZ_CHECK(!o.fields[i] || IsKeypadValue(kCliFields[i], *o.fields[i]), "a field the keypad can key");
  }
  if (!o.bodyKind) return;
  const char* const* names = *o.bodyKind == BodyKind::kPlanet ? PlanetNames
                             : *o.bodyKind == BodyKind::kStar ? StarNames
                                                              : ConstellationNames;
  const std::size_t size = BodyListSize(*o.bodyKind);
  const int index = ResolveBody(*o.bodyKind, o.bodyText, std::vector<std::string>(names, names + size));
  FUZZ_CHECK(index >= -1 && index < static_cast<int>(size), "a body within its list or none");
}

}  // namespace
}  // namespace skycalc

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skycalc;
  const std::vector<std::string> args = Arguments(data, size);
  const CliParseResult result = ParseCommandLine(args);
  FUZZ_CHECK(result.error.find('\n') == std::string::npos, "a usage error is one line");
  FUZZ_CHECK(!result.options.help || result.error.empty(), "help is never an error");
  FUZZ_CHECK(ParseCommandLine(args).error == result.error, "parsing is deterministic");
  if (result.error.empty() && !result.options.help) CheckAccepted(result.options);
  return 0;
}
