#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "panel/ini_settings_store.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

// Values as Qt's settings write them, and the strings they stand for.
const std::pair<const char*, const char*> kEscapeCases[] = {
    {"140.00", "140.00"},
    {" 0.00", "\" 0.00\""},
    {"-5.50", "-5.50"},
    {"", ""},
    {"a,b", "\"a,b\""},
    {"x;y=z", "\"x;y=z\""},
    {"back\\slash", "back\\\\slash"},
    {"say \"hi\"", "say \\\"hi\\\""},
    {"tab\there\n", "tab\\there\\n"},
    {"\x01" "2", "\\x1\\x32"},
    {"@home", "@@home"},
    {"35.0°", "35.0°"},
};

TEST(IniSettingsStore, EscapeAndUnescape) {
  for (const auto& [value, written] : kEscapeCases) {
    EXPECT_EQ(IniEscapeValue(value), written) << value;
    EXPECT_EQ(IniUnescapeValue(written), value) << written;
  }
}

// Forms that Qt reads although it does not write them that way.
const std::pair<const char*, const char*> kReadCases[] = {
    {"  140.00  ", "140.00"},
    {" \" 0.00\"  ", " 0.00"},
    {"\"a\" b", "ab"},
    {"\\x41\\102", "AB"},
    {"a, b", ""},
    {"@ByteArray(12.5)", "12.5"},
    {"@Invalid()", ""},
    {"\\q", ""},
};

TEST(IniSettingsStore, ReadsQtForms) {
  for (const auto& [raw, value] : kReadCases) EXPECT_EQ(IniUnescapeValue(raw), value) << raw;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(IniSettingsStore, ReadsAndWritesTheFile) {
  TempDir dir;
  const std::string path = dir.path + "/Quillmoor/skycalc.conf";
  IniSettingsStore store(path);
  EXPECT_EQ(store.ReadString("Config", "Azimuth", "0.0"), "0.0");  // no file yet
  store.WriteString("Config", "Longitude", "140.00");
  store.WriteString("Config", "Azimuth", " 0.00");
  EXPECT_EQ(ReadAll(path), "[Config]\nLongitude=140.00\nAzimuth=\" 0.00\"\n");
  store.WriteString("Config", "Longitude", "-5.50");
  EXPECT_EQ(store.ReadString("Config", "Longitude", "x"), "-5.50");
  EXPECT_EQ(store.ReadString("Config", "Azimuth", "x"), " 0.00");
  EXPECT_EQ(store.ReadString("Other", "Azimuth", "x"), "x");

  // A file written by Qt, with other sections, comments and CRLF lines, is kept as it is.
  std::ofstream(path, std::ios::binary) << "[General]\r\nsize=3\r\n\r\n[Config]\r\nLatitude=35.00 ; note\r\n"
                                           "SDHour=9\r\n\r\n[Window]\r\ngeometry=@ByteArray(xyz)\r\n";
  EXPECT_EQ(store.ReadString("Config", "Latitude", "x"), "35.00");
  EXPECT_EQ(store.ReadString("", "size", "x"), "3");
  EXPECT_EQ(store.ReadString("Config", "size", "x"), "x");
  store.WriteString("Config", "SDHour", "-5");
  store.WriteString("Config", "SDMinute", "30");
  EXPECT_EQ(ReadAll(path), "[General]\r\nsize=3\r\n\r\n[Config]\r\nLatitude=35.00 ; note\r\nSDHour=-5\nSDMinute=30\r\n\r\n"
                           "[Window]\r\ngeometry=@ByteArray(xyz)\r\n");
  EXPECT_EQ(store.ReadString("Config", "SDHour", "x"), "-5");
}

TEST(IniSettingsStore, DefaultPath) {
  const char* saved = getenv("XDG_CONFIG_HOME");
  const std::string previous = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(IniSettingsStore::DefaultPath("Quillmoor", "skycalc"), "/tmp/xdg/Quillmoor/skycalc.conf");
  setenv("XDG_CONFIG_HOME", "", 1);
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(IniSettingsStore::DefaultPath("Quillmoor", "skycalc"), "/home/u/.config/Quillmoor/skycalc.conf");
  if (saved) setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
}

// The calculator keeps its settings across runs in the file.
TEST(IniSettingsStore, CalculatorRoundTrip) {
  TempDir dir;
  IniSettingsStore store(dir.path + "/skycalc.conf");
  MemoryHost host;
  FixedClock clock;
  CSkyCalcDlg first(host, store, clock);
  first.SetCatalogDirectory(SKYCALC_DATA_DIR);
  first.OnInitDialog();
  first.OnClose();
  EXPECT_EQ(ReadAll(store.Path()),
            "[Config]\nLongitude=140.00\nLatitude=35.00\nAzimuth=\" 0.00\"\nSDHour=9\nSDMinute=0\n");
  CSkyCalcDlg second(host, store, clock);
  second.ResetCalculator();
  EXPECT_EQ(host.Text(IDC_AZIMUTH), " 0.00°");
}

}  // namespace
}  // namespace skycalc
