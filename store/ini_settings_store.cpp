#include "store/ini_settings_store.h"

#include "catalog/utf8.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <optional>
#include <string_view>

namespace skycalc {
namespace {

// ---------------------------------------------------------------------------
// Text: QSettings works in UTF-16 (QString) and hands the store UTF-8.

constexpr char16_t kReplacement = 0xFFFD;

// Appends the code point cp as UTF-16.
void AppendCodePoint(std::u16string& out, std::uint32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

// The UTF-8 sequence at bytes[at], its first byte not ASCII: its length with
// the code point in cp; 0 when ill-formed (overlong, a surrogate, beyond
// U+10FFFF, a bad continuation); -1 when cut short by the end of bytes with
// the bytes so far well-formed (as Qt's decoder tells the two apart).
int Utf8Sequence(std::string_view bytes, std::size_t at, std::uint32_t& cp) {
  const unsigned char lead = static_cast<unsigned char>(bytes[at]);
  if (lead <= 0xC1 || lead >= 0xF5) return 0;
  const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  const std::size_t available = bytes.size() - at - 1;
  if (available < static_cast<std::size_t>(length - 1)) {
    for (std::size_t k = 1; k <= available && k <= 2; ++k) {
      if (!IsContinuation(bytes[at + k])) return 0;
    }
    return -1;
  }
  cp = length == 4 ? lead & 0x07u : length == 3 ? lead & 0x0Fu : lead & 0x1Fu;
  for (int k = 1; k < length; ++k) {
    const char next = bytes[at + static_cast<std::size_t>(k)];
    if (!IsContinuation(next)) return 0;
    cp = (cp << 6) | (static_cast<unsigned char>(next) & 0x3Fu);
  }
  const std::uint32_t least = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0x80;
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// bytes as UTF-16, each byte of an ill-formed or cut sequence becoming
// U+FFFD, as QString::fromUtf8.
void AppendUtf8(std::u16string& out, std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::uint32_t cp = static_cast<unsigned char>(bytes[i]);
    const int length = cp < 0x80 ? 1 : Utf8Sequence(bytes, i, cp);
    if (length > 0) {
      AppendCodePoint(out, cp);
      i += static_cast<std::size_t>(length);
    } else {
      out += kReplacement;
      ++i;
    }
  }
}

// One QStringDecoder(Utf8), as QSettings feeds it a value's plain runs (the
// text between escapes, quotes and commas) one after the other: a byte-order
// mark first of all is dropped; a sequence cut at the end of a run waits for
// the next one, and when that does not complete it, U+FFFD stands for it and
// the next run's first byte is lost (Qt 6.4); one still waiting at the end of
// the value is dropped.
class RunDecoder {
 public:
  void Append(std::u16string& out, std::string_view run) {
    std::size_t i = 0;
    if (!m_pending.empty()) {
      const std::string joined = m_pending + std::string(run.substr(0, 4 - m_pending.size()));
      std::uint32_t cp = 0;
      const int length = Utf8Sequence(joined, 0, cp);
      if (length < 0) {
        m_pending = joined;
        return;
      }
      i = length > 0 ? static_cast<std::size_t>(length) - m_pending.size() : 1;
      Put(out, length > 0 ? cp : kReplacement);
      m_pending.clear();
    }
    while (i < run.size()) {
      std::uint32_t cp = static_cast<unsigned char>(run[i]);
      const int length = cp < 0x80 ? 1 : Utf8Sequence(run, i, cp);
      if (length < 0) {
        m_pending = std::string(run.substr(i));
        return;
      }
      Put(out, length > 0 ? cp : kReplacement);
      i += length > 0 ? static_cast<std::size_t>(length) : 1;
    }
  }

 private:
  void Put(std::u16string& out, std::uint32_t cp) {
    if (m_started || cp != 0xFEFF) AppendCodePoint(out, cp);
    m_started = true;
  }

  std::string m_pending;
  bool m_started = false;
};

// bytes as QString::fromUtf8 reads them, a leading byte-order mark dropped.
std::u16string FromUtf8(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::u16string out;
  AppendUtf8(out, bytes);
  return out;
}

// text as UTF-8, a lone surrogate becoming "?", as QString::toUtf8.
std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      out += '?';
      continue;
    }
    catalog::AppendUtf8(out, cp);
  }
  return out;
}

