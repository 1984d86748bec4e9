# `cpack -G DEB` in the build directory makes an installable Debian package of
# what `cmake --install` puts in place, with the licence, the AppStream
# metainfo and the Qt libraries the program links declared as dependencies.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.brelo.brelo.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME brelo)
set(CPACK_PACKAGE_VENDOR "BRELO")
set(CPACK_PACKAGE_CONTACT "BRELO <brelo@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Optics of a Lyot coronagraph and solar ephemeris (French and English interface)")
set(CPACK_PACKAGE_DESCRIPTION "BRELO helps amateur solar observers design the optics of a Lyot coronagraph
and computes the Sun's ephemeris, with drawings of the optical train and of
the oriented solar disc. French or English user interface.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The program looks for its help pages under the prefix it was configured
# with: the package installs there too (configure with -DCMAKE_INSTALL_PREFIX=/usr).
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brelo.invalid/")
# Shared libraries as dpkg-shlibdeps finds them, plus the Qt plugins loaded at
# run time that no link line names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
# Packaging needs the program only, not the tests and benchmarks of `all`.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
