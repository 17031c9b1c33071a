# Linux conventions for the command-line program: `cmake --install` puts mogura-cli and its man
# page in their places, and `cpack` makes a Debian package of them.
if(WIN32 OR NOT TARGET mogura-cli)
  return()
endif()
include(GNUInstallDirs)
install(TARGETS mogura-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages are installed compressed, reproducibly (no name or time in the header).
find_program(GZIP_PROGRAM gzip REQUIRED)
# The page carries the version of project(VERSION).
configure_file(${CMAKE_SOURCE_DIR}/docs/man/mogura-cli.1.in ${CMAKE_BINARY_DIR}/man/mogura-cli.1 @ONLY)
set(MAN_PAGE ${CMAKE_BINARY_DIR}/man/mogura-cli.1)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/man/mogura-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${GZIP_PROGRAM} -9nc ${MAN_PAGE} > ${CMAKE_BINARY_DIR}/man/mogura-cli.1.gz
  DEPENDS ${MAN_PAGE}
  COMMENT "Compressing the man page")
add_custom_target(man_page ALL DEPENDS ${CMAKE_BINARY_DIR}/man/mogura-cli.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/man/mogura-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mogura-cli)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Pikomaru)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make HTML pages of the pet's mail kept in a Kurumin drawer")
set(CPACK_PACKAGE_DESCRIPTION
    "mogura-cli reads one drawer of a Kurumin receive folder, picks the pet's diary, mail from the pet or the park's event mail, and writes it as HTML pages, one page or divided by month, week, day or count with an index.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pikomaru <mogura@pikomaru.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
