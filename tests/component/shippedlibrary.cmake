# The library a host loads: its dynamic symbols are the four entry points, and none of its symbols belongs
# to the scenario runner or the database scripts.
execute_process(COMMAND nm -D --defined-only ${LIBRARY} OUTPUT_VARIABLE dynamic COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^ \n]+\n" names "${dynamic}")
list(SORT names)
string(REPLACE "\n" "" names "${names}")
if(NOT names STREQUAL "DllCanUnloadNow;DllGetClassObject;DllRegisterServer;DllUnregisterServer")
  message(FATAL_ERROR "${LIBRARY} exports more than its entry points:\n${dynamic}")
endif()
execute_process(COMMAND nm -C ${LIBRARY} OUTPUT_VARIABLE all COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]*(scenario::|db::)[^\n]*" carried "${all}")
if(carried)
  message(FATAL_ERROR "${LIBRARY} carries the scenario runner or the demo data:\n${carried}")
endif()
