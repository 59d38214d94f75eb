#pragma once

#include <cstdio>
#include <iosfwd>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>

// Checked writing to standard output. Every text skycalc-cli prints goes to
// stdout, either through WriteChecked (and the StreamWriter built on it) or
// through std::cout, whose buffer StandardOutput replaces by one that writes
// with WriteChecked; StandardOutput::Close then flushes and closes stdout, so
// that a write the C library buffered fails there at the latest. A failed
// write throws OutputError at once, which stops whatever was being computed.
namespace skycalc {

// A write to standard output failed; error is the errno of the failure.
class OutputError : public std::runtime_error {
 public:
  explicit OutputError(int error);
  int Error() const { return m_error; }

 private:
  int m_error;
};

// Writes all of text to stream; OutputError (with errno) when the C library
// reports a short write or the stream's error flag is set.
void WriteChecked(std::FILE* stream, std::string_view text);

// Flushes the C library's buffer of stream; OutputError (with errno) when
// that write fails or an earlier one did.
void FlushChecked(std::FILE* stream);

// The one line reported for a failed write: "skycalc-cli: 出力を書き込めません: "
// and strerror(error).
std::string OutputErrorMessage(int error);

// For the lifetime of one run: std::cout writes through WriteChecked and
// throws OutputError on failure; a closed descriptor 1 is held open
// read-only on /dev/null, so no file the program opens later takes its
// number and every write fails with EBADF as it would have.
class StandardOutput {
 public:
  StandardOutput();
  ~StandardOutput();  // restores std::cout, or detaches it once stdout is closed
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;

  // Flushes std::cout and stdout and closes stdout; OutputError when a write
  // failed now or before (the earlier errno when it is known, else EIO).
  void Close();
  // After a failure: std::cout writes nothing more, so that std::cerr (tied
  // to it, and flushing it first) can still report.
  void Abandon();

 private:
  // std::cout's buffer: everything straight to stdout, checked.
  class CheckedBuffer : public std::streambuf {
   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;
  };

  CheckedBuffer m_buffer;
  std::streambuf* m_previous;
  bool m_closed = false;
  bool m_abandoned = false;
};

}  // namespace skycalc
