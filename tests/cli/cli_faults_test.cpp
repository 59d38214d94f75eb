// skycalc-cli's behaviour at the edges: output that cannot be written,
// options that would have no effect, values the command line cannot take.

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>

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
  const char* const modes[] = {
      "--help",
      "--year 2000 --json",
      "--year 2000 --step 1m --count 100000000",
      "--year 2025 --events --count 3",
      "--year 2026 --almanac",
      "--year 2026 --month 2 --calendar",
      "--year 2022 --eclipses --csv",
      "--year 2025 --planet moon --details",
  };
  const struct {
    const char* redirect;
    int error;
  } sinks[] = {{">/dev/full", ENOSPC}, {">&-", EBADF}};
  for (const char* mode : modes) {
    for (const auto& sink : sinks) {
      const auto start = std::chrono::steady_clock::now();
      const RunResult r = RunWithOutput(std::string(mode) + kData, sink.redirect);
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      EXPECT_EQ(r.status, 74) << mode << " " << sink.redirect;
      EXPECT_EQ(r.err, std::string("skycalc-cli: 出力を書き込めません: ") + std::strerror(sink.error) + "\n")
          << mode << " " << sink.redirect;
      EXPECT_LT(seconds, 20.0) << mode << " " << sink.redirect;
    }
  }
  // A reader that stops early still ends the tool by SIGPIPE, quietly.
  const RunResult piped = RunWithOutput("--year 2000 --step 1m --count 1000000" + kData, "| head -1 >/dev/null");
  EXPECT_EQ(piped.status, 128 + 13);
  EXPECT_EQ(piped.err, "");
}

}  // namespace
}  // namespace skycalc
