# Manual pages of kalvest and kalvest-cli, made by help2man from the
# programs' --help and --version and compressed as installed manual pages
# are. Without help2man (or when the programs cannot run here, as in a
# cross build) there are none.
find_program(KALVEST_HELP2MAN help2man)
find_program(KALVEST_GZIP gzip)
if(NOT KALVEST_HELP2MAN OR NOT KALVEST_GZIP OR CMAKE_CROSSCOMPILING)
  message(STATUS "Manual pages: not made (needs help2man and gzip, and a native build)")
  return()
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/kalvest.h2m.in
               ${CMAKE_CURRENT_BINARY_DIR}/man/kalvest.h2m @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kalvest-cli.h2m
               ${CMAKE_CURRENT_BINARY_DIR}/man/kalvest-cli.h2m COPYONLY)

set(pages "")
# kalvest_manual_page(TARGET SUMMARY)
function(kalvest_manual_page target summary)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${target}.1)
  set(include ${CMAKE_CURRENT_BINARY_DIR}/man/${target}.h2m)
  # help2man runs the program, which must not need a display or the
  # settings of whoever builds.
  add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${KALVEST_HELP2MAN} --no-info --section=1 --name=${summary}
              --include=${include} --output=${page} $<TARGET_FILE:${target}>
      COMMAND ${KALVEST_GZIP} -9 -n -f ${page}
      DEPENDS ${target} ${include}
      COMMENT "Writing the manual page of ${target}"
      VERBATIM)
  set(pages ${pages} ${page}.gz PARENT_SCOPE)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

kalvest_manual_page(kalvest-cli "the year's solar turning points on the command line")
if(KALVEST_WITH_GUI)
  kalvest_manual_page(kalvest "the year's solar turning points in a window")
endif()
add_custom_target(kalvest_manual_pages ALL DEPENDS ${pages})
