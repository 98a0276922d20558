# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a long script (many games, clicks on every pit, movements, thousands
# of ticks, test positions and a run-time error at the end) through the replay
# driver under valgrind, which must find no error and no leak.
set(script "${WORK_DIR}/long.script")
set(text "")
foreach(game RANGE 1 60)
    string(APPEND text "new\n")
    foreach(round RANGE 1 12)
        foreach(pit 1 9 2 10 3 11 4 12 5 13 6 14 7 15 8 16)
            string(APPEND text "move ${pit}\nclick ${pit}\n")
        endforeach()
        string(APPEND text "tick\ntick\ntick\nstate\n")
    endforeach()
    string(APPEND text "option\nstop\ntick\n")
endforeach()
string(APPEND text "setup 3 -2 15 0 0 0 0 0 0 0 15 0 0 0 0 0 0 0\nclick 9\nstate\n")
string(APPEND text "setup 1 1 0 0 0 0 0 0 2 32767 0 0 0 0 0 0 0 0\nclick 7\n")
file(WRITE ${script} "${text}")
execute_process(COMMAND ${VALGRIND} --error-exitcode=99 --leak-check=full
                        --errors-for-leak-kinds=definite,indirect ${REPLAY}
                INPUT_FILE ${script} OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status)
# Status 1 is the driver's answer to the overflow at the end; 99 is valgrind's.
if(NOT status EQUAL 1)
    message(FATAL_ERROR "status ${status}\n${err}")
endif()
