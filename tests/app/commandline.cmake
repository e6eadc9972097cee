# SPDX-License-Identifier: GPL-3.0-or-later
# The real program asked for what it does not know: it ends at once with status 2 and one Italian line
# on standard error that names the values known, and shows nothing; asked for the help, it prints it
# and ends with 0.
#   cmake -DPROGRAM=path/to/abacolo -P commandline.cmake
function(run expected_status)
    execute_process(COMMAND ${PROGRAM} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                    TIMEOUT 30)
    if(NOT status STREQUAL expected_status)
        list(JOIN ARGN " " given)
        message(FATAL_ERROR "abacolo ${given}: status ${status}, not ${expected_status}\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

run(2 --entro 98)
# Qt's own notes (a missing runtime folder) may stand beside it; the program's line is one.
string(REGEX MATCHALL "abacolo: [^\n]*\n" lines "${err}")
list(LENGTH lines count)
if(NOT count EQUAL 1 OR NOT lines MATCHES "«98».*99, 999 e 9999" OR NOT out STREQUAL "")
    message(FATAL_ERROR "abacolo --entro 98 answered:\n${out}${err}")
endif()

run(2 --senza-riporto)
if(NOT err MATCHES "abacolo: opzione sconosciuta «--senza-riporto»[^\n]*--entro 99\\|999\\|9999")
    message(FATAL_ERROR "abacolo --senza-riporto answered:\n${err}")
endif()

run(0 --help)
if(NOT out MATCHES "^Uso: abacolo \\[--entro 99\\|999\\|9999\\] \\[--senza-cambio\\]")
    message(FATAL_ERROR "abacolo --help printed:\n${out}")
endif()
