cmake_minimum_required(VERSION 3.25)
# Fails when a source of FOLDER includes a header of a core folder that is neither
# FOLDER itself nor one of ALLOWED, the folders its library links to. The linker catches
# calls across the layers; this catches headers, which it never sees.
# Usage: cmake -DROOT=<source dir> -DFOLDER=<folder> "-DALLOWED=a;b" -DCORE=<all core folders> -P check_includes.cmake
# For the shell's folders, ROOT is shell/ and PREFIX "shell/": includes then name
# "shell/<folder>/...".
file(GLOB sources ${ROOT}/${FOLDER}/*.cpp ${ROOT}/${FOLDER}/*.h)
set(wrong)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"${PREFIX}[a-z_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"${PREFIX}([a-z_]+)/.*" "\\1" used "${line}")
        if(used IN_LIST CORE AND NOT used STREQUAL FOLDER AND NOT used IN_LIST ALLOWED)
            file(RELATIVE_PATH name ${ROOT} ${source})
            list(APPEND wrong "${name}: ${line}")
        endif()
    endforeach()
endforeach()
if(wrong)
    list(JOIN wrong "\n" text)
    message(FATAL_ERROR "${FOLDER}/ includes folders it does not build on:\n${text}")
endif()
