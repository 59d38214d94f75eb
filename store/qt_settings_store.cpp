#include "store/qt_settings_store.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cerrno>

namespace skycalc {
namespace {

// "section/name" as QSettings spells a value inside a group.
QString Key(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

// The files QSettings(organisation, application) reads, in its order of
// precedence on XDG systems (Qt 6, qsettings.cpp): the user's application
// and organisation files, then the application files of each system
// configuration folder, then their organisation files.
QStringList SettingsFiles(const QString& organisation, const QString& application) {
  const QString appFile = organisation + QLatin1Char('/') + application + QLatin1String(".conf");
  const QString orgFile = organisation + QLatin1String(".conf");
  const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/');
  const QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1);
  QStringList files = {user + appFile, user + orgFile};
  for (const QString& name : {appFile, orgFile}) {
    for (const QString& dir : system) files.append(dir + QLatin1Char('/') + name);
  }
  return files;
}

// Whether path is a regular file (through links) or names nothing: opening
// anything else may block (a FIFO) or never end (a device).
bool RegularOrAbsent(const QString& path) {
  struct stat info;
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
  return S_ISREG(info.st_mode);
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString organisation, QString application)
    : m_organisation(organisation.isEmpty() ? QCoreApplication::organizationName() : organisation),
      m_application(application.isEmpty() ? QCoreApplication::applicationName() : application) {}

// A fresh QSettings per call: every write reaches the disk when it goes out of scope.
std::string QtSettingsStore::ReadString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) {
  const QString key = Key(section, name);
  const QStringList files = SettingsFiles(m_organisation, m_application);
  QVariant value;
  if (std::all_of(files.begin(), files.end(), RegularOrAbsent)) {
    const QSettings settings(m_organisation, m_application);
    if (!settings.contains(key)) return defaultValue;
    value = settings.value(key);
  } else {
    // Some file is not a regular one: the regular ones alone, each as QSettings reads it, first one first.
    const auto holder = std::find_if(files.begin(), files.end(), [&key](const QString& file) {
      return RegularOrAbsent(file) && QSettings(file, QSettings::IniFormat).contains(key);
    });
    if (holder == files.end()) return defaultValue;
    value = QSettings(*holder, QSettings::IniFormat).value(key);
  }
  // A hand-edited value with a comma comes back as a list; the store deals in plain strings.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(',')).toStdString();
  return value.toString().toStdString();
}

void QtSettingsStore::WriteString(const std::string& section, const std::string& name, const std::string& value) {
  const QStringList files = SettingsFiles(m_organisation, m_application);
  if (!std::all_of(files.begin(), files.end(), RegularOrAbsent)) {  // QSettings would open them all
    m_writeFailed = true;
    return;
  }
  QSettings settings(m_organisation, m_application);
  settings.setValue(Key(section, name), QString::fromStdString(value));
  settings.sync();
  if (settings.status() != QSettings::NoError) m_writeFailed = true;
}

std::string QtSettingsStore::Location() const {
  return SettingsFiles(m_organisation, m_application).first().toStdString();  // QSettings::fileName(), unopened
}

}  // namespace skycalc