int HexDigit(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsAsciiSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsAsciiSpace(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// The INI syntax.

// The next logical line of data from pos: blank lines and lines starting
// with ";" skipped, a line break inside quotes or after "\" kept in the line,
// an unquoted ";" ending it. equals is the first "=" outside quotes, or npos.
// False when no line is left.
bool NextIniLine(std::string_view data, std::size_t& pos, std::string_view& line, std::size_t& equals) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  std::size_t start = pos;
  while (start < data.size() && isSpace(data[start])) ++start;
  equals = std::string_view::npos;
  bool quoted = false;
  std::size_t i = start;
  while (i < data.size()) {
    const char c = data[i++];
    if (c == '=') {
      if (!quoted && equals == std::string_view::npos) equals = i - 1;
    } else if (c == '\n' || c == '\r') {
      if (i == start + 1) {
        ++start;  // a blank line (only after a skipped comment)
      } else if (!quoted) {
        --i;
        break;
      }
    } else if (c == '\\') {
      if (i < data.size()) {
        const char escaped = data[i++];
        if (i < data.size() && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n'))) ++i;
      }
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ';') {
      if (i == start + 1) {  // a comment line
        while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
        while (i < data.size() && isSpace(data[i])) ++i;
        start = i;
      } else if (!quoted) {
        --i;
        break;
      }
    }
  }
  pos = i;
  if (i <= start) return false;
  line = data.substr(start, i - start);
  if (equals != std::string_view::npos) equals -= start;
  return true;
}

// The number the hexadecimal digits of an escape in a name stand for, read
// as QString::toUShort(base 16) reads it: blanks around it, a "+" and a "0x"
// before it allowed; -1 when it is no such number.
int HexCode(std::u16string_view digits) {
  const auto blank = [](char16_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (!digits.empty() && blank(digits.front())) digits.remove_prefix(1);
  while (!digits.empty() && blank(digits.back())) digits.remove_suffix(1);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) digits.remove_prefix(2);
  if (digits.empty()) return -1;
  int code = 0;
  for (const char16_t c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return -1;
    code = code * 16 + d;
  }
  return code;
}

// A section or value name as written: "\" stands for "/", %XX and %UXXXX
// for the character with that hexadecimal code (a "%" not followed by
// such a number is itself).
std::u16string UnescapedName(std::string_view written) {
  const std::u16string text = FromUtf8(written);
  std::u16string name;
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (c == '\\') {
      name += u'/';
      ++i;
      continue;
    }
    if (c != '%' || i + 1 == text.size()) {
      name += c;
      ++i;
      continue;
    }
    const std::size_t digits = text[i + 1] == 'U' ? 4 : 2;
    const std::size_t first = i + 1 + (digits == 4 ? 1 : 0);
    const int code = first + digits <= text.size() ? HexCode(std::u16string_view(text).substr(first, digits)) : -1;
    if (code < 0) {
      name += u'%';
      ++i;
    } else {
      name += static_cast<char16_t>(code);
      i = first + digits;
    }
  }
  return name;
}

// A value as written: one string, or several when an unquoted "," separates them.
struct WrittenValue {
  bool isList = false;
  std::vector<std::u16string> items;  // one when !isList
};

// Removes the blanks and tabs at the end of text from position limit on.
void ChopTrailingBlanks(std::u16string& text, std::size_t limit) {
  while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) text.pop_back();
}

