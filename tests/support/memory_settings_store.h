#pragma once

#include <map>
#include <string>
#include <utility>

#include "panel/settings_store.h"

// A settings store held in memory: for tests, tools and fuzzers.
namespace skycalc {

class MemorySettingsStore : public ISettingsStore {
 public:
  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& name, const std::string& value) override;

  // Whether a value is stored, and its text ("" when absent).
  bool Has(const std::string& section, const std::string& name) const;
  std::string Get(const std::string& section, const std::string& name) const;

  // The stored strings by (section, value name).
  std::map<std::pair<std::string, std::string>, std::string> values;
  // Number of WriteString calls.
  int writeCount = 0;
};

}  // namespace skycalc
