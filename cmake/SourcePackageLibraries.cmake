# The outside libraries of a build for a platform that Debian builds them
# not for (MinGW for Windows, Emscripten for the browser), compiled here
# from Debian's source packages, which tools/windows/fetch-sources.sh
# unpacks into one folder, KALVEST_SOURCE_PACKAGES. They get the target
# names that the Linux build's find_package and pkg_check_modules calls
# give, so the rest of the build is the same everywhere:
#   PkgConfig::ERFA                 ERFA, from its C sources;
#   date::date-tz                   the date/tz library (kalvest_date_tz);
#   CLI11::CLI11, nlohmann_json::nlohmann_json
#                                   header-only, from the Linux headers.
# KALVEST_TZDATA_SOURCE_DIR is the IANA zone text data of the tzdata
# source package. KALVEST_ZONE_FILES says how the date/tz library reads it:
#   text      the text files themselves, which app/datetime copies beside
#             the programs (KALVEST_TZDATA_DIR);
#   compiled  compiled zone files in /usr/share/zoneinfo, as on Linux,
#             which the build provides itself (see web/).
# ICU is not among them: there the core converts UTF-8 and maps case
# without it (app/common).
if(NOT IS_DIRECTORY "${KALVEST_SOURCE_PACKAGES}")
  message(FATAL_ERROR "No folder of source packages at '${KALVEST_SOURCE_PACKAGES}' "
                      "(tools/windows/fetch-sources.sh FOLDER fills one)")
endif()

function(kalvest_one_folder variable pattern)
  file(GLOB candidates LIST_DIRECTORIES true "${KALVEST_SOURCE_PACKAGES}/${pattern}")
  set(found "")
  foreach(candidate IN LISTS candidates)
    if(IS_DIRECTORY ${candidate})
      list(APPEND found ${candidate})
    endif()
  endforeach()
  list(LENGTH found count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one folder ${pattern} in ${KALVEST_SOURCE_PACKAGES}")
  endif()
  set(${variable} ${found} PARENT_SCOPE)
endfunction()

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

# The date/tz library; nothing is downloaded at run time.
kalvest_one_folder(date_dir "howardhinnant-date-*")
add_library(kalvest_date_tz STATIC ${date_dir}/src/tz.cpp)
target_include_directories(kalvest_date_tz SYSTEM PUBLIC ${date_dir}/include)
if(KALVEST_ZONE_FILES STREQUAL "compiled")
  target_compile_definitions(kalvest_date_tz PUBLIC USE_OS_TZDB=1)
else()
  target_compile_definitions(kalvest_date_tz PUBLIC
      USE_OS_TZDB=0 AUTO_DOWNLOAD=0 HAS_REMOTE_API=0)
endif()
kalvest_foreign_library(kalvest_date_tz)
add_library(date::date-tz ALIAS kalvest_date_tz)

kalvest_one_folder(KALVEST_TZDATA_SOURCE_DIR "tzdata-*")
if(NOT KALVEST_ZONE_FILES STREQUAL "compiled")
  set(KALVEST_TZDATA_DIR ${KALVEST_TZDATA_SOURCE_DIR})
endif()

# Header-only libraries: only their own folders, never all of /usr/include,
# whose Linux headers would shadow the platform's.
set(header_root ${CMAKE_BINARY_DIR}/linux-headers)
foreach(folder IN ITEMS CLI nlohmann)
  file(MAKE_DIRECTORY ${header_root})
  file(CREATE_LINK /usr/include/${folder} ${header_root}/${folder} SYMBOLIC)
endforeach()
add_library(kalvest_header_libraries INTERFACE)
target_include_directories(kalvest_header_libraries SYSTEM INTERFACE ${header_root})
add_library(CLI11::CLI11 ALIAS kalvest_header_libraries)
add_library(nlohmann_json::nlohmann_json ALIAS kalvest_header_libraries)
