# receipts_add_test: one GoogleTest program of the suite, the way every test folder declares it.
#
#   receipts_add_test(NAME SOURCES file... LINK library... [MAIN core|gui|widgets]
#                     [DEFINITIONS name=value...] [PROPERTIES property value...])
#
# The program runs in a fresh temporary folder (tests/support/testmain.cpp) inside the kind of Qt
# application MAIN names, core by default; programs that draw run on the offscreen platform. Each of its
# tests becomes a ctest of the same name, with PROPERTIES set on it. The program joins receipts-tests,
# the target that builds every test and what the tests run.
function(receipts_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 test "" "MAIN" "SOURCES;LINK;DEFINITIONS;PROPERTIES")
  if(NOT test_MAIN)
    set(test_MAIN core)
  endif()
  add_executable(${name} ${test_SOURCES})
  target_link_libraries(${name} PRIVATE ${test_LINK} test_main_${test_MAIN})
  target_compile_definitions(${name} PRIVATE ${test_DEFINITIONS})
  set(properties ${test_PROPERTIES})
  if(NOT test_MAIN STREQUAL "core")
    list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endif()
  # Listing the tests starts the program once; a sanitized program starts slowly.
  gtest_discover_tests(${name} PROPERTIES ${properties} DISCOVERY_TIMEOUT 30)
  set_property(GLOBAL APPEND PROPERTY RECEIPTS_TEST_PROGRAMS ${name})
endfunction()
