#include "tests/support/memory_settings_store.h"

namespace skycalc {

std::string MemorySettingsStore::ReadString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) {
  const auto it = values.find({section, name});
  return it == values.end() ? defaultValue : it->second;
}

void MemorySettingsStore::WriteString(const std::string& section, const std::string& name, const std::string& value) {
  values[{section, name}] = value;
  ++writeCount;
}

bool MemorySettingsStore::Has(const std::string& section, const std::string& name) const {
  return values.count({section, name}) != 0;
}

std::string MemorySettingsStore::Get(const std::string& section, const std::string& name) const {
  const auto it = values.find({section, name});
  return it == values.end() ? std::string() : it->second;
}

}  // namespace skycalc
