// IniSettingsStore against the oracle it stands in for: QSettings, through
// QtSettingsStore, reading the same files in the same environment, key by key
// in the order the calculator reads them (QSettings' lazy parsing makes the
// order matter). Each case runs in a fresh process (a death test re-executing
// the binary), since QSettings keeps the user's folder and the parsed files
// for the life of the process, as skycalc-cli runs it.
#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/ini_settings_store.h"
#include "store/qt_settings_store.h"

namespace skycalc {
namespace {

namespace fs = std::filesystem;

const char* const kReads[] = {"Longitude", "Latitude", "Azimuth", "SDHour", "SDMinute", "Place",
                              "Precise",   "Night",    "A",         "Longitude", "Missing"};

// A fresh folder per case: QSettings caches a parsed file by its path.
fs::path FreshRoot() {
  std::string pattern = (fs::temp_directory_path() / "ini-store-XXXXXX").string();
  return fs::path(::mkdtemp(pattern.data()));
}

// Points the environment at root ("-" leaves a variable unset; a value is
// taken as it is when empty, absolute, a list or starting with "."; else under root).
void SetEnvironment(const fs::path& root, const char* configHome, const char* home, const char* configDirs) {
  const auto put = [&root](const char* name, const char* value) {
    if (std::string(value) == "-") return (void)::unsetenv(name);
    const std::string v = value;
    const bool literal = v.empty() || v[0] == '/' || v[0] == '.' || v.find(':') != std::string::npos;
    ::setenv(name, literal ? v.c_str() : (root / v).c_str(), 1);
  };
  put("XDG_CONFIG_HOME", configHome);
  put("HOME", home);
  put("XDG_CONFIG_DIRS", configDirs);
}

// Ends the process: 0 when every key read through both stores, in the
// calculator's order, agrees; else 1, the differences on standard error.
[[noreturn]] void ExitComparingReads() {
  QtSettingsStore oracle(QStringLiteral("Quillmoor"), QStringLiteral("skycalc"));
  IniSettingsStore store("Quillmoor", "skycalc");
  int differences = 0;
  for (const char* name : kReads) {
    const std::string expected = oracle.ReadString("Config", name, "\x01" "absent");
    const std::string read = store.ReadString("Config", name, "\x01" "absent");
    if (read != expected) std::fprintf(stderr, "Config/%s: read [%s], QSettings [%s]\n", name, read.c_str(), expected.c_str());
    differences += read != expected;
  }
  std::_Exit(differences == 0 ? 0 : 1);
}

// Values as the window (and QSettings for other types) writes them.
TEST(IniSettingsStore, ReadsWhatQSettingsWrote) {
  const QVariant values[] = {
      QStringLiteral("135.5"), QStringLiteral("-5.50"), QString::fromUtf8("東京 (とうきょう)"), QStringLiteral("a,b"),
      QStringLiteral("  both ends  "), QStringLiteral("\"quoted\""), QStringLiteral("back\\slash;semi=eq"),
      QStringLiteral("tab\there\nnew line\r"), QStringLiteral("@at"), QStringLiteral("@@two"), QString(QChar(1)) + "12",
      QString(), QString::fromUtf8("𝔸 \xF0\x9F\x8C\x99"), QStringLiteral("12abc"), QStringLiteral("+12"),
      QStringLiteral("0x10"), QStringLiteral("99999999999"), QString(QChar(0)) + "nul", QVariant(-5), QVariant(true),
      QVariant(2.5), QVariant(QStringList{"x", " y", "@z"}), QVariant(QByteArray("bytes\xff\x01")), QVariant(QStringList{}),
      QVariant()};
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const QVariant& value : values) {
    const fs::path root = FreshRoot();
    EXPECT_EXIT(
        {
          SetEnvironment(root, "config", "home", "-");
          {
            QSettings settings(QStringLiteral("Quillmoor"), QStringLiteral("skycalc"));
            for (const char* name : {"Longitude", "Place", "SDHour", "Night"}) settings.setValue(QString("Config/") + name, value);
          }
          ExitComparingReads();
        },
        testing::ExitedWithCode(0), "")
        << value.toString().toStdString();
    fs::remove_all(root);
  }
}

// Files written by hand, and files in every place QSettings looks; "fifo" and
// "dir" put those in a file's place.
struct FileCase {
  const char* label;
  std::vector<std::pair<const char*, const char*>> files;  // path under the root, content
  const char* configHome = "config";
  const char* home = "home";
  const char* configDirs = "-";
};

const char* const kApp = "config/Quillmoor/skycalc.conf";

const FileCase kFileCases[] = {
    {"spacing", {{kApp, "  [ Config ]  \n  Longitude  =  135.5  \n\tLatitude\t=\t35 \t\n"}}},
    {"comments", {{kApp, "; top\n[Config] ; here\nLongitude=1 ; after\n;Latitude=2\nAzimuth=\"3;4\"\n"}}},
    {"quotes", {{kApp, "[Config]\nLongitude=\" 1 \"\nLatitude=a\"b c\"d  \nAzimuth=\"unterminated\nSDHour=4\n"}}},
    {"escapes", {{kApp, "[Config]\nLongitude=\\x41\\x3042z\\101\\n\\t\\q\\\"\\\\\nLatitude=a\\\n b\nAzimuth=\\xd83c\\xdf19 \\xd800x\nSDHour=end  \\"}}},
    {"lists", {{kApp, "[Config]\nLongitude=135,5\nLatitude= a , \"b \" ,c\nAzimuth=@@a,@@b\nSDHour=x,@Invalid()\nPlace=,\n"}}},
    {"at forms", {{kApp, "[Config]\nLongitude=@Invalid()\nLatitude=@String(1\\0002)\nAzimuth=@ByteArray(\\xe6\\x9d\\xb1)\n"
                         "SDHour=@Rect(1 2 3 4)\nSDMinute=@Point(1)\nPlace=@Variant(\\0\\0\\0\\x2\\xff\\xff\\xff\\xfb)\n"
                         "Precise=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0\\x41\\0\\x42)\nNight=@Size(1 2 3)\nA=@Variant(\\0\\0\\0\\x1)\n"}}},
    {"variant numbers", {{kApp, "[Config]\nLongitude=@Variant(\\x0\\x0\\x0\\x6\\x40\\x60\\xe8\\x0\\x0\\x0\\x0\\x0)\n"
                                "Latitude=@Variant(\\x0\\x0\\x0\\x6\\x40\\xf8\\x6a\\x0\\x0\\x0\\x0\\x0)\n"
                                "Azimuth=@Variant(\\x0\\x0\\x0\\x26\\x3d\\xcc\\xcc\\xcd)\n"
                                "SDHour=@Variant(\\x0\\x0\\x0\\x4\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xf7)\n"
                                "SDMinute=@Variant(\\x0\\x0\\x0\\x3\\xee\\x6b\\x28\\x0)\n"
                                "Place=@Variant(\\x0\\x0\\x0\\x6\\x80\\x0\\x0\\x0\\x0\\x0\\x0\\x0)\n"}}},
    {"names", {{kApp, "[Config]\nLongitud%65=1\n%U004Catitude=2\nAzimut%6=3\nConfig\\SDHour=4\n[General]\nConfig\\SDMinute=5\n"
                      "[%43onfig]\nPlace=6\n[general]\nConfig/Night=7\n"}}},
    {"lenient codes", {{kApp, "[Config]\n%U0x4Congitude=1\n%U+04Catitude=2\n%U 041zimuth=3\n%U\t050lace=5\n%U0X4Eight=6\n"
                              "%U50  recise=7\nSDMinut%U-065=8\nSDHou%+5=9\n"}}},
    {"duplicates", {{kApp, "[Config]\nLongitude=1\nLongitude=2\n[Other]\nx=1\n[Config]\nLongitude=3\nLatitude=4\n"}}},
    {"subgroups hide", {{kApp, "[Config]\nLongitude=1\nSDHour=2\nA=3\n[Config/AA]\nx=1\n[Config/M]\ny=2\n"}}},
    {"bom and crlf", {{kApp, "\xEF\xBB\xBF[Config]\r\nLongitude=1\r\n\r\nLatitude=2\r\n"}}},
    {"garbage", {{kApp, "[Config\nLongitude=1\n]]]\n=\n==x\nno equals\n\xff\xfe[Config]\nLatitude=\xff\xe3\x81x\xc0\x80\n"}}},
    {"split sequences", {{kApp, "[Config]\nLongitude=\xEF\xBB\xBF" "135\nLatitude=a\xe3,b\nAzimuth=\xe3\\t\x81\x82z\nSDHour=\xf0\x9f,\x8c\x99!\n"
                                "SDMinute=\\t\xEF\xBB\xBF" "5\nPlace=a\xe3\nPrecise=\xe0\\t\x80\x80z\nNight=ab\\t\xEF\xBB\xBF" "c\n"
                                "[\xEF\xBB\xBF" "Config]\nA=1\n"}}},
    {"empty file", {{kApp, ""}}},
    {"org file", {{"config/Quillmoor.conf", "[Config]\nLongitude=7\nLatitude=8\n"}, {kApp, "[Config]\nLongitude=6\n"}}},
    {"system dirs", {{"a/Quillmoor/skycalc.conf", "[Config]\nLatitude=1\n"}, {"b/Quillmoor.conf", "[Config]\nLongitude=2\nLatitude=3\n"},
                     {"a/Quillmoor.conf", "[Config]\nAzimuth=4\n"}, {"b/Quillmoor/skycalc.conf", "[Config]\nAzimuth=5\n"}},
     "config", "home", nullptr},
    {"home config", {{"home/.config/Quillmoor/skycalc.conf", "[Config]\nLongitude=9\n"}}, "-"},
    {"relative config home", {{kApp, "[Config]\nLongitude=9\n"}}, "../config"},
    {"relative system dirs", {{"a/Quillmoor.conf", "[Config]\nLongitude=1\n"}, {"b/Quillmoor.conf", "[Config]\nLatitude=2\n"}},
     "config", "home", "../a:b"},
    {"dotdot in path", {{kApp, "[Config]\nLongitude=9\n"}}, "missing/../config"},
    {"folder in place", {{kApp, "dir"}, {"config/Quillmoor.conf", "[Config]\nLongitude=2\n"}}},
    {"fifo in place", {{kApp, "[Config]\nLatitude=1\n"}, {"config/Quillmoor.conf", "fifo"}}},
};

TEST(IniSettingsStore, ReadsFilesAsQSettingsReadsThem) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const FileCase& c : kFileCases) {
    const fs::path root = FreshRoot();
    EXPECT_EXIT(
        {
          const std::string dirs = (root / "a").string() + "::" + (root / "b").string() + ":";
          SetEnvironment(root, c.configHome, c.home, c.configDirs ? c.configDirs : dirs.c_str());
          fs::create_directories(root / "cwd");  // the working folder relative paths start from
          if (::chdir((root / "cwd").c_str()) != 0) std::_Exit(2);
          for (const auto& [path, content] : c.files) {
            fs::create_directories((root / path).parent_path());
            const std::string kind = content;
            if (kind == "dir") fs::create_directories(root / path);
            if (kind == "fifo") ::mkfifo((root / path).c_str(), 0600);
            if (kind != "dir" && kind != "fifo") std::ofstream(root / path, std::ios::binary) << content;
          }
          ExitComparingReads();
        },
        testing::ExitedWithCode(0), "")
        << c.label;
    fs::remove_all(root);
  }
}

// The reader never writes: a write is refused, and no file or folder appears.
TEST(IniSettingsStore, NeverWrites) {
  const fs::path root = FreshRoot();
  SetEnvironment(root, "config", "home", "-");
  IniSettingsStore store("Quillmoor", "skycalc");
  store.WriteString("Config", "Longitude", "1");
  EXPECT_FALSE(store.WritesSucceeded());
  EXPECT_EQ(store.Location(), (root / kApp).string());
  EXPECT_FALSE(fs::exists(root / "config"));
  fs::remove_all(root);
}

}  // namespace
}  // namespace skycalc
