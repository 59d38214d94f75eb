# The Debian package of the calculator and skycalc-cli, made by CPack's DEB
# generator (scripts/package.sh). Its Depends come from the binaries
# (dpkg-shlibdeps), plus what they load at run time without linking it: Qt's
# platform plugins, Qt's Japanese translation and a Japanese font.

install(FILES ${PROJECT_SOURCE_DIR}/docs/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
set(SKYCALC_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${SKYCALC_CHANGELOG_GZ}
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/docs/debian/changelog > ${SKYCALC_CHANGELOG_GZ}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/debian/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${SKYCALC_CHANGELOG_GZ})
install(FILES ${SKYCALC_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skycalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillmoor Software Workshop")
set(CPACK_PACKAGE_CONTACT "Quillmoor Software Workshop <skycalc@quillmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pocket calculator for positional astronomy")
# CPack adds the summary as the synopsis and indents every line of this by
# one space; an empty line becomes the " ." of a new paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop calculator laid out like a pocket calculator: key a date, time,
site and time zone and read the Julian Day or the local sidereal time and
the place of the Sun, the planets, the Moon, 21 bright stars or the 88
constellations, in equatorial or horizontal coordinates. A precise model
gives apparent places good to an arcminute. The times of rising, transit
and setting and of twilight are shown for any day (出没時刻), with the
body's magnitude, phase, size, distance and constellation at the stored
time (この時刻); the Japanese almanac (暦) shows a month with the Moon's
age, the solar terms, the Moon's phases and the seasonal days; and every
solar and lunar eclipse of a year (日食・月食) is listed with its contacts
as seen from the site.

skycalc-cli computes the same readouts, tables, events, almanac and
eclipses from the command line. The window's texts are Japanese; the
manual pages are in English and Japanese.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmoor.example/skycalc/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR OFF)
find_program(SKYCALC_DPKG dpkg)
if(SKYCALC_DPKG)
  execute_process(COMMAND ${SKYCALC_DPKG} --print-architecture OUTPUT_VARIABLE SKYCALC_DEB_ARCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
  set(SKYCALC_DEB_ARCH amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${SKYCALC_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME "skycalc_${PROJECT_VERSION}_${SKYCALC_DEB_ARCH}.deb")
include(CPack)
