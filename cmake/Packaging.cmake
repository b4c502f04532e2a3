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
# plugin (the window icon) and Qt's own French texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Utilitaires du Club Zenko: ten small astronomical calculators with a
French interface. Julian Day, Greenwich sidereal time and equation of
time; local sidereal time; geocentric coordinates of a site; precession
with proper motion; equatorial to horizontal coordinates; spherical and
plane triangles; Lagrange interpolation with the zero and the extremum of
a tabulated function; orbital speeds.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
