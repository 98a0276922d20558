# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own Python, which has the python3-pyatspi and python3-xlib modules
# (a python3 found earlier on PATH may lack them).
set(KALVORA_TEST_PYTHON /usr/bin/python3 CACHE FILEPATH "Python with pyatspi and Xlib")

# kalvora_desktop_test(NAME [A11Y] [WAYLAND] NEEDS "TOOL..." TIMEOUT SECONDS COMMAND ...)
# A test that runs its command on a private desktop (private-desktop, with an
# accessibility bus for A11Y, a weston compositor for WAYLAND), labelled xvfb
# and skipped (77) where Xvfb or a tool it needs is missing.
function(kalvora_desktop_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "A11Y;WAYLAND" "NEEDS;TIMEOUT" "COMMAND")
    set(options)
    if(arg_A11Y)
        list(APPEND options --a11y)
    endif()
    if(arg_WAYLAND)
        list(APPEND options --wayland)
    endif()
    add_test(NAME ${name}
        COMMAND sh ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/private-desktop ${options}
                --needs "${arg_NEEDS}" -- ${arg_COMMAND})
    set_tests_properties(${name} PROPERTIES LABELS xvfb SKIP_RETURN_CODE 77 TIMEOUT ${arg_TIMEOUT})
endfunction()
