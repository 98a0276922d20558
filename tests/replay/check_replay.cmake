# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the replay driver on SCRIPT and compares its exit status, standard
# output and (when EXPECTED_ERROR is given) standard error with the files.
execute_process(COMMAND ${REPLAY} INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${err}")
endif()
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
    message(FATAL_ERROR "standard output differs from ${EXPECTED}:\n${out}")
endif()
if(DEFINED EXPECTED_ERROR)
    file(READ ${EXPECTED_ERROR} expected_err)
    if(NOT err STREQUAL expected_err)
        message(FATAL_ERROR "standard error differs from ${EXPECTED_ERROR}:\n${err}")
    endif()
elseif(NOT err STREQUAL "")
    message(FATAL_ERROR "unexpected standard error:\n${err}")
endif()
