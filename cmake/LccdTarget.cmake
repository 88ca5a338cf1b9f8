# Compile settings shared by every target of the project.
add_library(lccd_options INTERFACE)
target_compile_options(lccd_options INTERFACE -Wall -Wextra)

if(LCCD_SANITIZE OR LCCD_FUZZ)
    target_compile_options(lccd_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(lccd_options INTERFACE -fsanitize=address,undefined)
endif()

# Coverage for libFuzzer in every library; the fuzz targets link the fuzzer itself.
if(LCCD_FUZZ)
    target_compile_options(lccd_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# lccd_add_library(<name> SOURCES ... DEPENDS ...)
# One static library per subsystem folder, named lccd_<folder>.
function(lccd_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(lccd_${name} STATIC ${ARG_SOURCES})
    target_include_directories(lccd_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(lccd_${name} PUBLIC lccd_options ${ARG_DEPENDS})
endfunction()
