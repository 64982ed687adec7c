# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package geomira: `cpack -G DEB` in a Release build
# (packaging/test-deb.sh builds, checks and installs it).
set(GEOMIRA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/geomira)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${GEOMIRA_DOC_DIR})
set(debian_changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${debian_changelog}
  COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${debian_changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(geomira_debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES ${debian_changelog} DESTINATION ${GEOMIRA_DOC_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME geomira)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME geomira)
set(CPACK_PACKAGE_VENDOR "Il team di Geomira")
set(CPACK_PACKAGE_CONTACT "Il team di Geomira <geomira@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of areas, surfaces and volumes of geometric figures")
# Lines of the long description are wrapped by hand: CPack keeps them as they are.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Geomira is a small desktop calculator of geometric formulas with an Italian
user interface. From the main window's menu one window opens per figure:
 - solids: rectangular parallelepiped, right cone, right circular cylinder,
   sphere;
 - plane figures: equilateral triangle and circle, square and rectangle,
   trapezoid;
 - the n-th root of a number;
 - the distance between holes spaced equally on a circle.
Measures are typed in whole millimetres; results are written in millimetres
and centimetres with the Italian decimal comma.]])
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from the binaries, the fonts that the windows' faces map to,
# and Qt's own texts in Italian.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printing loads CUPS's library when it prints, so the binary does not name it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-liberation, fonts-comic-neue, fonts-urw-base35, qt6-translations-l10n, libcups2")
# Qt's Wayland plugin, so that a Wayland desktop shows the windows natively.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
