#pragma once

#include <QString>
#include <string>

#include "panel/settings_store.h"

// The per-user settings store over QSettings: on Windows the registry key
// Software\<organisation>\<application>, elsewhere the user's configuration
// folder (<organisation>/<application>.conf), one group per section. Only
// regular files are read: when one of the files QSettings would open is a
// FIFO, a device or a folder, the regular ones are read on their own and
// nothing is written.
namespace skycalc {

class QtSettingsStore : public ISettingsStore {
 public:
  // organisation and application name the store; the defaults are those of the running application.
  explicit QtSettingsStore(QString organisation = QString(), QString application = QString());

  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& name, const std::string& value) override;
  // False once a write could not be flushed to the file (a read-only folder, a full disk).
  bool WritesSucceeded() const override { return !m_writeFailed; }
  // The settings file's path.
  std::string Location() const override;

 private:
  bool m_writeFailed = false;
  QString m_organisation;
  QString m_application;
};

}  // namespace skycalc
