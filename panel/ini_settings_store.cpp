#include "panel/ini_settings_store.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace skycalc {

namespace {

// One key=value line of the file, as byte positions.
struct IniLine {
  std::string section;  // unescaped, trimmed; "" for the general section
  std::string key;      // unescaped, trimmed
  std::size_t start;    // first byte of the line
  std::size_t length;   // up to (not including) its line end or comment
  std::size_t equals;   // position of the '=' (npos for a section header)
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "\x" and the byte's lowercase hexadecimal digits, as Qt writes a control character.
std::string FormatHexEscape(unsigned char byte) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\x%x", static_cast<unsigned>(byte));
  return buffer;
}

int OctalValue(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// Appends a code point as UTF-8 (U+FFFD for one that is not a character).
void AppendCodePoint(std::string& out, unsigned long cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Key and section names: "%XX" is a byte, "\" stands for "/".
std::string UnescapeKey(const std::string& raw) {
  std::string key;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\') {
      key += '/';
    } else if (raw[i] == '%' && i + 2 < raw.size() && HexValue(raw[i + 1]) >= 0 && HexValue(raw[i + 2]) >= 0) {
      key += static_cast<char>(HexValue(raw[i + 1]) * 16 + HexValue(raw[i + 2]));
      i += 2;
    } else {
      key += raw[i];
    }
  }
  return key;
}

// Finds the next logical line from pos the way Qt does: blanks skipped, quotes may
// span line ends, a backslash escapes the next byte, ';' starts a comment.
bool NextLine(const std::string& data, std::size_t& pos, std::size_t& start, std::size_t& length,
              std::size_t& equals) {
  bool inQuotes = false;
  equals = std::string::npos;
  start = pos;
  while (start < data.size() && IsBlank(data[start])) ++start;
  std::size_t i = start;
  while (i < data.size()) {
    const char ch = data[i++];
    if (ch == '=') {
      if (!inQuotes && equals == std::string::npos) equals = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == start + 1) {
        ++start;
      } else if (!inQuotes) {
        --i;
        break;
      }
    } else if (ch == '\\') {
      if (i < data.size()) {
        const char next = data[i++];
        if (i < data.size() && ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n'))) ++i;
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else if (ch == ';') {
      if (i == start + 1) {
        while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
        while (i < data.size() && IsBlank(data[i])) ++i;
        start = i;
      } else if (!inQuotes) {
        --i;
        break;
      }
    }
  }
  pos = i;
  length = i - start;
  return length > 0;
}

// Every section header and key=value line of the file, in order.
std::vector<IniLine> ParseIni(const std::string& data) {
  std::vector<IniLine> lines;
  std::string section;
  std::size_t pos = 0;
  std::size_t start = 0;
  std::size_t length = 0;
  std::size_t equals = 0;
  while (pos < data.size()) {
    if (!NextLine(data, pos, start, length, equals)) continue;
    if (data[start] == '[') {
      const std::size_t close = data.find(']', start);
      const std::size_t end = close == std::string::npos || close >= start + length ? start + length : close;
      section = UnescapeKey(Trim(data.substr(start + 1, end - start - 1)));
      if (section == "General" || section == "general") section.clear();
      lines.push_back({section, std::string(), start, length, std::string::npos});
    } else if (equals != std::string::npos) {
      lines.push_back({section, UnescapeKey(Trim(data.substr(start, equals - start))), start, length, equals});
    }
  }
  return lines;
}

std::string ReadFile(const std::string& path, bool& found) {
  std::ifstream in(path, std::ios::binary);
  found = static_cast<bool>(in);
  return found ? std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) : std::string();
}

// The string of an "@" form as Qt's settings give it as text.
std::string FromAtForm(const std::string& text) {
  if (text.rfind("@@", 0) == 0) return text.substr(1);
  if (text.rfind("@ByteArray(", 0) == 0 && text.back() == ')') return text.substr(11, text.size() - 12);
  for (const char* other : {"@Invalid()", "@Variant(", "@Rect(", "@Size(", "@Point(", "@DateTime("}) {
    if (text.rfind(other, 0) == 0) return std::string();  // not a string value
  }
  return text;
}

}  // namespace

std::string IniEscapeValue(const std::string& value) {
  static const std::pair<char, const char*> kNamed[] = {{'\a', "\\a"}, {'\b', "\\b"}, {'\f', "\\f"}, {'\n', "\\n"},
                                                        {'\r', "\\r"}, {'\t', "\\t"}, {'\v', "\\v"}};
  const std::string text = !value.empty() && value[0] == '@' ? "@" + value : value;
  std::string out;
  bool needsQuotes = false;
  bool escapeNextIfHex = false;
  for (const char ch : text) {
    const unsigned char u = static_cast<unsigned char>(ch);
    if (ch == ';' || ch == ',' || ch == '=') needsQuotes = true;
    if (escapeNextIfHex && HexValue(ch) >= 0) {
      out += FormatHexEscape(u);
      continue;
    }
    escapeNextIfHex = false;
    const char* named = nullptr;
    for (const auto& entry : kNamed)
      if (entry.first == ch) named = entry.second;
    if (ch == '\0') {
      out += "\\0";
      escapeNextIfHex = true;
    } else if (named != nullptr) {
      out += named;
    } else if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (u <= 0x1F) {
      out += FormatHexEscape(u);
      escapeNextIfHex = true;
    } else {
      out += ch;
    }
  }
  if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
  return out;
}

std::string IniUnescapeValue(const std::string& raw) {
  static const std::pair<char, char> kNamed[] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                 {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                 {'?', '?'},   {'\'', '\''}, {'\\', '\\'}};
  std::vector<std::string> items;  // completed items of a comma-separated list
  std::string current;
  bool inQuotes = false;
  bool quoted = false;          // the current item had quotes: its blanks are kept
  std::size_t keepLength = 0;   // trailing blanks are chopped only beyond this length
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
  };
  auto chopTrailing = [&] {
    while (current.size() > keepLength && (current.back() == ' ' || current.back() == '\t')) current.pop_back();
  };
  skipBlanks();
  while (i < raw.size()) {
    const char ch = raw[i];
    if (ch == '\\') {
      if (++i >= raw.size()) break;
      const char code = raw[i++];
      bool done = false;
      for (const auto& entry : kNamed) {
        if (entry.first == code) {
          current += entry.second;
          done = true;
        }
      }
      if (!done && (code == 'x' || OctalValue(code) >= 0)) {
        const bool hex = code == 'x';
        unsigned long value = hex ? 0 : static_cast<unsigned long>(OctalValue(code));
        bool any = !hex;
        for (; i < raw.size(); ++i) {
          const int digit = hex ? HexValue(raw[i]) : OctalValue(raw[i]);
          if (digit < 0) break;
          value = value * (hex ? 16 : 8) + static_cast<unsigned long>(digit);
          if (value > 0x10FFFF) value = 0x110000;  // not a character; stays out of range
          any = true;
        }
        if (any) AppendCodePoint(current, value);
      } else if (!done && (code == '\n' || code == '\r')) {
        if (i < raw.size() && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != code) ++i;
      }
      keepLength = current.size();
    } else if (ch == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) skipBlanks();
    } else if (ch == ',' && !inQuotes) {
      if (!quoted) chopTrailing();
      items.push_back(current);
      current.clear();
      quoted = false;
      keepLength = 0;
      ++i;
      skipBlanks();
    } else {
      current += ch;
      ++i;
    }
  }
  if (!quoted) chopTrailing();
  // A list reads as a string only when it has one item; a value with a bare comma has two.
  if (!items.empty()) return std::string();
  return current.empty() || current[0] != '@' ? current : FromAtForm(current);
}

