# kalvest_windows_resource(TARGET DESCRIPTION): writes the resource script
# that gives the Windows executable TARGET the program's icon and version
# information (packaging/windows/program.rc.in) and, on Windows, builds it
# into the executable. Other platforms only write the script, so that a
# test can compile it with a MinGW resource compiler.
function(kalvest_windows_resource target description)
  set(KALVEST_RC_NAME ${target})
  set(KALVEST_RC_FILE_NAME ${target}.exe)
  set(KALVEST_RC_DESCRIPTION "${description}")
  set(KALVEST_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/kalvest.ico)
  # The manifest that makes UTF-8 the program's code page. MSVC's linker
  # writes a manifest of its own and merges this one into it.
  set(manifest ${PROJECT_SOURCE_DIR}/packaging/windows/utf8.manifest)
  if(MSVC)
    set(KALVEST_RC_MANIFEST "")
    target_sources(${target} PRIVATE ${manifest})
  else()
    set(KALVEST_RC_MANIFEST "1 24 \"${manifest}\"  // the process manifest (RT_MANIFEST)")
  endif()
  set(script ${PROJECT_BINARY_DIR}/packaging/windows/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${script} @ONLY)
  if(WIN32)
    target_sources(${target} PRIVATE ${script})
  endif()
endfunction()
