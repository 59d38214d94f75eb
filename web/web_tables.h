#pragma once

#include <cstddef>

// The web page's big constant tables (the whole VSOP87 planets and Earth and
// ELP/MPP02, as scripts/make_web_tables.py writes them into
// skycalc-tables.bin): the page fetches that file after its first readout and
// copies it into the module (skycalc_tables_buffer, skycalc_tables_loaded).
// Only the web build has this; native builds compile the tables in.
namespace skycalc::web {

// The count doubles of the file from index offset, for the accessors made
// from the generated series sources. Aborts with a message when the file has
// not been loaded and checked, or holds no such doubles: a caller never
// computes with anything else.
const double* TableData(std::size_t offset, std::size_t count);

}  // namespace skycalc::web
