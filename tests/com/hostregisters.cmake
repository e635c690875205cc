# receipts-host obtains the component through the registry: it registers the library when the registry
# has no entry or names a file that is gone, and --component chooses the library to register.
set(ENV{K8TR4072_REGISTRY} ${FOLDER}/registry.ini)
set(ENV{RECEIPTS_SCENARIO} ${SCRIPT})
set(ENV{QT_QPA_PLATFORM} offscreen)
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(REAL_PATH ${LIBRARY} built)

function(run_host expected_library)
  file(REMOVE_RECURSE ${FOLDER}/app)
  execute_process(COMMAND ${HOST} --folder ${FOLDER}/app ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "receipts-host ${ARGN} ended with ${status}:\n${out}\n${err}")
  endif()
  if(NOT out MATCHES "OPEN FrmMaster modal")
    message(FATAL_ERROR "the scenario did not run through the component:\n${out}")
  endif()
  if(NOT EXISTS ${FOLDER}/app/receipts.db OR NOT EXISTS ${FOLDER}/app/shopsetting.txt)
    message(FATAL_ERROR "the first run did not prepare the folder")
  endif()
  file(READ ${FOLDER}/registry.ini registry)
  if(NOT registry MATCHES "\\[ProgID k8tr4072\\.clsReceiptsShop\\]")
    message(FATAL_ERROR "the ProgID is not registered:\n${registry}")
  endif()
  if(NOT registry MATCHES "InprocServer=${expected_library}\n")
    message(FATAL_ERROR "the registry does not name ${expected_library}:\n${registry}")
  endif()
  set(registry "${registry}" PARENT_SCOPE)
endfunction()

# A fresh registry.
run_host(${built})
# A registration whose file is gone is renewed.
string(REPLACE "InprocServer=${built}" "InprocServer=${FOLDER}/gone/libk8tr4072.so" stale "${registry}")
if(stale STREQUAL registry)
  message(FATAL_ERROR "no registration to make stale:\n${registry}")
endif()
file(WRITE ${FOLDER}/registry.ini "${stale}")
run_host(${built})
# Another library, on a fresh registry.
file(REMOVE ${FOLDER}/registry.ini)
file(COPY ${built} DESTINATION ${FOLDER}/copy)
get_filename_component(name ${built} NAME)
run_host(${FOLDER}/copy/${name} --component ${FOLDER}/copy/${name})
# A valid registration stays as it is, whatever library the host would register.
run_host(${FOLDER}/copy/${name})
