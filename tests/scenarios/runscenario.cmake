# Runs one scenario in a fresh folder; the test fails unless the host ends with status 0.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${HOST} --script ${SCRIPT} --folder ${FOLDER} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} ended with status ${status}")
endif()
