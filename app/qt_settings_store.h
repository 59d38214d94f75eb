#pragma once

#include <QString>
#include <string>

#include "panel/settings_store.h"

// The per-user settings store over QSettings: on Windows the registry key
// Software\<organisation>\<application>, elsewhere the user's configuration
// folder (<organisation>/<application>.conf), one group per section.
namespace skycalc {

class QtSettingsStore : public ISettingsStore {
 public:
  // organisation and application name the store; the defaults are those of the running application.
  explicit QtSettingsStore(QString organisation = QString(), QString application = QString());

  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& name, const std::string& value) override;

 private:
  QString m_organisation;
  QString m_application;
};

}  // namespace skycalc
