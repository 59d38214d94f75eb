#include "cli/standard_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace skycalc {

namespace {

// The errno of the first failed write, for a failure found only later
// (stdout's error flag set by a write nobody checked).
int g_firstError = 0;

[[noreturn]] void Fail(int error) {
  if (error == 0) error = EIO;
  if (g_firstError == 0) g_firstError = error;
  throw OutputError(error);
}

}  // namespace

OutputError::OutputError(int error) : std::runtime_error(std::strerror(error)), m_error(error) {}

void WriteChecked(std::FILE* stream, std::string_view text) {
  if (std::ferror(stream)) Fail(g_firstError);
  if (text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) Fail(errno);
}

void FlushChecked(std::FILE* stream) {
  if (std::ferror(stream)) Fail(g_firstError);
  errno = 0;
  if (std::fflush(stream) != 0) Fail(errno);
}

std::string OutputErrorMessage(int error) {
  return std::string("skycalc-cli: 出力を書き込めません: ") + std::strerror(error);
}

StandardOutput::StandardOutput() {
  if (::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF) {
    const int held = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (held >= 0 && held != STDOUT_FILENO) {
      ::dup2(held, STDOUT_FILENO);
      ::close(held);
    }
  }
  m_previous = std::cout.rdbuf(&m_buffer);
  std::cout.exceptions(std::ios::badbit);
}

StandardOutput::~StandardOutput() {
  std::cout.exceptions(std::ios::goodbit);
  // Once stdout is closed or has failed, std::cout must not flush it again at exit.
  std::cout.rdbuf(m_closed || m_abandoned ? nullptr : m_previous);
  std::cout.clear();
}

void StandardOutput::Close() {
  if (m_closed) return;
  m_closed = true;
  std::cout.flush();  // throws through the buffer on failure
  if (std::ferror(stdout)) Fail(g_firstError);
  errno = 0;
  if (std::fflush(stdout) != 0) Fail(errno);
  errno = 0;
  if (std::fclose(stdout) != 0) Fail(errno);
}

void StandardOutput::Abandon() {
  m_abandoned = true;
  std::cout.exceptions(std::ios::goodbit);
  std::cout.rdbuf(nullptr);
}

StandardOutput::CheckedBuffer::int_type StandardOutput::CheckedBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  WriteChecked(stdout, std::string_view(&ch, 1));
  return c;
}

std::streamsize StandardOutput::CheckedBuffer::xsputn(const char* text, std::streamsize count) {
  WriteChecked(stdout, std::string_view(text, static_cast<std::size_t>(count)));
  return count;
}

int StandardOutput::CheckedBuffer::sync() {
  FlushChecked(stdout);
  return 0;
}

}  // namespace skycalc
