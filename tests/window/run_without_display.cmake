# Starts the program without a usable display, one row at a time: with every
# display variable removed, and with an X display nobody serves, it must exit
# with status 1 and one line saying what is wrong and how to run it; with a
# platform plugin that does not exist, one line naming it and those there
# are; with a platform asked for, it must start without a display and keep
# running (stopped by the timeout), passing on what Qt said as Qt says it.
# Rows: name|settings|arguments|outcome|stderr, "-" for none; settings are
# separated by spaces, and a list of platforms by commas.
cmake_policy(SET CMP0007 NEW)
set(hint "run it on a desktop, or under a virtual one: xvfb-run -a [^\n]*orvane\n$")
set(no_plugin "^orvane: no usable Qt platform plugin \"nosuch\"[;] available: [^\n]*offscreen[^\n]*\n$")
set(rows
    "no display|-|-|1|^orvane: no display found[;] ${hint}"
    "unreachable X display|DISPLAY=:65531|-|1|^orvane: cannot open the display \\(DISPLAY=:65531\\)[;] ${hint}"
    "-platform offscreen|-|-platform offscreen|running|-"
    "-platform=offscreen|-|-platform=offscreen|running|-"
    "QT_QPA_PLATFORM=offscreen|QT_QPA_PLATFORM=offscreen|-|running|-"
    "misspelt -platform|-|-platform nosuch|1|${no_plugin}"
    "misspelt QT_QPA_PLATFORM|QT_QPA_PLATFORM=nosuch DISPLAY=:65531|-|1|${no_plugin}"
    "Qt's messages passed on|WAYLAND_DISPLAY=orvane-none QT_QPA_PLATFORM=wayland,offscreen|-|running|^([^\n]*\n)*Failed to create wl_display")

foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 setting)
    list(GET fields 2 given)
    list(GET fields 3 expected)
    list(GET fields 4 pattern)
    # Set here and inherited: a list in a command line would be split at ";".
    foreach(name DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM)
        unset(ENV{${name}})
    endforeach()
    if(NOT setting STREQUAL "-")
        separate_arguments(settings UNIX_COMMAND "${setting}")
        foreach(assignment IN LISTS settings)
            string(REGEX MATCH "^([^=]*)=(.*)$" _ "${assignment}")
            string(REPLACE "," ";" value "${CMAKE_MATCH_2}")
            set(ENV{${CMAKE_MATCH_1}} "${value}")
        endforeach()
    endif()
    set(arguments)
    if(NOT given STREQUAL "-")
        separate_arguments(arguments UNIX_COMMAND "${given}")
    endif()
    execute_process(
        COMMAND ${ORVANE} ${arguments}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err
        TIMEOUT 3)
    if(expected STREQUAL "running")
        if(NOT status MATCHES "timeout")
            message(SEND_ERROR "${name}: expected it to keep running, got status '${status}'; stderr: ${err}")
        elseif(NOT pattern STREQUAL "-" AND NOT err MATCHES "${pattern}")
            message(SEND_ERROR "${name}: unexpected message on stderr: '${err}'")
        endif()
    elseif(NOT status EQUAL expected)
        message(SEND_ERROR "${name}: expected exit status ${expected}, got '${status}'; stderr: ${err}")
    elseif(NOT err MATCHES "${pattern}")
        message(SEND_ERROR "${name}: unexpected message on stderr: '${err}'")
    elseif(NOT out STREQUAL "")
        message(SEND_ERROR "${name}: unexpected output on stdout: '${out}'")
    endif()
endforeach()
