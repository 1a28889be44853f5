# The link graph is the architecture; this keeps the includes to it.
# Run as: cmake -DSOURCE_DIR=<tree> -P check_boundaries.cmake
cmake_minimum_required(VERSION 3.25)
set(_faults "")

# Every library of the tree, from the bottom up. A folder that does not exist
# yet (preview/) is held to its rule as soon as it does.
set(_libraries core scenario timescale platform widgets translations picker help preview converter
    cli)

# library_may_include(<library> <why> [<library>...]): the other libraries
# whose headers <library> may include; any other is a crossed boundary.
function(library_may_include library why)
    foreach(_file ${_files_${library}})
        file(STRINGS ${_file} _includes REGEX "^#include \"[a-z_]+/")
        foreach(_include ${_includes})
            string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" _target "${_include}")
            if(NOT _target STREQUAL library AND _target IN_LIST _libraries
               AND NOT _target IN_LIST ARGN)
                file(RELATIVE_PATH _where ${SOURCE_DIR} ${_file})
                list(APPEND _faults "${_where}: ${_include} (${why})")
            endif()
        endforeach()
    endforeach()
    set(_faults ${_faults} PARENT_SCOPE)
endfunction()

# check_includes(<libraries> <pattern> <why>): no file of these libraries
# includes a header that matches the pattern.
function(check_includes libraries pattern why)
    foreach(_library ${libraries})
        foreach(_file ${_files_${_library}})
            file(STRINGS ${_file} _hits REGEX "${pattern}")
            foreach(_hit ${_hits})
                file(RELATIVE_PATH _where ${SOURCE_DIR} ${_file})
                list(APPEND _faults "${_where}: ${_hit} (${why})")
            endforeach()
        endforeach()
    endforeach()
    set(_faults ${_faults} PARENT_SCOPE)
endfunction()

foreach(_library ${_libraries})
    file(GLOB_RECURSE _files_${_library} ${SOURCE_DIR}/${_library}/*.h
         ${SOURCE_DIR}/${_library}/*.cpp)
endforeach()

library_may_include(core "the core depends on nothing above it")
library_may_include(scenario "the scenario library stands on the core alone" core)
library_may_include(timescale "the time scales stand on the core alone" core)
library_may_include(platform "the platform layer serves the windows and the command line" core
    scenario timescale)
library_may_include(widgets "what the windows share knows no window" core scenario timescale
    platform)
library_may_include(translations "the translations know no library's code")
library_may_include(picker "the picker is a window of its own, reached through a seam" core
    platform widgets)
library_may_include(help "the help window is a window of its own" core platform widgets)
library_may_include(preview "the preview is a window of its own, reached through a seam" core
    scenario timescale platform widgets)
library_may_include(converter "the converter reaches no command-line code" core scenario timescale
    platform widgets translations picker help preview)
library_may_include(cli "the command line never reaches into a window library" core scenario
    timescale platform)

check_includes("core;scenario;timescale" "^#include [<\"]Q"
    "the plain C++ libraries link no Qt")
check_includes("platform;translations;cli" "^#include <Qt?(Widgets|Gui)|^#include <Q(Widget|Dialog|MessageBox|Application|GuiApplication)>"
    "no widgets below the windows")
check_includes("core;scenario;platform;widgets;translations;picker;help;preview;converter;cli"
    "^#include [<\"]erfa"
    "ERFA stays behind the time-scale library")

if(EXISTS ${SOURCE_DIR}/core/twips.h)
    list(APPEND _faults "core/twips.h: a window unit belongs in widgets/")
endif()

if(_faults)
    list(JOIN _faults "\n" _text)
    message(FATAL_ERROR "Library boundaries crossed:\n${_text}")
endif()
message(STATUS "Library boundaries kept")
