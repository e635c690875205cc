# The installed program and its Debian package (`cpack -G DEB` in the build folder): receipts-host on the
# PATH, the component library hosts load with the header they include, the program's reports, the menu
# entry and its icon, the README, the rights of the counters' role on a PostgreSQL shop database. The demo
# shop is inside receipts-host, which sets it up on a first run or with --create-demo. The scenario runner's
# library stays out: --script runs scenarios inside the host.
install(TARGETS receipts-host RUNTIME DESTINATION ${RECEIPTS_INSTALL_BINDIR})
install(TARGETS k8tr4072 LIBRARY DESTINATION ${RECEIPTS_INSTALL_LIBDIR})
install(FILES ${CMAKE_SOURCE_DIR}/include/k8tr4072.h DESTINATION include)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/reports/ DESTINATION ${RECEIPTS_INSTALL_DATADIR}/reports)
install(FILES ${CMAKE_SOURCE_DIR}/db/postgres/counters.sql DESTINATION ${RECEIPTS_INSTALL_DATADIR}/postgres)
install(FILES ${CMAKE_SOURCE_DIR}/package/receipts.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/package/receipts.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/receipts)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME receipts)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Shop receipts: the register of a shop's customer receipts")
set(CPACK_PACKAGE_CONTACT "Shop receipts maintainers <receipts@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the program and the component link come from dpkg-shlibdeps; the QtSql plugins the enabled
# drivers connect through are loaded at run time, so each driver names its own. Reports need a font to lay
# out their text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
get_property(plugins GLOBAL PROPERTY RECEIPTS_PACKAGE_DEPENDS)
list(JOIN plugins ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
