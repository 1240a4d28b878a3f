# The Debian package, built with CPack (cpack -G DEB in the build folder, or
# the "package" target): kalvest_<version>_<architecture>.deb. It installs
# under /usr whatever the build's own install prefix (/usr/local when none
# is given), as a Debian package belongs there; the installed programs find
# their files relative to their own place, so the prefix they were built
# for does not matter. A build configured with -DCMAKE_INSTALL_PREFIX=/usr
# puts the library in Debian's multiarch folder (lib/x86_64-linux-gnu),
# any other in lib.
#
# Its dependencies are computed by dpkg-shlibdeps from the shared libraries
# the programs and varquel link, so a new library is picked up by itself.

# The copyright and licence in Debian's machine-readable format, which every
# installation gets, and the package's change log, compressed as Debian
# requires.
set(debian_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/kalvest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in
               ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright DESTINATION ${debian_doc_dir})

find_program(KALVEST_GZIP gzip)
find_program(KALVEST_DPKG dpkg)
if(NOT KALVEST_GZIP OR NOT KALVEST_DPKG)
  return()
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in
               ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)

set(changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${KALVEST_GZIP} -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog > ${changelog}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog.in
    COMMENT "Compressing the package's change log")
add_custom_target(kalvest_debian_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${debian_doc_dir})

# The version of the package: the program's version with a third number,
# which counts releases of the same program version (7.0.0, 7.0.1, ...).
set(KALVEST_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^kalvest \\(${KALVEST_PACKAGE_VERSION}\\)")
  message(WARNING "packaging/debian/changelog.in has no entry for ${KALVEST_PACKAGE_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvest)
set(CPACK_PACKAGE_VENDOR "Kalvest developers")
set(CPACK_PACKAGE_VERSION ${KALVEST_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "year's solar turning points: equinoxes, solstices, cross-quarter days")
set(CPACK_PACKAGE_DESCRIPTION [[
Kalvest computes the dates and times of the March and September equinoxes,
the June and December solstices and the cross-quarter days Imbolc, Beltane,
Lughnassad and Samhain, by the mean sun and by the true sun, for any year
from -3000 to 3000, in the proleptic Gregorian or the Julian calendar, in
the named time zones of the IANA database with their summer time or at a
fixed offset from GMT, to the minute or to the second. It also gives the
24 solar terms and the Moon's year, every phase with its eclipses, and
draws the year as a wheel (SVG, PNG or PDF).

The package holds the window program kalvest, with the Moon list and the
wheel; the command-line tool kalvest-cli, which writes text, CSV, JSON or
iCalendar; and varquel, a small shared library with a C interface for
Delta T, the phases of the Moon and eclipses, with its header, a
pkg-config file and a CMake package.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KALVEST_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Tells dpkg-shlibdeps which package provides libvarquel.so.1 (this one),
# and writes the shlibs file that other packages' dependencies come from.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Opened at run time rather than linked, so no tool can find them: the web
# opener for the links, and the fonts the windows ask for by name (Arial,
# Courier New, and a fixed-pitch font with Chinese characters for the solar
# terms).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, fonts-liberation, fonts-noto-cjk")
# dpkg runs ldconfig through this trigger; CPack's own maintainer scripts
# for it are dropped again after the build (see there).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/triggers)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/drop_ldconfig_scripts.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
