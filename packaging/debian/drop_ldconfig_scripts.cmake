# Run by CPack after it has built the Debian package (CPACK_POST_BUILD_SCRIPTS).
#
# CPack always gives a package with a library in /usr/lib a postinst and a
# postrm that run ldconfig. The package's ldconfig trigger (the file
# "triggers") already has dpkg do that once per run, as Debian asks; and a
# postrm would keep a removed package in dpkg's database, in the state
# "config-files", until it is purged. So the two scripts are taken out
# again: the package is unpacked with its control files and built anew
# without them, its files and their owners, modes and times unchanged.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${package}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree}
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build ${tree} ${package}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