int OctalDigit(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// The value after "=": leading blanks skipped, trailing ones dropped unless
// quoted, quotes removed, escapes replaced, split at unquoted commas.
WrittenValue UnescapedValue(std::string_view s) {
  static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                         {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
  WrittenValue value;
  std::u16string current;
  bool inQuotes = false;
  bool currentQuoted = false;
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  };
  skipBlanks();
  std::size_t chopLimit = 0;
  bool chopAtEnd = true;  // not when the value ends inside an escape
  RunDecoder decoder;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '\\') {
      if (++i >= s.size()) {
        chopAtEnd = false;
        break;
      }
      const char e = s[i++];
      bool simple = false;
      for (const auto& escape : kEscapes) {
        if (e == escape[0]) {
          current += static_cast<char16_t>(escape[1]);
          simple = true;
          break;
        }
      }
      if (simple) {
        chopLimit = current.size();
        continue;
      }
      // \x followed by hexadecimal digits, or octal digits: as many as follow,
      // the code kept to 16 bits as QChar keeps it.
      const bool hex = e == 'x' && i < s.size() && HexDigit(s[i]) >= 0;
      if (hex || OctalDigit(e) >= 0) {
        std::uint16_t code = hex ? 0 : static_cast<std::uint16_t>(OctalDigit(e));
        while (i < s.size()) {
          const int d = hex ? HexDigit(s[i]) : OctalDigit(s[i]);
          if (d < 0) break;
          code = static_cast<std::uint16_t>((code << (hex ? 4 : 3)) + d);
          ++i;
        }
        current += static_cast<char16_t>(code);
        chopLimit = current.size();
        continue;
      }
      if (e == 'x' && i >= s.size()) {  // "\x" at the very end
        chopAtEnd = false;
        break;
      }
      if ((e == '\n' || e == '\r') && i < s.size() && (s[i] == '\n' || s[i] == '\r') && s[i] != e) ++i;
      // any other escaped character is dropped (a line continuation among them)
      chopLimit = current.size();
    } else if (c == '"') {
      ++i;
      currentQuoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) {
        skipBlanks();
        chopLimit = current.size();
      }
    } else if (c == ',' && !inQuotes) {
      if (!currentQuoted) ChopTrailingBlanks(current, chopLimit);
      value.isList = true;
      value.items.push_back(std::move(current));
      current.clear();
      currentQuoted = false;
      ++i;
      skipBlanks();
      chopLimit = 0;
    } else {
      std::size_t j = i + 1;
      while (j < s.size() && s[j] != '\\' && s[j] != '"' && s[j] != ',') ++j;
      decoder.Append(current, s.substr(i, j - i));
      i = j;
    }
  }
  if (chopAtEnd && !currentQuoted) ChopTrailingBlanks(current, chopLimit);
  value.items.push_back(std::move(current));
  return value;
}

// ---------------------------------------------------------------------------
// Values: what QSettings::value(key) holds, and what QtSettingsStore makes of it.

bool StartsWith(std::u16string_view s, std::u16string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// A QByteArray's text (QVariant::toString: the bytes as UTF-8).
std::string ByteArrayText(const std::string& bytes) { return ToUtf8(FromUtf8(bytes)); }

// A double as QVariant::toString writes it (QString::number, shortest):
// the shortest digits that read back the same, in plain or exponent notation,
// whichever is shorter (plain on a tie); zero without a sign.
std::string DoubleText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return "0";
  char buffer[64];
  const std::to_chars_result scientific =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
  const std::string text(buffer, scientific.ptr);  // d[.ddd]e±XX
  const std::size_t e = text.find('e');
  std::string digits = text.substr(0, e);
  if (digits.size() > 1) digits.erase(1, 1);  // the point
  const int exponent = std::stoi(text.substr(e + 1));
  const std::string sign = value < 0 ? "-" : "";
  std::string plain;
  if (exponent < 0) {
    plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
    plain = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
  } else {
    plain = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." + digits.substr(static_cast<std::size_t>(exponent) + 1);
  }
  const std::string magnitude = std::to_string(std::abs(exponent));
  const std::string exponential = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + "e" +
                                  (exponent < 0 ? "-" : "+") + (magnitude.size() < 2 ? "0" : "") + magnitude;
  return sign + (exponential.size() < plain.size() ? exponential : plain);
}

