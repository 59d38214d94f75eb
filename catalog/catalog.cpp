#include "catalog/catalog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace skycalc {

namespace {

// Where the two numeric columns of one file stand (0-based byte offsets).
struct ColumnLayout {
  const char* fileName;
  std::size_t raBegin, raWidth;    // right ascension column
  std::size_t decBegin, decWidth;  // declination column
  std::size_t rowBytes;            // bytes up to and including the semicolon
};

static_assert(kStarCount <= kConstellationCount, "one row buffer serves both files");

// "%29c,%9c,%7c;%c": name, comma, ra, comma, dec, semicolon.
constexpr ColumnLayout kStarLayout{"StarData.txt", 30, 9, 40, 7, 48};
// "%18c%9c%9c;%c": name, ra, dec, semicolon.
constexpr ColumnLayout kConstellationLayout{"ConstData.txt", 18, 9, 27, 9, 37};

// Bytes of each line kept for the columns: the longer layout up to its semicolon.
constexpr std::size_t kLineHead = 48;
// Widest numeric column plus its terminating NUL.
constexpr std::size_t kColumnBuffer = 16;

// Reads one physical line up to and including its '\n' (or the end of the
// file), keeps its first kLineHead bytes in head and their count in kept, and
// tells the full length before the line end in length. False when the file
// had no byte left, so no line at all.
bool ReadLine(std::FILE* file, char (&head)[kLineHead], std::size_t& kept, std::size_t& length) {
  kept = 0;
  length = 0;
  int c = std::getc(file);
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::getc(file)) {
    if (kept < kLineHead) head[kept++] = static_cast<char>(c);
    ++length;
  }
  return true;
}

// The C locale for number conversion: the files always use a decimal point,
// whatever locale the surrounding program has set. Null if it cannot be made.
locale_t NumberLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// Decimal value of the bytes [begin, begin + width) of the kept line head, as
// strtod reads exactly that text: leading blanks skipped, stops at the first
// byte that cannot continue the number (a NUL included), 0.0 without a number.
// Bytes past the line's end are simply absent.
double ColumnValue(const char* head, std::size_t kept, std::size_t begin, std::size_t width) {
  char text[kColumnBuffer] = {};
  for (std::size_t i = 0; i < width && begin + i < kept; ++i) text[i] = head[begin + i];
  const locale_t locale = NumberLocale();
  return locale ? strtod_l(text, nullptr, locale) : std::strtod(text, nullptr);
}

// Fills up to rows entries of table, one per physical line of the file; rows
// past the file's last line keep what they held. True when the file opened
// and at least one of the lines read reached its semicolon column; otherwise
// the table is left as it was.
bool LoadCatalog(const ColumnLayout& layout, CatalogEntry table[], std::size_t rows, const std::string& directory) {
  std::string path = directory;
  if (!path.empty() && path.back() != '/') path += '/';
  path += layout.fileName;
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (!file) return false;
  CatalogEntry read[kConstellationCount];
  std::size_t count = 0;
  bool anyRow = false;
  char head[kLineHead];
  std::size_t kept = 0;
  std::size_t length = 0;
  for (; count < rows && ReadLine(file, head, kept, length); ++count) {
    read[count].ra = ColumnValue(head, kept, layout.raBegin, layout.raWidth);
    read[count].dec = ColumnValue(head, kept, layout.decBegin, layout.decWidth);
    anyRow = anyRow || length >= layout.rowBytes;
  }
  std::fclose(file);
  if (anyRow) std::copy(read, read + count, table);
  return anyRow;
}

}  // namespace

bool LoadStarCatalog(CatalogEntry table[], const std::string& directory) {
  return LoadCatalog(kStarLayout, table, kStarCount, directory);
}

bool LoadConstellationCatalog(CatalogEntry table[], const std::string& directory) {
  return LoadCatalog(kConstellationLayout, table, kConstellationCount, directory);
}

}  // namespace skycalc
