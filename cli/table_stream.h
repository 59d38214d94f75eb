#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

// Writing a table of any length in constant memory: rows go out as they are
// made, and a long run shows its progress on a terminal.
namespace skycalc {

// Collects output text and writes it to a stream in large blocks, checked:
// a failed write throws OutputError (cli/standard_output.h), so a table stops
// at its first block that cannot be written.
class StreamWriter {
 public:
  explicit StreamWriter(std::FILE* stream) : m_stream(stream) { m_buffer.reserve(kBlock + 1024); }
  // Writes what is left; a failure here leaves the stream's error flag for
  // StandardOutput::Close to report.
  ~StreamWriter();
  StreamWriter(const StreamWriter&) = delete;
  StreamWriter& operator=(const StreamWriter&) = delete;

  // The text to append to; call Commit() after each row.
  std::string& Buffer() { return m_buffer; }
  // Writes the buffer out once it holds a block.
  void Commit() {
    if (m_buffer.size() >= kBlock) Flush();
  }
  // Writes out everything appended so far; OutputError when that fails.
  void Flush();

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  std::FILE* m_stream;
  std::string m_buffer;
};

// A progress line on standard error for tables that take more than about a
// second: rows done, rate and time left, redrawn a few times a second and
// erased at the end. Nothing at all when standard error is not a terminal.
class TableProgress {
 public:
  // total: the rows the table will have; enabled: whether to draw at all.
  TableProgress(std::int64_t total, bool enabled);
  ~TableProgress() { Finish(); }
  TableProgress(const TableProgress&) = delete;
  TableProgress& operator=(const TableProgress&) = delete;

  // Whether standard error is a terminal.
  static bool StandardErrorIsTerminal();
  // done rows are written; cheap enough to call for every row.
  void Update(std::int64_t done) {
    if (m_enabled && (done & 255) == 0) Redraw(done);
  }
  // Erases the line if one was drawn.
  void Finish();
  // The line for done rows after elapsed seconds (empty before the first second).
  static std::string Line(std::int64_t done, std::int64_t total, double elapsedSeconds);

 private:
  void Redraw(std::int64_t done);

  std::int64_t m_total;
  bool m_enabled;
  bool m_drawn = false;
  std::chrono::steady_clock::time_point m_start;
  std::chrono::steady_clock::time_point m_lastDraw;
};

}  // namespace skycalc
