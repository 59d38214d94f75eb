#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "panel/settings_store.h"

// The settings the window keeps with QSettings(organisation, application),
// read without Qt: on XDG systems QSettings' native format is its INI format,
// and this store reads the same files, in the same order, with the same
// syntax and the same answers, so that a program that only reads the
// settings (skycalc-cli) need not load Qt. It never writes.
//
// What is matched (Qt 6, qsettings.cpp and qstandardpaths_unix.cpp):
//  - the files: $XDG_CONFIG_HOME (else $HOME/.config) /<org>/<app>.conf and
//    /<org>.conf, then <dir>/<org>/<app>.conf for each folder of
//    $XDG_CONFIG_DIRS (else /etc/xdg), then <dir>/<org>.conf for each; the
//    first file that holds the value wins (QSettings' fallbacks, on by default);
//  - only regular files are read (a FIFO, a device or a folder in a file's
//    place is passed over, as QtSettingsStore does); an unreadable file reads
//    as an empty one;
//  - the INI syntax as QSettings reads it: sections, "general" and
//    "%general", %XX and %UXXXX in section and value names, "\" for "/" in
//    names, ";" comments, quotes, the escapes \a \b \f \n \r \t \v \" \' \?
//    \\ \xHHHH \OOO and line continuations, blanks trimmed outside quotes,
//    an unquoted "," making a list (handed on joined with ","), the @String,
//    @ByteArray, @Invalid, @@ forms and @Variant of the basic types, UTF-8
//    with a byte-order mark skipped and ill-formed bytes replaced as Qt's
//    decoder replaces them, the last of duplicate names winning;
//  - QSettings' lazy parsing: a value "G/name" is looked for only in the
//    section that sorts last at or before it (so [G/sub] sections can hide
//    [G] until they are parsed), and what one read parsed stays parsed for
//    the reads after it, as in QSettings' per-process file cache.
// Not matched: QSettings' cache drops a file of more than about 360 parsed
// values, which is then parsed afresh for each read; @Variant values of other
// types than the basic ones and @DateTime read as "" (QVariant has a text
// for some, such as dates and URLs).
namespace skycalc {

class IniSettingsStore : public ISettingsStore {
 public:
  IniSettingsStore(std::string organisation, std::string application);
  ~IniSettingsStore() override;

  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  // Never writes: the store is read-only, and says so through WritesSucceeded.
  void WriteString(const std::string& section, const std::string& name, const std::string& value) override;
  bool WritesSucceeded() const override { return !m_writeAttempted; }
  // The user's application file, where QSettings would write.
  std::string Location() const override;

  // The files QSettings(organisation, application) reads, most specific first,
  // as the environment names them now.
  static std::vector<std::string> SettingsFiles(const std::string& organisation, const std::string& application);

 private:
  struct ParsedFile;
  ParsedFile& FileAt(const std::string& path);

  std::string m_organisation;
  std::string m_application;
  bool m_writeAttempted = false;
  // By the file's cleaned absolute path, as QSettings shares one parse per file.
  std::map<std::string, std::unique_ptr<ParsedFile>> m_files;
};

}  // namespace skycalc
