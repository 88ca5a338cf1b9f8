cmake_minimum_required(VERSION 3.25)

# Checks that lccdtool-cli links no widget toolkit: neither Qt Widgets nor Qt PrintSupport is
# among the libraries the program needs (readelf -d); only the print module may load them.
#   cmake -DPROGRAM=<lccdtool-cli> -P cmake/CheckCliLinks.cmake
execute_process(COMMAND readelf -d "${PROGRAM}"
    OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "readelf -d ${PROGRAM} failed")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^[]*\\[[^]]+\\]" needed "${dynamic}")
set(forbidden "")
foreach(entry IN LISTS needed)
    if(entry MATCHES "\\[(libQt6(Widgets|PrintSupport)[^]]*)\\]")
        list(APPEND forbidden "${CMAKE_MATCH_1}")
    endif()
endforeach()
if(forbidden)
    list(JOIN forbidden ", " names)
    message(FATAL_ERROR "${PROGRAM} needs ${names}: link them into the print module instead")
endif()
list(LENGTH needed count)
message(STATUS "${PROGRAM} needs ${count} libraries, no widget toolkit")
