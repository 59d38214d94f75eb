#pragma once

// What the tests that run the built skycalc-cli share: running it in a
// scratch folder with its own settings home, reading its JSON lines, and the
// window logic in this process to compare it with.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "panel/control_ids.h"
#include "tests/support/headless_calculator.h"

#ifndef SKYCALC_CLI_PATH
#error "SKYCALC_CLI_PATH must name the skycalc-cli binary"
#endif

namespace skycalc {
namespace clitest {

namespace fs = std::filesystem;

inline const std::string kDataDir = SKYCALC_DATA_DIR;

inline std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Under AddressSanitizer every freed block waits in its quarantine (up to
// 256 MB), so a child's peak memory grows with each allocation it ever made;
// the constant-memory checks measure the program's own memory, so their
// children run without the quarantine. Nothing elsewhere.
inline void ChildrenWithoutSanitizerQuarantine() {
#if defined(__SANITIZE_ADDRESS__)
  const char* options = std::getenv("ASAN_OPTIONS");
  const std::string value = options != nullptr ? options : "";
  setenv("ASAN_OPTIONS", (value + (value.empty() ? "" : ":") + "quarantine_size_mb=0").c_str(), 1);
#endif
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The value after "key": in a JSON line, as the text of one number or array.
inline std::string JsonValue(const std::string& line, const std::string& key) {
  const std::size_t at = line.find("\"" + key + "\":");
  if (at == std::string::npos) return "";
  const std::size_t begin = at + key.size() + 3;
  const std::size_t end = line[begin] == '[' ? line.find(']', begin) + 1 : line.find_first_of(",}", begin);
  return line.substr(begin, end - begin);
}

inline double JsonNumber(const std::string& line, const std::string& key) {
  return std::strtod(JsonValue(line, key).c_str(), nullptr);
}

// The two numbers of a JSON pair "[a,b]".
inline std::pair<double, double> JsonPair(const std::string& line, const std::string& key) {
  const std::string pair = JsonValue(line, key);
  char* end = nullptr;
  const double first = std::strtod(pair.c_str() + 1, &end);
  return {first, std::strtod(end + 1, nullptr)};
}

struct RunResult {
  int status = -1;
  std::string out, err;
};

// A scratch folder with its own settings home, so no run touches the user's store.
class CliProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = fs::temp_directory_path() / ("skycalc-cli-test-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(root_);
    fs::create_directories(root_ / "config");
    fs::create_directories(root_ / "work");
  }
  void TearDown() override { fs::remove_all(root_); }

  // The settings file the tool reads under this test's home.
  std::string StorePath() const { return (root_ / "config" / "Quillmoor" / "skycalc.conf").string(); }

  // Runs the tool with args in folder cwd (default: an empty folder).
  RunResult Run(const std::string& args, const fs::path& cwd = fs::path()) const {
    return RunWithOutput(args, ">'" + (root_ / "stdout.txt").string() + "'", cwd);
  }

  // The same with standard output redirected as the shell text redirect says
  // (">/dev/full", ">&-", "| head -1"); a run is stopped after a minute.
  RunResult RunWithOutput(const std::string& args, const std::string& redirect, const fs::path& cwd = fs::path()) const {
    const fs::path dir = cwd.empty() ? root_ / "work" : cwd;
    const fs::path out = root_ / "stdout.txt";
    const fs::path err = root_ / "stderr.txt";
    const fs::path status = root_ / "status.txt";
    fs::remove(out);
    fs::remove(status);
    // The tool's own status, even when its output goes into a pipe.
    const std::string command = "cd '" + dir.string() + "' && { env HOME='" + root_.string() + "' XDG_CONFIG_HOME='" +
                                (root_ / "config").string() + "' timeout 60 '" + SKYCALC_CLI_PATH + "' " + args +
                                " 2>'" + err.string() + "'; echo $? >'" + status.string() + "'; } " + redirect;
    RunResult result;
    std::system(command.c_str());
    const std::string code = ReadAll(status);
    result.status = code.empty() ? -1 : std::atoi(code.c_str());
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    return result;
  }

  fs::path root_;
};

// The window logic in this process, keyed through its control IDs.
struct Window : HeadlessCalculator {
  Window() : HeadlessCalculator(ClockReading{2024, 6, 1, 12, 0}) { Open(); }
  std::string Texts() const {
    return host.Text(IDC_TIME) + "\n" + host.Text(IDC_RAAZM) + "\n" + host.Text(IDC_DECALT) + "\n";
  }
};

}  // namespace clitest
}  // namespace skycalc
