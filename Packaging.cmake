# A Debian package of the installed tree: `cmake --build build --target package`
# (or scripts/package). Its dependencies come from the shared-library scan.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prednaprezanje)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "prednaprezanje developers <dev@prednaprezanje.local>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prestressing force of a concrete beam section by the Magnel method")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time and escape the scan: the SVG icon engine and
# the fonts the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