// The text of a QVariant written by QDataStream (version Qt 4.0, as
// @Variant(...) holds it), for the basic types (bool, the integers, double,
// float, QChar, QString, QStringList, QByteArray); "" for any other type or a
// stream cut short where even the type is missing.
std::string DataStreamText(std::string_view stream) {
  std::size_t at = 0;
  bool short_ = false;
  const auto take = [&](std::size_t bytes) -> std::uint64_t {
    std::uint64_t v = 0;
    if (at + bytes > stream.size()) {
      short_ = true;
      at = stream.size();
      return 0;
    }
    for (std::size_t k = 0; k < bytes; ++k) v = (v << 8) | static_cast<unsigned char>(stream[at++]);
    return v;
  };
  const auto takeString = [&]() -> std::u16string {
    const std::uint32_t length = static_cast<std::uint32_t>(take(4));
    std::u16string text;
    if (length == 0xFFFFFFFFu || short_) return text;
    if (length % 2 != 0 || at + length > stream.size()) {  // corrupt or cut short
      short_ = true;
      return text;
    }
    for (std::uint32_t k = 0; k < length / 2; ++k) text += static_cast<char16_t>(take(2));
    return text;
  };
  const std::uint32_t type = static_cast<std::uint32_t>(take(4));
  if (short_) return std::string();
  switch (type) {
    case 1: return take(1) != 0 ? "true" : "false";
    case 2: return std::to_string(static_cast<std::int32_t>(take(4)));
    case 3: return std::to_string(static_cast<std::uint32_t>(take(4)));
    case 4: return std::to_string(static_cast<std::int64_t>(take(8)));
    case 5: return std::to_string(take(8));
    case 6: {
      const std::uint64_t bits = take(8);
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return DoubleText(value);
    }
    case 38: {  // float, four bytes in a stream of this version
      const std::uint32_t bits = static_cast<std::uint32_t>(take(4));
      float value;
      std::memcpy(&value, &bits, sizeof value);
      return DoubleText(static_cast<double>(value));
    }
    case 7: return ToUtf8(std::u16string(1, static_cast<char16_t>(take(2))));
    case 10: return ToUtf8(takeString());
    case 11: {
      const std::uint32_t count = static_cast<std::uint32_t>(take(4));
      std::string joined;
      for (std::uint32_t k = 0; k < count && !short_; ++k) joined += (k ? "," : "") + ToUtf8(takeString());
      return short_ ? std::string() : joined;  // a list cut short is read as empty
    }
    case 12: {
      const std::uint32_t length = static_cast<std::uint32_t>(take(4));
      if (length == 0xFFFFFFFFu || short_ || at + length > stream.size()) return std::string();
      return ByteArrayText(std::string(stream.substr(at, length)));
    }
    default: return std::string();
  }
}

// The text of one written string once its @-form is read.
std::string ItemText(const std::u16string& s) {
  if (s.empty() || s[0] != u'@') return ToUtf8(s);
  const auto inner = [&s](std::size_t from) { return std::u16string_view(s).substr(from, s.size() - from - 1); };
  if (s.back() == u')') {
    if (StartsWith(s, u"@ByteArray(")) {
      std::string bytes;  // each character as Latin-1, "?" beyond it
      for (const char16_t c : inner(11)) bytes += static_cast<char>(c <= 0xFF ? c : u'?');
      return ByteArrayText(bytes);
    }
    if (StartsWith(s, u"@String(")) return ToUtf8(inner(8));
    if (StartsWith(s, u"@Variant(") || StartsWith(s, u"@DateTime(")) {
      if (s[1] == u'D') return std::string();  // a QDateTime's text is not kept here
      std::string bytes;
      for (const char16_t c : std::u16string_view(s).substr(9)) bytes += static_cast<char>(c <= 0xFF ? c : u'?');
      return DataStreamText(bytes);
    }
    // @Rect(x y w h), @Size(w h), @Point(x y) with the right count of
    // arguments are geometry, without a text; otherwise the string itself.
    const struct { std::u16string_view prefix; int arguments; } geometry[] = {
        {u"@Rect(", 4}, {u"@Size(", 2}, {u"@Point(", 2}};
    for (const auto& g : geometry) {
      if (!StartsWith(s, g.prefix)) continue;
      int arguments = 1;  // each blank ends one, and so does each ")"
      for (const char16_t c : inner(g.prefix.size())) arguments += c == u' ' || c == u')';
      if (arguments == g.arguments) return std::string();
    }
    if (s == u"@Invalid()") return std::string();
  }
  if (StartsWith(s, u"@@")) return ToUtf8(std::u16string_view(s).substr(1));
  return ToUtf8(s);
}

