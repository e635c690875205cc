# receipts-host --script, the C host and receipts-host on its screen path print the same transcript; --script
# ends with 1 when a scenario fails, with 2 before anything runs when it cannot be read or parsed. All of it
# runs in a fresh temporary folder that holds the registry file too, kept when a check fails.
execute_process(COMMAND mktemp -d -t receipts-hosts-XXXXXX OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(ENV{K8TR4072_REGISTRY} ${work}/registry.ini)
set(ENV{RECEIPTS_SCENARIO} ${SCRIPT})
set(ENV{QT_QPA_PLATFORM} offscreen)
set(session --date 2024-03-10 --caption "Shop Receipts")
set(box "MSGBOX title=\"Shop Receipts\" icon=critical buttons=OK default=OK text=\"DefaultCounter  invalid \
parameter in Settings.ini file\" -> OK\nMSGBOX title=\"Receipts\" icon=critical buttons=OK default=OK \
text=\"Default counter in the settings file not valid. Can not continue.\" -> OK")
set(shop "OPEN FrmMaster modal\n${box}\nCLOSE FrmMaster\nOPEN FrmMaster modal\nCLOSE FrmMaster\n")

# Runs a host, which must end with the status and print the transcript ("FOLDER *" stands for any folder).
function(check_run status transcript)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
  string(REGEX REPLACE "^FOLDER [^\n]*" "FOLDER *" any "${out}")
  if(NOT result EQUAL status OR NOT (out STREQUAL transcript OR any STREQUAL transcript))
    message(FATAL_ERROR "${ARGN}\nended with ${result}, not ${status}; the folder is kept: ${work}\n${out}${err}")
  endif()
endfunction()

check_run(0 "FOLDER ${work}/script\n${shop}" ${HOST} --script ${SCRIPT} --folder ${work}/script ${session})
check_run(0 "FOLDER *\n${shop}" ${C_HOST} host ${SCENARIO_LIBRARY})
file(WRITE ${work}/open.scn "database empty\nshow\n")
check_run(1 "FOLDER *\nOPEN FrmMaster modal\nCLOSE FrmMaster\nFAIL line 2: the scenario ended with FrmMaster open\n"
          ${HOST} --script ${work}/open.scn --folder ${work}/open)
file(WRITE ${work}/broken.scn "database empty\nshow\nclick \"FrmMaster.CmdClose\n")
check_run(2 "FAIL line 3: the text has no closing quote\n" ${HOST} --script ${work}/broken.scn)
check_run(2 "FAIL line 0: cannot read ${work}/missing.scn\n" ${HOST} --script ${work}/missing.scn)
foreach(wrong "--shop;two" "--date;10/03/2024" "--date;2024-02-30" "--colour;red" "--component")
  check_run(2 "" ${HOST} --script ${work}/open.scn ${wrong})
endforeach()

# The screen path registers the library when the registry has no entry or names a file that is gone
# (--component chooses which), loads the one the registry names and prepares the folder of a first run.
# The library built with the host carries no scenario runner: asked for a scenario, its Show fails.
function(run_host expected_library status transcript)
  file(REMOVE_RECURSE ${work}/app)
  check_run(${status} "${transcript}" ${HOST} --folder ${work}/app ${session} ${ARGN})
  file(READ ${work}/registry.ini registry)
  string(REGEX MATCHALL "[^\n]*k8tr4072[^\n]*|InprocServer=[^\n]*|HelpString=[^\n]*|Default[^\n]*" entries "${registry}")
  if(NOT entries STREQUAL "[ProgID k8tr4072.clsReceiptsShop];ProgID=k8tr4072.clsReceiptsShop;InprocServer=\
${expected_library};HelpString=Receipts For Shop;DefaultInterface=_clsReceiptsShop"
     OR NOT EXISTS ${work}/app/receipts.db OR NOT EXISTS ${work}/app/shopsetting.txt)
    message(FATAL_ERROR "${expected_library} should be registered, the folder prepared: ${work}\n${registry}")
  endif()
  set(registry "${registry}" PARENT_SCOPE)
endfunction()

file(REAL_PATH ${LIBRARY} built)
get_filename_component(name ${built} NAME)
run_host(${built} 1 "")
string(REPLACE "InprocServer=${built}" "InprocServer=${work}/gone/${name}" stale "${registry}")
file(WRITE ${work}/registry.ini "${stale}")
run_host(${built} 1 "")
file(REMOVE ${work}/registry.ini)
file(REAL_PATH ${SCENARIO_LIBRARY} with_runner)
get_filename_component(name ${with_runner} NAME)
file(COPY ${with_runner} DESTINATION ${work}/copy)
run_host(${work}/copy/${name} 0 "FOLDER *\n${shop}" --component ${work}/copy/${name})
run_host(${work}/copy/${name} 0 "FOLDER *\n${shop}")

# A database named on the command line is never created: a mistyped path is refused before anything runs.
execute_process(COMMAND ${HOST} --folder ${work}/app ${session} --database ${work}/typo.db
                ERROR_VARIABLE err RESULT_VARIABLE result)
if(NOT result EQUAL 1 OR NOT err MATCHES "The shop database ${work}/typo.db does not exist" OR EXISTS ${work}/typo.db)
  message(FATAL_ERROR "a mistyped --database should be refused and not made (${result}): ${work}\n${err}")
endif()
file(REMOVE_RECURSE ${work})
