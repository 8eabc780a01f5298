# Keeps the folders of src/ in their order: each includes only the folders below it.
#
#   platform, store, common, ui, printing, the features, shell, app
#
# The features stand side by side: a feature's core includes no other feature, and a window
# includes no other feature's window (it opens one through the command table or the desk).
# Inside a folder the core never includes its own gui/. Run as cmake -DSOURCE=<top> -P.

cmake_minimum_required(VERSION 3.25)

set(order platform store common ui printing features shell app)
set(features entry cutting settlement reports maintenance exchange spreading network)

function(rank_of folder out)
    if(folder IN_LIST features)
        list(FIND order features index)
    else()
        list(FIND order ${folder} index)
    endif()
    set(${out} ${index} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE}/src ${SOURCE}/src/*.h ${SOURCE}/src/*.cpp)
set(problems "")
foreach(file ${files})
    string(REGEX MATCH "^[^/]+" folder ${file})
    rank_of(${folder} rank)
    if(rank EQUAL -1)
        string(APPEND problems "\n  src/${file}: the folder ${folder} has no place in cmake/layers.cmake")
        continue()
    endif()
    string(FIND ${file} "/gui/" window)
    file(STRINGS ${SOURCE}/src/${file} lines REGEX "^#include \"[a-z]+/")
    foreach(line ${lines})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
        string(REGEX MATCH "^[^/]+" target ${included})
        string(FIND ${included} "/gui/" targetWindow)
        rank_of(${target} targetRank)
        set(why "")
        if(target STREQUAL folder)
            if(window EQUAL -1 AND NOT targetWindow EQUAL -1)
                set(why "a core file includes a window of its own folder")
            endif()
        elseif(targetRank EQUAL -1 OR targetRank GREATER rank)
            set(why "${folder} stands below ${target}")
        elseif(targetRank EQUAL rank)
            if(window EQUAL -1)
                set(why "a feature's core uses no other feature; what both need belongs in common/")
            elseif(NOT targetWindow EQUAL -1)
                set(why "a window opens another feature's window through the command table or the desk")
            endif()
        endif()
        if(why)
            string(APPEND problems "\n  src/${file} includes ${included}: ${why}")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "An include climbs the layers (platform, store, common, ui, printing, "
                        "the features, shell, app):${problems}")
endif()
