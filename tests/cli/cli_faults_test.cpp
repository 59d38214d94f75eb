// skycalc-cli's behaviour at the edges: output that cannot be written,
// options that would have no effect, values the command line cannot take.

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <utility>

#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

const std::string kData = " --data-dir '" + kDataDir + "'";

// Every mode into a full device or a closed descriptor: EX_IOERR (74, from
// <sysexits.h>) and the C library's own words for the cause, nothing else on
// standard error. The hundred-million-row table (over a minute in full)
// must stop at its first block.
TEST_F(CliProgramTest, WriteErrorsAreReportedNotSuccess) {
  const char* const modes[] = {"--help", "--year 2000 --json", "--year 2000 --step 1m --count 100000000",
                               "--year 2025 --events --count 3", "--year 2026 --almanac",
                               "--year 2026 --month 2 --calendar", "--year 2022 --eclipses --csv",
                               "--year 2025 --planet moon --details"};
  for (const char* mode : modes) {
    for (const auto& [redirect, error] : {std::pair{">/dev/full", ENOSPC}, std::pair{">&-", EBADF}}) {
      const auto start = std::chrono::steady_clock::now();
      const RunResult r = RunWithOutput(std::string(mode) + kData, redirect);
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << mode << redirect;
      EXPECT_EQ(r.status, 74) << mode << " " << redirect;
      EXPECT_EQ(r.err, std::string("skycalc-cli: 出力を書き込めません: ") + std::strerror(error) + "\n") << mode << redirect;
    }
  }
  // A reader that stops early still ends the tool by SIGPIPE, quietly.
  const RunResult piped = RunWithOutput("--year 2000 --step 1m --count 1000000" + kData, "| head -1 >/dev/null");
  EXPECT_EQ(piped.status, 128 + 13);
  EXPECT_EQ(piped.err, "");
}

// The star list's names are half-width; the full-width name an input
// method types chooses the same star.
TEST_F(CliProgramTest, FullWidthStarNameIsAccepted) {
  const std::string at = "--year 2024 --month 8 --day 1 --hour 21 --minute 0 --equatorial" + kData;
  const RunResult typed = Run(at + " --star ベガ");
  EXPECT_EQ(typed.status, 0) << typed.err;
  EXPECT_EQ(typed.out, Run(at + " --star ﾍﾞｶﾞ").out);
  EXPECT_EQ(typed.out, Run(at + " --star vega").out);
}

// A settings file that is a FIFO (or a device) is never opened: the run
// neither waits for a writer nor reads forever, and the regular files
// beside it are still read in QSettings' order (application file first).
TEST_F(CliProgramTest, SettingsFifoNeverBlocks) {
  const std::string orgFile = (root_ / "config" / "Quillmoor.conf").string();
  struct Case {
    const char* appFile;  // "fifo", "zero" (a link to /dev/zero) or the regular file's longitude
    const char* orgFile;
    const char* longitude;
  } const cases[] = {{"fifo", "-5.5", "-5.5"}, {"zero", "-5.5", "-5.5"}, {"7.25", "fifo", "7.25"}};
  for (const Case& c : cases) {
    fs::remove_all(root_ / "config");
    fs::create_directories(fs::path(StorePath()).parent_path());
    for (const auto& [path, kind] : {std::pair{StorePath(), c.appFile}, std::pair{orgFile, c.orgFile}}) {
      const std::string k = kind;
      if (k == "fifo") { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }
      if (k == "zero") fs::create_symlink("/dev/zero", path);
      if (k != "fifo" && k != "zero") std::ofstream(path) << "[Config]\nLongitude=" << k << "\n";
    }
    const RunResult r = Run("--json");
    EXPECT_EQ(r.status, 0) << c.appFile << " " << c.orgFile << ": " << r.err;
    EXPECT_EQ(JsonValue(r.out, "longitude"), c.longitude) << c.appFile << " " << c.orgFile;
  }
}

}  // namespace
}  // namespace skycalc
