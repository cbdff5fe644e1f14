# Compiles each fence probe of cmake/Fences.cmake with its own compile command, as the build
# would, beside links to everything in its layer's folder; each must fail, and on its own include.
cmake_minimum_required(VERSION 3.22)
include(${KORDELAN_BUILD}/fences/Probes.cmake)
file(READ ${KORDELAN_BUILD}/compile_commands.json commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")

# Compiles the probe named target; its result and what the compiler said go to rc and said.
function(compile_probe target folder)
    foreach(i RANGE ${last})
        string(JSON file GET "${commands}" ${i} file)
        if(file MATCHES "/fences/${folder}/${target}\\.cpp$")
            string(JSON command GET "${commands}" ${i} command)
            string(JSON directory GET "${commands}" ${i} directory)
            execute_process(COMMAND sh -c "${command}" WORKING_DIRECTORY ${directory}
                            RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
            set(rc ${result} PARENT_SCOPE)
            set(said "${out}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(rc 0 PARENT_SCOPE)
    set(said "no compile command for ${target}" PARENT_SCOPE)
endfunction()

set(leaks 0)
set(linked "")
foreach(probe IN LISTS KORDELAN_PROBES)
    string(REPLACE "|" ";" parts "${probe}")
    list(GET parts 0 target)
    list(GET parts 1 folder)
    list(GET parts 2 header)
    # The links are made now, so that the probe sees its folder as it is, not as configured.
    if(NOT folder IN_LIST linked)
        file(GLOB entries LIST_DIRECTORIES true RELATIVE ${KORDELAN_SOURCE}/${folder}
             ${KORDELAN_SOURCE}/${folder}/*)
        foreach(entry IN LISTS entries)
            file(CREATE_LINK ${KORDELAN_SOURCE}/${folder}/${entry}
                 ${KORDELAN_BUILD}/fences/${folder}/${entry} SYMBOLIC)
        endforeach()
        list(APPEND linked ${folder})
    endif()
    list(LENGTH parts count)
    if(count GREATER 3)
        list(GET parts 3 says)
    else()
        # Not found, as gcc and clang say it.
        string(REGEX REPLACE "^[\"<](.*)[\">]$" "\\1" name "${header}")
        set(says "${name}(: No such file|' file not found)")
    endif()
    compile_probe(${target} ${folder})
    if(NOT rc EQUAL 0 AND said MATCHES "${says}")
        message(STATUS "${target}: #include ${header} refused")
    else()
        message(SEND_ERROR "${target}: #include ${header} was not refused:\n${said}")
        math(EXPR leaks "${leaks} + 1")
    endif()
endforeach()
if(leaks GREATER 0)
    message(FATAL_ERROR "${leaks} fence(s) let an include through")
endif()

# A quoted include is first looked up beside the file that includes it, past every view: one that
# climbs out of its folder ("../") would reach any layer, and one found beside its file whatever
# shares the folder (the number formats share platform/). Includes are written from the source
# root, so no source of a layer has either.
file(GLOB_RECURSE sources ${KORDELAN_SOURCE}/app/* ${KORDELAN_SOURCE}/engine/*
     ${KORDELAN_SOURCE}/kit/* ${KORDELAN_SOURCE}/platform/* ${KORDELAN_SOURCE}/qt/*
     ${KORDELAN_SOURCE}/report/* ${KORDELAN_SOURCE}/review/*)
set(astray "")
foreach(source IN LISTS sources)
    get_filename_component(folder ${source} DIRECTORY)
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" name "${line}")
        if(name MATCHES "\\.\\./" OR EXISTS ${folder}/${name})
            list(APPEND astray "${source}: ${line}")
        endif()
    endforeach()
endforeach()
if(astray)
    string(REPLACE ";" "\n" astray "${astray}")
    message(FATAL_ERROR "Includes that climb out of their folder or are found beside their file:\n"
                        "${astray}")
endif()
message(STATUS "Every include of the layers is written from the source root")
