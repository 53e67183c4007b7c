# Fails when a source of engine/ includes a header of a layer above it (run/, batch/, ui/), or
# a quoted header that is not its own: the engine depends on nothing above it, so it can be
# built, tested and reused without a window or a console.
#   cmake -DSOURCE_DIR=<project> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB engine_sources "${SOURCE_DIR}/engine/*.h" "${SOURCE_DIR}/engine/*.cpp")
file(GLOB_RECURSE above RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/run/*.h" "${SOURCE_DIR}/batch/*.h" "${SOURCE_DIR}/ui/*.h")
list(TRANSFORM above REPLACE "^[a-z]+/(.*/)?" "")
foreach(source IN LISTS engine_sources)
    file(STRINGS "${source}" includes REGEX "^#include")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" quoted "${line}")
        set(header "${CMAKE_MATCH_1}")
        if(header IN_LIST above OR (quoted MATCHES "^\"" AND NOT EXISTS "${SOURCE_DIR}/engine/${header}"))
            message(SEND_ERROR "${source}: ${line} reaches above the engine")
        endif()
    endforeach()
endforeach()
