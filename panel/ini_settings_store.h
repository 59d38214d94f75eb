#pragma once

#include <string>

#include "panel/settings_store.h"

// The per-user settings store as a plain file: the INI file that Qt's settings
// class writes on Linux for an organisation and application
// ($XDG_CONFIG_HOME/<company>/<application>.conf, [section] and key=value
// lines). Values are read and written in Qt's quoting and escaping, so the
// window and the tools share one file. Every call reads the file afresh; a
// write rewrites only the line of its value and leaves the rest of the file
// as it was.
namespace skycalc {

class IniSettingsStore : public ISettingsStore {
 public:
  explicit IniSettingsStore(std::string path);

  // The file Qt uses for company and application: $XDG_CONFIG_HOME (when set and absolute,
  // otherwise $HOME/.config) + "/<company>/<application>.conf".
  static std::string DefaultPath(const std::string& company, const std::string& application);

  // The value's unescaped string; defaultValue when the file, the section or the value is absent.
  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  // Replaces or adds the value, creating folders and the file as needed; failures are not reported.
  void WriteString(const std::string& section, const std::string& name, const std::string& value) override;

  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

// Qt's INI text of a string value (escapes, quotes around leading/trailing blanks and , ; =).
std::string IniEscapeValue(const std::string& value);
// The string that Qt reads from the text after "=" (quotes, escapes, trimmed blanks, @ forms).
std::string IniUnescapeValue(const std::string& raw);

}  // namespace skycalc
