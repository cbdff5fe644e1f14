# The layer fences, proved by the build: each forbidden include is tried in a scratch file
# compiled as its layer compiles its own sources, and the test LayerFences expects every one of
# them to fail on that very include (cmake/CheckFences.cmake). A quoted include is looked up
# beside the including file before any include path, so the scratch file stands where the
# layer's sources do: in a folder of the build tree that the test fills with links to everything
# in the layer's own folder.
#   layer | the include | what the compiler must say, when not that the header is not found
set(KORDELAN_FENCES
    "platform|\"app/InputWindow.h\""
    "platform|\"review/ResultsWindow.h\""
    "platform|\"qt/KeptText.h\""
    "platform|<QWidget>"
    "platform|<QtWidgets/QWidget>|Qt Widgets are used in qt/ only"
    "engine|\"platform/Window.h\""
    "engine|<QString>"
    "kit|\"app/InputWindow.h\""
    "kit|\"review/ResultsWindow.h\""
    "report|\"app/InputWindow.h\""
    "report|\"review/ResultsWindow.h\""
    "review|\"app/InputWindow.h\""
    "review|\"report/PrintDriver.h\"")

set(KORDELAN_PROBES "")
set(index 0)
foreach(fence IN LISTS KORDELAN_FENCES)
    string(REPLACE "|" ";" parts "${fence}")
    list(GET parts 0 layer)
    list(GET parts 1 header)
    set(says "")
    list(LENGTH parts count)
    if(count GREATER 2)
        list(GET parts 2 says)
    endif()
    math(EXPR index "${index} + 1")
    set(probe kordelan_fence_${index}_${layer})
    # The probe stands in the folder of its layer's first source.
    get_target_property(sources kordelan_${layer} SOURCES)
    list(GET sources 0 first)
    get_filename_component(folder ${first} DIRECTORY)
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/fences/${folder}/${probe}.cpp
         CONTENT "#include ${header}\n")
    add_library(${probe} OBJECT EXCLUDE_FROM_ALL ${CMAKE_BINARY_DIR}/fences/${folder}/${probe}.cpp)
    target_include_directories(${probe} PRIVATE
                               $<TARGET_PROPERTY:kordelan_${layer},INCLUDE_DIRECTORIES>)
    target_link_libraries(${probe} PRIVATE kordelan_${layer})
    # The first error is the one looked for; the rest of a large header would only cost time.
    # The test runs the probe's own compile command, from compile_commands.json.
    target_compile_options(${probe} PRIVATE -Wfatal-errors)
    set_target_properties(${probe} PROPERTIES EXPORT_COMPILE_COMMANDS ON)
    if(says)
        list(APPEND KORDELAN_PROBES "${probe}|${folder}|${header}|${says}")
    else()
        list(APPEND KORDELAN_PROBES "${probe}|${folder}|${header}")
    endif()
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/fences/Probes.cmake
     CONTENT "set(KORDELAN_PROBES [==[${KORDELAN_PROBES}]==])\n")

add_test(NAME LayerFences
         COMMAND ${CMAKE_COMMAND} -DKORDELAN_BUILD=${CMAKE_BINARY_DIR}
                 -DKORDELAN_SOURCE=${CMAKE_SOURCE_DIR}
                 -P ${CMAKE_SOURCE_DIR}/cmake/CheckFences.cmake)
# Started first, it runs beside the rest of the suite.
set_tests_properties(LayerFences PROPERTIES COST 10000)
