# SPDX-License-Identifier: GPL-3.0-or-later
# kalvora_releases(CHANGELOG VARIABLE): the metainfo's <release> elements,
# newest first, one for each entry of a Debian changelog: its version, the
# date of its trailer line and its items of change as the description.
function(kalvora_releases changelog variable)
    file(STRINGS ${changelog} lines)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(releases "")
    set(items "")
    set(item "")
    foreach(line IN LISTS lines)
        string(REPLACE "&" "&amp;" line "${line}")
        string(REPLACE "<" "&lt;" line "${line}")
        string(REPLACE ">" "&gt;" line "${line}")
        # An item ends where the next one or the trailer line begins.
        if(NOT item STREQUAL "" AND line MATCHES "^(  \\*| --) ")
            string(APPEND items "          <li>${item}</li>\n")
            set(item "")
        endif()
        if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\)")
            set(version "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^  \\* (.*)")
            set(item "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    +(.*)" AND NOT item STREQUAL "")
            string(APPEND item " ${CMAKE_MATCH_1}") # an item continued
        elseif(line MATCHES "^ -- ")
            if(NOT line MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) "
               OR NOT DEFINED version)
                message(FATAL_ERROR "${changelog}: cannot read the entry ending in '${line}'")
            endif()
            set(day ${CMAKE_MATCH_1})
            set(year ${CMAKE_MATCH_3})
            list(FIND months ${CMAKE_MATCH_2} month)
            math(EXPR month "${month} + 1")
            string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
            string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
            string(APPEND releases "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
                   "      <description>\n        <ul>\n${items}        </ul>\n"
                   "      </description>\n    </release>\n")
            set(items "")
            unset(version)
        endif()
    endforeach()
    set(${variable} "${releases}" PARENT_SCOPE)
endfunction()
