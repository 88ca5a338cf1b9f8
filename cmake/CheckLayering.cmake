cmake_minimum_required(VERSION 3.25)

# Checks the layering of the libraries: each folder includes headers only from itself and from
# the folders below it. At the bottom the services' interfaces and plain helpers (platform),
# then the song file codecs (platform/codecs) and, beside everything else, the desktop's
# implementations of the services (platform/adapters), which only the window in app and the
# command line in cli may use; in between common, layout and audio side by side, then render
# and disc (the disc without windows) side by side, and above disc the CD list's windows in
# cdlist. app and cli share nothing but the libraries; cli uses no window: it takes the disc
# from disc, never from cdlist.
#   cmake -DSOURCE_DIR=<checkout> -P cmake/CheckLayering.cmake
set(codecs platform/codecs)
set(adapters platform/adapters)
set(below_platform platform)
set(below_${codecs} platform ${codecs})
set(below_${adapters} platform ${codecs} ${adapters})
set(below_common platform common)
set(below_layout platform common layout)
set(below_audio platform ${codecs} common audio)
set(below_render platform common layout render)
set(below_disc platform ${codecs} common layout audio disc)
set(below_cdlist platform ${codecs} common layout audio disc cdlist)
set(below_app platform ${codecs} ${adapters} common layout audio render disc cdlist app)
set(below_cli platform ${codecs} ${adapters} common layout audio render disc cli)

set(violations "")
foreach(folder platform ${codecs} ${adapters} common layout audio render disc cdlist app cli)
    file(GLOB sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"(platform/(codecs|adapters)|[a-z]+)/.*" "\\1" used
                "${line}")
            if(NOT used IN_LIST below_${folder})
                list(APPEND violations "${source}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

# Within render the libraries, not only the folder: the preview control (the sources of
# lccd_preview in render/CMakeLists.txt, with their headers) shows what render's drawing
# records, so it may include render's headers, but no drawing file includes the preview's.
file(READ "${SOURCE_DIR}/render/CMakeLists.txt" render_libraries)
string(REGEX MATCH "lccd_add_library\\(preview[^)]*\\)" preview_library "${render_libraries}")
string(REGEX MATCHALL "[A-Za-z0-9_]+\\.cpp" preview_sources "${preview_library}")
list(TRANSFORM preview_sources REPLACE "\\.cpp$" "" OUTPUT_VARIABLE preview_files)
if(NOT preview_files)
    message(FATAL_ERROR "render/CMakeLists.txt builds no preview library to check against")
endif()
file(GLOB render_sources "${SOURCE_DIR}/render/*.h" "${SOURCE_DIR}/render/*.cpp")
foreach(source IN LISTS render_sources)
    get_filename_component(base "${source}" NAME_WLE)
    if(base IN_LIST preview_files)
        continue()
    endif()
    file(STRINGS "${source}" includes REGEX "^#include \"render/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"render/([A-Za-z0-9_]+)\\.h\".*" "\\1" used "${line}")
        if(used IN_LIST preview_files)
            list(APPEND violations "${source}: ${line}")
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n" text)
    message(FATAL_ERROR "includes from a folder or library above:\n${text}")
endif()
