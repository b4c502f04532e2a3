if(NOT TARGET zenko)
  return()
endif()
# `cpack -G DEB` in the build directory makes zenko_<version>_amd64.deb from
# the installation rules of cmake/Install.cmake.
set(CPACK_PACKAGE_NAME zenko)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Club d'Astronomie Zenko")
set(CPACK_PACKAGE_CONTACT ${ZENKO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "astronomical calculators of the Club Zenko")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
# Installed as root's files under /usr, with the prefix known to the
# installation code (the desktop entry names the launcher's path).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZENKO_MAINTAINER})
# Libraries from dpkg-shlibdeps, plus what Qt loads at run time: the SVG
# plugin (the window icon). Recommended: Qt's own French texts (without them
# its few texts stay in English) and xdg-open, which opens the help pages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Utilitaires du Club Zenko: ten small astronomical calculators with a
French interface. Julian Day, Greenwich sidereal time and equation of
time; local sidereal time; geocentric coordinates of a site; precession
with proper motion; equatorial to horizontal coordinates; spherical and
plane triangles; Lagrange interpolation with the zero and the extremum of
a tabulated function; orbital speeds.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Qt's resource compiler would store each resource's file date in the
# program: without them, any checkout of a commit gives the same program.
set_property(TARGET zenko_qt APPEND PROPERTY AUTORCC_OPTIONS --format-version 1)

# The same commit gives the same package bytes: cpack dates every file of
# the package at SOURCE_DATE_EPOCH, taken (when not already set) from the
# last commit when the package is made. Owners are root, the order is
# cpack's own, and the compressed files hold no name or time.
configure_file(${CMAKE_CURRENT_LIST_DIR}/CPackProject.cmake.in
               ${CMAKE_BINARY_DIR}/CPackProject.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProject.cmake)
include(CPack)

# The package's own check (lintian, its contents, two makings compared):
# it only needs the programs, so it is there even without BUILD_TESTING,
# as in the package preset. Not for the sanitizer build, whose programs are
# not for users.
if(NOT ZENKO_SANITIZE)
  add_test(NAME package.deb COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package_check.sh
           ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
  set_tests_properties(package.deb PROPERTIES TIMEOUT 600)
endif()