IniSettingsStore::IniSettingsStore(std::string path) : m_path(std::move(path)) {}

std::string IniSettingsStore::DefaultPath(const std::string& company, const std::string& application) {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (configHome != nullptr && configHome[0] == '/') {
    base = configHome;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home != nullptr ? home : ".") + "/.config";
  }
  return base + "/" + company + "/" + application + ".conf";
}

std::string IniSettingsStore::ReadString(const std::string& section, const std::string& name,
                                         const std::string& defaultValue) {
  bool found = false;
  const std::string data = ReadFile(m_path, found);
  const IniLine* last = nullptr;
  const std::vector<IniLine> lines = ParseIni(data);
  for (const IniLine& line : lines) {
    if (line.equals != std::string::npos && line.section == section && line.key == name) last = &line;
  }
  if (last == nullptr) return defaultValue;
  const std::size_t valueStart = last->equals + 1;
  return IniUnescapeValue(data.substr(valueStart, last->start + last->length - valueStart));
}

void IniSettingsStore::WriteString(const std::string& section, const std::string& name, const std::string& value) {
  bool found = false;
  std::string data = ReadFile(m_path, found);
  const std::string entry = name + "=" + IniEscapeValue(value);
  const IniLine* keyLine = nullptr;
  const IniLine* sectionEnd = nullptr;  // last line that belongs to the section
  const std::vector<IniLine> lines = ParseIni(data);
  for (const IniLine& line : lines) {
    if (line.section != section) continue;
    sectionEnd = &line;
    if (line.equals != std::string::npos && line.key == name) keyLine = &line;
  }
  if (keyLine != nullptr) {
    data.replace(keyLine->start, keyLine->length, entry);
  } else if (sectionEnd != nullptr) {
    data.insert(sectionEnd->start + sectionEnd->length, "\n" + entry);
  } else {
    if (!data.empty() && data.back() != '\n') data += '\n';
    if (!data.empty()) data += '\n';
    data += "[" + (section.empty() ? std::string("General") : section) + "]\n" + entry + "\n";
  }
  std::error_code error;
  const std::filesystem::path path(m_path);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  const std::string temporary = m_path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out << data;
    if (!out.flush()) return;
  }
  std::filesystem::rename(temporary, path, error);
}

}  // namespace skycalc
