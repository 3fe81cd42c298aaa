# Fails when a source file includes a room above its own, or a room beside it on the same floor.
# Run by ctest: cmake -DSOURCE_DIR=<src> -P check-rooms.cmake
#
# The floors of src/, the lowest first. A room may include its own files and the rooms of any
# lower floor; rooms that share a floor never include each other.
set(ORVANTA_FLOORS
    "ports"
    "core form_types"
    "toolkit forms"
    "settings timetable about desktop appearance planner"
    "app")

set(floorOfRoom "")
set(floor 0)
foreach(rooms IN LISTS ORVANTA_FLOORS)
    separate_arguments(rooms)
    foreach(room IN LISTS rooms)
        set(FLOOR_${room} ${floor})
    endforeach()
    math(EXPR floor "${floor} + 1")
endforeach()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults 0)
set(report "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" room "${source}")
    if(NOT DEFINED FLOOR_${room})
        string(APPEND report "  ${source}: its room ${room}/ stands on no floor\n")
        math(EXPR faults "${faults} + 1")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*$" "\\1" target "${line}")
        if(target STREQUAL room OR NOT DEFINED FLOOR_${target})
            continue()
        endif()
        if(NOT FLOOR_${target} LESS FLOOR_${room})
            string(APPEND report "  ${source} includes ${target}/, which is not below ${room}/\n")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) run up or across the floors of src/:\n${report}")
endif()
