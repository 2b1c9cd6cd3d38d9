# Starts the program without a usable display, one row at a time: with every
# display variable removed, and with an X display nobody serves, it must exit
# with status 1 and one line saying what is wrong and how to run it; with a
# platform asked for, it must start without a display and keep running
# (stopped by the timeout). Rows: name|setting|arguments|outcome|stderr, "-"
# for none.
cmake_policy(SET CMP0007 NEW)
set(hint "run it on a desktop, or under a virtual one: xvfb-run -a [^\n]*orvane\n$")
set(rows
    "no display|-|-|1|^orvane: no display found[;] ${hint}"
    "unreachable X display|DISPLAY=:65531|-|1|^orvane: cannot open the display \\(DISPLAY=:65531\\)[;] ${hint}"
    "-platform offscreen|-|-platform offscreen|running|-"
    "-platform=offscreen|-|-platform=offscreen|running|-"
    "QT_QPA_PLATFORM=offscreen|QT_QPA_PLATFORM=offscreen|-|running|-")

foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 setting)
    list(GET fields 2 given)
    list(GET fields 3 expected)
    list(GET fields 4 pattern)
    set(environment --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
    if(NOT setting STREQUAL "-")
        list(APPEND environment ${setting})
    endif()
    set(arguments)
    if(NOT given STREQUAL "-")
        separate_arguments(arguments UNIX_COMMAND "${given}")
    endif()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${environment} ${ORVANE} ${arguments}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err
        TIMEOUT 3)
    if(expected STREQUAL "running")
        if(NOT status MATCHES "timeout")
            message(SEND_ERROR "${name}: expected it to keep running, got status '${status}'; stderr: ${err}")
        endif()
    elseif(NOT status EQUAL expected)
        message(SEND_ERROR "${name}: expected exit status ${expected}, got '${status}'; stderr: ${err}")
    elseif(NOT err MATCHES "${pattern}")
        message(SEND_ERROR "${name}: unexpected message on stderr: '${err}'")
    elseif(NOT out STREQUAL "")
        message(SEND_ERROR "${name}: unexpected output on stdout: '${out}'")
    endif()
endforeach()
