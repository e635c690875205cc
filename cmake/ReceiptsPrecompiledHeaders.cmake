# Precompiled headers: the Qt and standard headers the layers include most, parsed once per kind of
# target instead of once per file. Project headers stay out, so that editing one rebuilds only its users.
#
# A precompiled header makes its headers visible to every file, so a missing include goes unnoticed; CI's
# sanitized build turns them off (RECEIPTS_PCH=OFF) and so compiles every file with its own includes only.
option(RECEIPTS_PCH "Precompile the Qt and standard headers the layers use most" ON)

set(RECEIPTS_PCH_CORE
  <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QString> <QStringList>
  <QVariant> <algorithm> <functional> <map> <memory> <optional> <utility> <vector>)
set(RECEIPTS_PCH_WIDGETS ${RECEIPTS_PCH_CORE}
  <QApplication> <QComboBox> <QHeaderView> <QKeyEvent> <QLabel> <QLineEdit> <QMessageBox> <QPushButton>
  <QTableView> <QTreeView> <QWidget>)
set(RECEIPTS_PCH_TESTS ${RECEIPTS_PCH_CORE} <QTemporaryDir> <gtest/gtest.h>)

# The C++ targets defined in a folder and the folders below it.
function(receipts_cxx_targets folder result)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  set(found)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$" AND sources)
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder ${subfolders})
    receipts_cxx_targets(${subfolder} below)
    list(APPEND found ${below})
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

# A target of its own compiles each kind's header with the fewest Qt modules that kind uses: the compiler
# takes a header only into files that define every macro it was made with, and each module defines one.
function(receipts_add_pch_owner kind)
  set(empty ${CMAKE_BINARY_DIR}/pch/empty.cpp)
  file(CONFIGURE OUTPUT ${empty} CONTENT "// Compiled only to make the precompiled headers.\n")
  add_library(receipts_pch_${kind} OBJECT ${empty})
  target_link_libraries(receipts_pch_${kind} PRIVATE ${ARGN})
  target_precompile_headers(receipts_pch_${kind} PRIVATE ${RECEIPTS_PCH_${kind}})
endfunction()

# Gives every C++ target of the build but the benchmarks and those that refuse them
# (DISABLE_PRECOMPILE_HEADERS) one of three headers: the test programs and
# their support (what links GoogleTest or a test library) the tests' one, the targets that use QtWidgets
# the widgets' one, the others the core one. The benchmarks have none: the sanitized build leaves them
# out, so the ordinary build checks their includes.
function(receipts_precompile_headers)
  if(NOT RECEIPTS_PCH)
    return()
  endif()
  receipts_cxx_targets(${CMAKE_SOURCE_DIR} targets)
  receipts_add_pch_owner(CORE Qt6::Core)
  receipts_add_pch_owner(WIDGETS Qt6::Widgets)
  receipts_add_pch_owner(TESTS Qt6::Core GTest::gtest)
  foreach(target ${targets})
    get_target_property(folder ${target} SOURCE_DIR)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    get_target_property(withoutHeaders ${target} DISABLE_PRECOMPILE_HEADERS)
    set(testing ${libraries})
    list(FILTER testing INCLUDE REGEX "^(GTest::gtest|test_)")
    if(folder MATCHES "^${CMAKE_SOURCE_DIR}/bench" OR withoutHeaders)
      continue()
    elseif(testing)
      target_precompile_headers(${target} REUSE_FROM receipts_pch_TESTS)
    elseif("Qt6::Widgets" IN_LIST libraries)
      target_precompile_headers(${target} REUSE_FROM receipts_pch_WIDGETS)
    else()
      target_precompile_headers(${target} REUSE_FROM receipts_pch_CORE)
    endif()
  endforeach()
endfunction()
