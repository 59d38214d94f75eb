#pragma once

// The --help text of skycalc-cli, in English and Japanese (UTF-8).
namespace skycalc {

extern const char* const kCliUsageText;

}  // namespace skycalc
