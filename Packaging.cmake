# A Debian package of the installed tree: `cmake --build build --target package`
# (or scripts/package). Its dependencies come from the shared-library scan.
include(GNUInstallDirs)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})

# Debian wants the change log and the manual page compressed, reproducibly.
find_program(GZIP gzip REQUIRED)
foreach(source packaging/changelog docs/prednaprezanje.1)
  get_filename_component(name ${source} NAME)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
    COMMAND ${GZIP} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${gz}
    DEPENDS ${source})
  list(APPEND compressed ${gz})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz packaging/copyright docs/uputstvo.md
  DESTINATION ${doc_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/prednaprezanje.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prednaprezanje)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "prednaprezanje developers <maintainers@prednaprezanje.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prestressing force of a concrete beam section by the Magnel method")
# The extended description, in lines as Debian shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "For one prestressed concrete beam cross-section (an I-section, a T-section"
  "or a rectangle) the program finds the admissible range of the initial"
  "prestressing force by the Magnel method, gives the number of cables of a"
  "chosen type, checks the four concrete edge stresses at transfer and in"
  "service, and draws the cross-section and the Magnel diagram. Its windows"
  "and its manual are in Serbo-Croatian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Loaded at run time, so no library scan finds them: the platform plugins that
# open the window, and the fonts the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