// What the store reads for a written value: a list joined with ",", its
// "@@" items unescaped; a list with any other @-item is a list of variants,
// whose text QVariant leaves empty.
std::string StoreText(const WrittenValue& value) {
  if (!value.isList) return ItemText(value.items.front());
  std::string joined;
  for (std::size_t k = 0; k < value.items.size(); ++k) {
    const std::u16string& item = value.items[k];
    if (!item.empty() && item[0] == u'@' && !StartsWith(item, u"@@")) return std::string();
    joined += (k ? "," : "") + ToUtf8(StartsWith(item, u"@@") ? std::u16string_view(item).substr(1) : item);
  }
  return joined;
}

// ---------------------------------------------------------------------------
// Paths.

// QDir::cleanPath: no "." or "..", no doubled or trailing "/".
std::string CleanPath(const std::string& path) {
  const bool absolute = !path.empty() && path[0] == '/';
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (i <= path.size()) {
    const std::size_t slash = std::min(path.find('/', i), path.size());
    const std::string part = path.substr(i, slash - i);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (!absolute) {
        parts.push_back(part);
      }
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = slash + 1;
  }
  std::string clean = absolute ? "/" : "";
  for (std::size_t k = 0; k < parts.size(); ++k) clean += (k ? "/" : "") + parts[k];
  return clean.empty() ? "." : clean;
}

// The path QSettings opens for path: made absolute from the working folder, cleaned.
std::string OpenedPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return CleanPath(path);
  char buffer[4096];
  const char* cwd = ::getcwd(buffer, sizeof buffer);
  return CleanPath(std::string(cwd ? cwd : "") + "/" + path);
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Whether path, as the environment spells it, is a regular file (through
// links) or names nothing; anything else (a FIFO, a device, a folder, a path
// that cannot be searched) is passed over. A path that names nothing may
// still lead to a file once cleaned ("missing/../config"): QSettings opens
// the cleaned path.
bool RegularOrAbsent(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
  return S_ISREG(info.st_mode);
}

// The whole of a regular file, or "" when it cannot be opened or is not one
// (opened without waiting, so a FIFO put in its place meanwhile cannot block).
std::string ReadRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::string();
  std::string data;
  struct stat info;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {  // QSettings skips an empty size
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) {
        data.append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        break;
      }
    }
  }
  ::close(fd);
  return data;
}

}  // namespace

// One settings file as QSettings keeps it in memory: its sections not yet
// parsed (by name with a trailing "/", "" for [General]; the text of
// repeated sections joined), and the values parsed so far (by full name).
struct IniSettingsStore::ParsedFile {
  std::map<std::u16string, std::string> unparsedSections;
  std::map<std::u16string, std::string> values;

