#include "app/qt_settings_store.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace skycalc {
namespace {

// "section/name" as QSettings spells a value inside a group.
QString Key(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString organisation, QString application)
    : m_organisation(organisation.isEmpty() ? QCoreApplication::organizationName() : organisation),
      m_application(application.isEmpty() ? QCoreApplication::applicationName() : application) {}

// A fresh QSettings per call: every write reaches the disk when it goes out of scope.
std::string QtSettingsStore::ReadString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) {
  const QSettings settings(m_organisation, m_application);
  const QString key = Key(section, name);
  if (!settings.contains(key)) return defaultValue;
  const QVariant value = settings.value(key);
  // A hand-edited value with a comma comes back as a list; the store deals in plain strings.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(',')).toStdString();
  return value.toString().toStdString();
}

void QtSettingsStore::WriteString(const std::string& section, const std::string& name, const std::string& value) {
  QSettings settings(m_organisation, m_application);
  settings.setValue(Key(section, name), QString::fromStdString(value));
  settings.sync();
  if (settings.status() != QSettings::NoError) m_writeFailed = true;
}

std::string QtSettingsStore::Location() const {
  return QSettings(m_organisation, m_application).fileName().toStdString();
}

}  // namespace skycalc
