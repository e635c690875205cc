# The installed program and its Debian packages (`cpack -G DEB` in the build folder). receipts: receipts-host
# on the PATH with its manual page, the component library hosts load, the program's reports, the menu entry
# and its icon, the README, the rights of the counters' role on a PostgreSQL shop database, and the scripts
# that register the component when the package is installed and unregister it when removed. receipts-dev: the
# header hosts include. The demo shop is inside receipts-host, which sets it up on a first run or with
# --create-demo. The scenario runner's library stays out: --script runs scenarios inside the host.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME runtime)
install(TARGETS receipts-host RUNTIME DESTINATION ${RECEIPTS_INSTALL_BINDIR})
install(TARGETS k8tr4072 LIBRARY DESTINATION ${RECEIPTS_INSTALL_LIBDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/reports/ DESTINATION ${RECEIPTS_INSTALL_DATADIR}/reports)
install(FILES ${CMAKE_SOURCE_DIR}/db/postgres/counters.sql DESTINATION ${RECEIPTS_INSTALL_DATADIR}/postgres)
install(FILES ${CMAKE_SOURCE_DIR}/package/receipts.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/package/receipts.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/receipts)
install(FILES ${CMAKE_SOURCE_DIR}/include/k8tr4072.h DESTINATION include COMPONENT dev)

# The packages are native, built from this tree: their version is the project's, which the changelog's latest
# entry must name.
file(STRINGS ${CMAKE_SOURCE_DIR}/package/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^receipts \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "package/changelog does not start with an entry of version ${PROJECT_VERSION}")
endif()

# The manual page is receipts-host's --help; the changelog is compressed as Debian has it, without a time
# stamp. Each package carries the copyright and the changelog in its own documentation folder.
find_program(HELP2MAN help2man REQUIRED)
set(manual ${CMAKE_BINARY_DIR}/receipts-host.1)
set(changelog ${CMAKE_BINARY_DIR}/changelog)
add_custom_command(OUTPUT ${manual}.gz ${changelog}.gz
  COMMAND ${HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
          "--name=the register of a shop's customer receipts" --output=${manual} $<TARGET_FILE:receipts-host>
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/package/changelog ${changelog}
  COMMAND gzip -9nf ${manual} ${changelog}
  DEPENDS receipts-host ${CMAKE_SOURCE_DIR}/package/changelog VERBATIM)
add_custom_target(receipts-package-docs ALL DEPENDS ${manual}.gz ${changelog}.gz)
install(FILES ${manual}.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/package/copyright ${changelog}.gz DESTINATION share/doc/receipts)
install(FILES ${CMAKE_SOURCE_DIR}/package/copyright ${changelog}.gz DESTINATION share/doc/receipts-dev
        COMPONENT dev)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME receipts)
set(CPACK_PACKAGE_CONTACT "Shop Receipts Team <receipts@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME receipts)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME receipts-dev)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "register of a shop's customer receipts
The shop-counter module of a retail and accounting suite: the register of a
shop's receipts, where the cashier enters a customer's payment, settles it
against the customer's open invoices, prints the voucher or the A4/A5 receipt
report and posts it. It works on an SQLite file, on PostgreSQL (several
counters on one server) and on ODBC data sources.

receipts-host opens the register from the menu or the command line, on a demo
shop that its first start sets up, or on the database --database names; it
also runs scenarios without a screen. Other programs load the register from
the component library libk8tr4072.so, which the package registers.")
set(CPACK_DEBIAN_DEV_DESCRIPTION "register of a shop's customer receipts - header for hosts
The C interface of the receipt register's component libk8tr4072.so, for
programs in any language that can call C: the entry points, the class
factory and the object's functions, and the look-up of the registered
library by its ProgID.")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# The component lives in a folder of its own, which the dynamic linker does not search: the maintainer
# scripts register it and call no ldconfig.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/package/postinst
    ${CMAKE_SOURCE_DIR}/package/prerm ${CMAKE_SOURCE_DIR}/package/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program and the component link come from dpkg-shlibdeps; the QtSql plugins the enabled
# drivers connect through are loaded at run time, so each driver names its own. Reports need a font to lay
# out their text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
get_property(plugins GLOBAL PROPERTY RECEIPTS_PACKAGE_DEPENDS)
list(JOIN plugins ", " CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