  explicit ParsedFile(std::string_view data) {
    if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
    std::u16string section;
    std::size_t sectionStart = 0;
    std::size_t pos = 0;
    std::string_view line;
    std::size_t equals;
    const auto flush = [&](std::size_t end) {
      std::string& text = unparsedSections[section];
      if (!text.empty()) text += '\n';
      text.append(data.substr(sectionStart, end - sectionStart));
    };
    for (;;) {
      if (!NextIniLine(data, pos, line, equals)) break;
      if (line[0] != '[') continue;
      flush(static_cast<std::size_t>(line.data() - data.data()));
      const std::size_t close = line.find(']');
      const std::string_view name = Trimmed(line.substr(1, (close == std::string_view::npos ? line.size() : close) - 1));
      if (EqualsIgnoringAsciiCase(name, "general")) {
        section.clear();
      } else {
        section = EqualsIgnoringAsciiCase(name, "%general") ? FromUtf8(name.substr(1)) : UnescapedName(name);
        section += u'/';
      }
      sectionStart = pos;
    }
    flush(data.size());
  }

  // Parses the one section QSettings parses when asked for key: for a key in
  // a group, the section sorting last at or before it, if the key is in it;
  // for a key outside groups, [General].
  void ParseSectionFor(const std::u16string& key) {
    if (unparsedSections.empty()) return;
    auto section = unparsedSections.begin();
    if (key.find(u'/') != std::u16string::npos) {
      section = unparsedSections.upper_bound(key);
      if (section == unparsedSections.begin()) return;
      --section;
      if (section->first.empty() || !StartsWith(key, section->first)) return;
    } else if (!section->first.empty()) {
      return;
    }
    std::size_t pos = 0;
    std::string_view line;
    std::size_t equals;
    while (NextIniLine(section->second, pos, line, equals)) {
      if (equals == std::string_view::npos) continue;
      values[section->first + UnescapedName(Trimmed(line.substr(0, equals)))] =
          StoreText(UnescapedValue(line.substr(equals + 1)));
    }
    unparsedSections.erase(section);
  }

  std::optional<std::string> Find(const std::u16string& key) {
    ParseSectionFor(key);
    const auto found = values.find(key);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
};

IniSettingsStore::IniSettingsStore(std::string organisation, std::string application)
    : m_organisation(std::move(organisation)), m_application(std::move(application)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::vector<std::string> IniSettingsStore::SettingsFiles(const std::string& organisation,
                                                         const std::string& application) {
  const std::string appFile = organisation + "/" + application + ".conf";
  const std::string orgFile = organisation + ".conf";
  std::string user = Environment("XDG_CONFIG_HOME");
  if (user.empty()) {
    const std::string home = Environment("HOME");
    user = CleanPath(home.empty() ? "/" : home) + "/.config";
  }
  std::vector<std::string> system;
  const std::string dirs = Environment("XDG_CONFIG_DIRS");
  for (std::size_t i = 0; i <= dirs.size();) {
    const std::size_t colon = std::min(dirs.find(':', i), dirs.size());
    if (colon > i) system.push_back(dirs.substr(i, colon - i));
    i = colon + 1;
  }
  if (dirs.empty()) system.push_back("/etc/xdg");
  std::vector<std::string> files = {user + "/" + appFile, user + "/" + orgFile};
  for (const std::string* name : {&appFile, &orgFile}) {
    for (const std::string& dir : system) files.push_back(dir + "/" + *name);
  }
  return files;
}

IniSettingsStore::ParsedFile& IniSettingsStore::FileAt(const std::string& path) {
  std::unique_ptr<ParsedFile>& file = m_files[path];
  if (!file) file = std::make_unique<ParsedFile>(ReadRegularFile(path));
  return *file;
}

std::string IniSettingsStore::ReadString(const std::string& section, const std::string& name,
                                         const std::string& defaultValue) {
  const std::u16string key = FromUtf8(section + "/" + name);
  for (const std::string& file : SettingsFiles(m_organisation, m_application)) {
    if (!RegularOrAbsent(file)) continue;
    if (std::optional<std::string> value = FileAt(OpenedPath(file)).Find(key)) return *value;
  }
  return defaultValue;
}

void IniSettingsStore::WriteString(const std::string&, const std::string&, const std::string&) {
  m_writeAttempted = true;
}

std::string IniSettingsStore::Location() const { return SettingsFiles(m_organisation, m_application).front(); }

}  // namespace skycalc
