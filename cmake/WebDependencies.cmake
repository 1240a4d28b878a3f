# The browser build (KALVEST_WEB): the Qt-free core compiled to
# WebAssembly with Emscripten, as `emcmake cmake -S . -B build-web
# -DKALVEST_WEB=ON` configures it. ERFA, the date/tz library and the IANA
# zone text data come from Debian's source packages, as for the Windows
# cross-build (cmake/SourcePackageLibraries.cmake); they are fetched into
# KALVEST_WEB_SOURCES when that folder does not hold them yet.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "KALVEST_WEB builds with Emscripten: "
                      "emcmake cmake -S . -B build-web -DKALVEST_WEB=ON")
endif()

set(KALVEST_WEB_SOURCES ${CMAKE_BINARY_DIR}/sources CACHE PATH
    "Folder holding the unpacked source packages erfa, howardhinnant-date and tzdata")
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/fetch-sources.sh
                        ${KALVEST_WEB_SOURCES}
                RESULT_VARIABLE fetched)
if(NOT fetched EQUAL 0)
  message(FATAL_ERROR "The source packages erfa, howardhinnant-date and tzdata could not "
                      "be fetched into ${KALVEST_WEB_SOURCES} (apt-get source needs a "
                      "deb-src entry: tools/deps.sh --windows adds it)")
endif()

# Emscripten's JavaScript optimizer, run at every link, needs Debian's node
# modules (acorn), which the installed node does not look for by itself.
if(IS_DIRECTORY /usr/share/nodejs AND NOT DEFINED ENV{NODE_PATH})
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
  set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_CXX_LINKER_LAUNCHER})
endif()

# No windows, no GoogleTest or Google Benchmark for WebAssembly: the page
# and its tests stand in web/.
set(KALVEST_WITH_GUI OFF)
set(KALVEST_WITH_TESTS OFF)
set(KALVEST_WITH_BENCH OFF)

# The core reports failures with exceptions; Emscripten only throws them
# unless told to catch them too. WebAssembly's own exception handling is
# the fastest and smallest way (Chromium and node 20 have it).
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# The zones are read as on Linux, from compiled zone files, which the
# build compiles as Debian does (web/compile-zone-files.sh) and packs into
# the module at /usr/share/zoneinfo: the text data would take a third of
# a second to read at every start, and lacks the histories before 1970
# that Debian's files take from backzone.
set(KALVEST_ZONE_FILES compiled)
set(KALVEST_SOURCE_PACKAGES ${KALVEST_WEB_SOURCES})
include(${CMAKE_CURRENT_LIST_DIR}/SourcePackageLibraries.cmake)
