#pragma once

#include <string>

// The per-user settings store: strings by section and value name.
namespace skycalc {

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  // The stored string, or defaultValue when the value is absent.
  virtual std::string ReadString(const std::string& section, const std::string& name,
                                 const std::string& defaultValue) = 0;
  // Stores value; failures are not reported.
  virtual void WriteString(const std::string& section, const std::string& name, const std::string& value) = 0;
};

}  // namespace skycalc
