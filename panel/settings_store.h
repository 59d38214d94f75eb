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
  // Stores value; a failure shows in WritesSucceeded.
  virtual void WriteString(const std::string& section, const std::string& name, const std::string& value) = 0;
  // Whether every write so far reached the storage (a store that cannot fail: always true).
  virtual bool WritesSucceeded() const { return true; }
  // Where the values are kept (a file's path), for a message; "" when nowhere in particular.
  virtual std::string Location() const { return std::string(); }
};

}  // namespace skycalc
