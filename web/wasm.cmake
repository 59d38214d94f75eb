# The calculator compiled to WebAssembly (included by the root CMakeLists
# under Emscripten; scripts/web.sh configures it). Only the computation, the
# catalogues, the panel and the page's host are built; ERFA, which the
# precise model needs, is compiled from its source tree, given as
# SKYCALC_ERFA_SOURCE_DIR (Debian's source package unpacked; scripts/web.sh
# fetches it).
enable_language(C)
set(SKYCALC_ERFA_SOURCE_DIR "" CACHE PATH "ERFA source tree (with src/erfa.h)")
if(NOT EXISTS "${SKYCALC_ERFA_SOURCE_DIR}/src/erfa.h")
  message(FATAL_ERROR "SKYCALC_ERFA_SOURCE_DIR must name an ERFA source tree (scripts/web.sh fetches one).")
endif()
# Every routine but the version query (which wants the autotools' config.h)
# and the library's own tests.
file(GLOB erfa_sources ${SKYCALC_ERFA_SOURCE_DIR}/src/*.c)
list(FILTER erfa_sources EXCLUDE REGEX "/(erfaversion|t_erfa_c|t_erfa_c_extra)\\.c$")
add_library(skycalc_erfa STATIC ${erfa_sources})
target_include_directories(skycalc_erfa SYSTEM PUBLIC ${SKYCALC_ERFA_SOURCE_DIR}/src)
target_compile_options(skycalc_erfa PRIVATE -w)
# Its 250 small files compile in a few batches: each compiler start is costly under Emscripten.
set_target_properties(skycalc_erfa PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 64)
add_library(PkgConfig::ERFA ALIAS skycalc_erfa)

foreach(dir astro/base astro/frames astro/time astro/horizon astro/planets astro/precise astro/almanac astro/eclipse astro/events astro/sky astro/details astro/phenomena catalog panel web)
  add_subdirectory(${dir})
endforeach()

# The big constant tables (the whole VSOP87 planets and Earth, ELP/MPP02) leave
# the module: scripts/make_web_tables.py writes their numbers into
# skycalc-tables.bin, which the page fetches after its first readout, and
# sources with the same accessors over that file, compiled here instead.
set(skycalc_web_tables_dir ${CMAKE_BINARY_DIR}/web_tables)
set(skycalc_web_table_sources ${PROJECT_SOURCE_DIR}/astro/phenomena/vsop87b_planets.cpp
    ${PROJECT_SOURCE_DIR}/astro/almanac/vsop87b_earth.cpp ${PROJECT_SOURCE_DIR}/astro/almanac/elpmpp02_moon.cpp)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
execute_process(COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/make_web_tables.py ${skycalc_web_tables_dir}
                        ${skycalc_web_table_sources}
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${skycalc_web_table_sources}
             ${PROJECT_SOURCE_DIR}/scripts/make_web_tables.py)
foreach(pair "skycalc_phenomena;vsop87b_planets.cpp" "skycalc_almanac;vsop87b_earth.cpp" "skycalc_almanac;elpmpp02_moon.cpp")
  list(GET pair 0 target)
  list(GET pair 1 file)
  get_target_property(sources ${target} SOURCES)
  list(REMOVE_ITEM sources ${file})
  set_property(TARGET ${target} PROPERTY SOURCES ${sources} ${skycalc_web_tables_dir}/${file})
endforeach()
target_sources(skycalc_almanac PRIVATE ${PROJECT_SOURCE_DIR}/web/web_tables.cpp)
target_include_directories(skycalc_almanac PRIVATE ${skycalc_web_tables_dir})
target_include_directories(skycalc_phenomena PRIVATE ${skycalc_web_tables_dir})
