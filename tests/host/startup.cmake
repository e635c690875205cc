# receipts-host started without a display: --help and --version answer, the component is registered and
# unregistered (another installation's registration left as it is), and a scenario runs headless; the register
# says in one line that there is no display and how to run without one, and ends with 2 before it prepares its
# folder. The runs share a temporary folder, kept when a check fails.
execute_process(COMMAND mktemp -d -t receipts-startup-XXXXXX OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${work}/open.scn "database empty\nshow\n")
set(no_display --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM HOME=${work}/home
               XDG_RUNTIME_DIR=${work} K8TR4072_REGISTRY=${work}/registry.ini)
set(refused "^receipts-host: no display to open the register on[^\n]*--script FILE\n$")

# Runs the host without a display and with the variables of `env`; it must end with `status`, its output and
# its errors matching `out` and `err`, and leave the register's folder unmade.
function(check_start status out err env)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${no_display} ${env} ${HOST} ${ARGN}
                  OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr RESULT_VARIABLE result)
  if(NOT result EQUAL status OR NOT stdout MATCHES "${out}" OR NOT stderr MATCHES "${err}" OR EXISTS ${work}/app)
    message(FATAL_ERROR "${env} ${ARGN}\nended with ${result}, not ${status}; the folder is kept: ${work}\n"
                        "${stdout}${stderr}")
  endif()
endfunction()

check_start(0 "^Usage: receipts-host .*--version" "^$" "" --help)
check_start(0 "^Usage: receipts-host " "^$" "" --folder ${work}/app -h)
check_start(0 "^receipts-host ${VERSION}\ncomponent: [^\n]*libk8tr4072[^\n]*registered in ${work}/registry.ini when the register opens\n$"
            "^$" "" --version --shop 2)
check_start(0 " registered in ${work}/registry.ini: /" "^$" "" --register-component)
check_start(0 "^receipts-host ${VERSION}\ncomponent: [^\n]*, registered in ${work}/registry.ini\n$" "^$" "" --version)
check_start(0 " unregistered from " "^$" "" --unregister-component)
# A registration another installation made, naming its own library, stays.
check_start(0 " registered in " "^$" "" --register-component)
file(READ ${work}/registry.ini registry)
string(REGEX REPLACE "InprocServer=[^\n]*" "InprocServer=${work}/other.so" registry "${registry}")
file(WRITE ${work}/registry.ini "${registry}")
file(TOUCH ${work}/other.so)
check_start(0 " names ${work}/other.so for [^\n]*: left as it is\n$" "^$" "" --unregister-component)
check_start(2 "^$" "${refused}" "" --folder ${work}/app --shop 2)
check_start(2 "^$" "${refused}" "QT_QPA_PLATFORM=xcb;WAYLAND_DISPLAY=wayland-9" --folder ${work}/app)
check_start(1 "\nOPEN FrmMaster modal\n" "" "" --script ${work}/open.scn --folder ${work}/script)
file(REMOVE_RECURSE ${work})
