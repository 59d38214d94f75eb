#include "cli/table_stream.h"

#include <unistd.h>

#include <cmath>

#include "cli/standard_output.h"

namespace skycalc {

StreamWriter::~StreamWriter() {
  try {
    Flush();
  } catch (const OutputError&) {
  }
}

void StreamWriter::Flush() {
  if (m_buffer.empty()) return;
  WriteChecked(m_stream, m_buffer);
  m_buffer.clear();
}

TableProgress::TableProgress(std::int64_t total, bool enabled)
    : m_total(total), m_enabled(enabled), m_start(std::chrono::steady_clock::now()), m_lastDraw(m_start) {}

bool TableProgress::StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

std::string TableProgress::Line(std::int64_t done, std::int64_t total, double elapsedSeconds) {
  if (elapsedSeconds < 1.0 || done <= 0) return std::string();
  const double rate = static_cast<double>(done) / elapsedSeconds;
  const double left = static_cast<double>(total - done) / rate;
  const long long seconds = std::llround(left);
  char text[160];
  std::snprintf(text, sizeof text, "%lld/%lld 行 (%d%%)  %.0f 行/秒  残り %lld:%02lld", static_cast<long long>(done),
                static_cast<long long>(total), static_cast<int>(100.0 * static_cast<double>(done) / total), rate,
                seconds / 60, seconds % 60);
  return text;
}

void TableProgress::Redraw(std::int64_t done) {
  const auto now = std::chrono::steady_clock::now();
  if (now - m_lastDraw < std::chrono::milliseconds(200)) return;
  m_lastDraw = now;
  const std::string line = Line(done, m_total, std::chrono::duration<double>(now - m_start).count());
  if (line.empty()) return;
  std::fprintf(stderr, "\r\x1b[K%s", line.c_str());
  std::fflush(stderr);
  m_drawn = true;
}

void TableProgress::Finish() {
  if (!m_drawn) return;
  std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
  m_drawn = false;
}

}  // namespace skycalc
