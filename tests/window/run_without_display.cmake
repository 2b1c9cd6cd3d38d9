# Runs the program with every display variable removed and checks that it
# exits with status 1 and a one-line hint on how to run it.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${ORVANE}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 20)
if(NOT status EQUAL 1)
    message(FATAL_ERROR "expected exit status 1, got '${status}'; stderr: ${err}")
endif()
if(NOT err MATCHES "^orvane: no display found; [^\n]*xvfb-run -a [^\n]*orvane\n$")
    message(FATAL_ERROR "unexpected message on stderr: '${err}'")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "unexpected output on stdout: '${out}'")
endif()
