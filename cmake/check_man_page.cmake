# Fails when the options in the man page's OPTIONS section and those that
# "EDITOR --help" prints are not the same.
# Usage: cmake -DEDITOR=program -DMAN_PAGE=page -P check_man_page.cmake

execute_process(COMMAND ${EDITOR} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${EDITOR} --help failed: ${status}")
endif()

# Option lines of --help start with two spaces and a dash; their continuation lines
# are indented further.
string(REGEX MATCHALL "\n  -[^ ,\n]*(, -[^ ,\n]*)*" option_lines "${help}")
set(help_options)
foreach(line IN LISTS option_lines)
    string(REGEX MATCHALL "--?[a-z][a-z-]*" names "${line}")
    list(APPEND help_options ${names})
endforeach()

file(READ ${MAN_PAGE} page)
string(REPLACE "\\-" "-" page "${page}")
string(REGEX MATCH "\n\\.SH OPTIONS\n.*" options_section "${page}")
string(REGEX REPLACE "^\n\\.SH OPTIONS" "" options_section "${options_section}")
string(REGEX REPLACE "\n\\.SH .*" "" options_section "${options_section}")
string(REGEX MATCHALL "\\.TP\n[^\n]*" entries "${options_section}")
set(man_options)
foreach(entry IN LISTS entries)
    string(REGEX MATCHALL "[ \"]--?[a-z][a-z-]*" names "${entry}")
    list(TRANSFORM names REPLACE "^[ \"]" "")
    list(APPEND man_options ${names})
endforeach()

list(SORT help_options)
list(SORT man_options)
if(NOT help_options STREQUAL man_options)
    set(missing ${help_options})
    list(REMOVE_ITEM missing ${man_options})
    set(extra ${man_options})
    list(REMOVE_ITEM extra ${help_options})
    message(FATAL_ERROR "${MAN_PAGE} does not match --help.\n"
                        "  missing from the man page: ${missing}\n"
                        "  no longer in --help: ${extra}")
endif()
message(STATUS "man page lists ${man_options}")
