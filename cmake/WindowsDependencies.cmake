# The outside libraries of a MinGW cross-build, which Debian has only for
# Linux. They are built here from sources that tools/windows-sources.sh
# fetched with apt-get source into KALVEST_WINDOWS_SOURCES, and given the
# target names that the Linux build's find_package and pkg_check_modules
# calls give, so the rest of the build is the same on both:
#   PkgConfig::ERFA                 ERFA, from its C sources;
#   date::date-tz                   the date/tz library, reading the IANA
#                                   text data (no system zone files there);
#   CLI11::CLI11, nlohmann_json::nlohmann_json
#                                   header-only, from the Linux headers;
#   GTest::gtest, GTest::gmock, GTest::gtest_main
#                                   from /usr/src/googletest.
# ICU is not among them: on Windows the core converts and maps case with
# the system's own calls.
set(KALVEST_WINDOWS_SOURCES "" CACHE PATH
    "Folder holding the unpacked source packages erfa, howardhinnant-date and tzdata")
if(NOT IS_DIRECTORY "${KALVEST_WINDOWS_SOURCES}")
  message(FATAL_ERROR "A Windows build needs -DKALVEST_WINDOWS_SOURCES=<folder>, "
                      "as tools/windows-sources.sh fills it")
endif()

function(kalvest_one_folder variable pattern)
  file(GLOB candidates LIST_DIRECTORIES true "${KALVEST_WINDOWS_SOURCES}/${pattern}")
  set(found "")
  foreach(candidate IN LISTS candidates)
    if(IS_DIRECTORY ${candidate})
      list(APPEND found ${candidate})
    endif()
  endforeach()
  list(LENGTH found count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one folder ${pattern} in ${KALVEST_WINDOWS_SOURCES}")
  endif()
  set(${variable} ${found} PARENT_SCOPE)
endfunction()

# Static executables: no libstdc++, libgcc or winpthread DLL has to travel
# with them, nor be found by Wine.
string(APPEND CMAKE_EXE_LINKER_FLAGS " -static")

# Library code compiled here is not ours: its warnings do not stop the build.
function(kalvest_foreign_library target)
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
  target_compile_options(${target} PRIVATE -w)
endfunction()

# ERFA: plain C. erfaversion.c wants the version macros of ERFA's configure
# step; t_erfa_c*.c are ERFA's own test programs.
kalvest_one_folder(erfa_dir "erfa-*")
file(GLOB erfa_sources ${erfa_dir}/src/*.c)
list(FILTER erfa_sources EXCLUDE REGEX "/(t_erfa_c[^/]*|erfaversion)\\.c$")
add_library(kalvest_erfa STATIC ${erfa_sources})
target_include_directories(kalvest_erfa SYSTEM PUBLIC ${erfa_dir}/src)
kalvest_foreign_library(kalvest_erfa)
add_library(PkgConfig::ERFA ALIAS kalvest_erfa)

# The date/tz library over the IANA text files, which the build puts into
# the folder "tzdata" beside the programs (see app/datetime); nothing is
# downloaded at run time.
kalvest_one_folder(date_dir "howardhinnant-date-*")
add_library(kalvest_date_tz STATIC ${date_dir}/src/tz.cpp)
target_include_directories(kalvest_date_tz SYSTEM PUBLIC ${date_dir}/include)
target_compile_definitions(kalvest_date_tz PUBLIC
    USE_OS_TZDB=0 AUTO_DOWNLOAD=0 HAS_REMOTE_API=0)
target_link_libraries(kalvest_date_tz PUBLIC shell32 ole32)
kalvest_foreign_library(kalvest_date_tz)
add_library(date::date-tz ALIAS kalvest_date_tz)

kalvest_one_folder(tzdata_dir "tzdata-*")
set(KALVEST_TZDATA_DIR ${tzdata_dir})
find_file(KALVEST_WINDOWS_ZONES windowsZones.xml
          PATHS /usr/share/unicode/cldr/common/supplemental NO_CMAKE_FIND_ROOT_PATH
          NO_DEFAULT_PATH REQUIRED)

# Header-only libraries: only their own folders, never all of /usr/include,
# whose Linux headers would shadow MinGW's.
set(header_root ${CMAKE_BINARY_DIR}/linux-headers)
foreach(folder IN ITEMS CLI nlohmann)
  file(MAKE_DIRECTORY ${header_root})
  file(CREATE_LINK /usr/include/${folder} ${header_root}/${folder} SYMBOLIC)
endforeach()
add_library(kalvest_header_libraries INTERFACE)
target_include_directories(kalvest_header_libraries SYSTEM INTERFACE ${header_root})
add_library(CLI11::CLI11 ALIAS kalvest_header_libraries)
add_library(nlohmann_json::nlohmann_json ALIAS kalvest_header_libraries)

if(KALVEST_WITH_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(target IN ITEMS gtest gmock gtest_main gmock_main)
    kalvest_foreign_library(${target})
  endforeach()
endif()
