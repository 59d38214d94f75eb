#include "web/web_tables.h"

#include <emscripten/console.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "web_tables_layout.h"

namespace skycalc::web {
namespace {

double* g_tables = nullptr;  // kTableDoubles, once allocated
bool g_loaded = false;       // its bytes checked against the build's checksum

// FNV-1a over the file's 64-bit words, as scripts/make_web_tables.py computes it.
std::uint64_t Checksum(const double* values, std::size_t count) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint64_t word;
    std::memcpy(&word, values + i, sizeof word);
    hash = (hash ^ word) * 0x100000001b3u;
  }
  return hash;
}

}  // namespace

const double* TableData(std::size_t offset, std::size_t count) {
  if (!g_loaded || offset > kTableDoubles || count > kTableDoubles - offset) {
    // The page's console shows it (the module's own stderr is not shown).
    emscripten_console_error("skycalc: the tables (skycalc-tables.bin) are used before they are loaded, or beyond them");
    std::abort();
  }
  return g_tables + offset;
}

}  // namespace skycalc::web

extern "C" {

// Room for the tables file of size bytes, for the page to copy it into;
// null when size is not this build's file's, or once the file is loaded.
EMSCRIPTEN_KEEPALIVE void* skycalc_tables_buffer(int size) {
  using namespace skycalc::web;
  if (g_loaded || size < 0 || static_cast<std::size_t>(size) != kTableDoubles * sizeof(double)) return nullptr;
  if (!g_tables) g_tables = static_cast<double*>(std::malloc(kTableDoubles * sizeof(double)));
  return g_tables;
}

// The file has been copied into the buffer: 1 when it is this build's
// (checksum), after which the accessors read it; 0 (and still unloaded) otherwise.
EMSCRIPTEN_KEEPALIVE int skycalc_tables_loaded() {
  using namespace skycalc::web;
  if (!g_loaded && g_tables) g_loaded = Checksum(g_tables, kTableDoubles) == kTableChecksum;
  return g_loaded ? 1 : 0;
}

}  // extern "C"
