# The link graph is the architecture; this keeps the includes to it.
# Run as: cmake -DSOURCE_DIR=<tree> -P check_boundaries.cmake
set(_faults "")

function(check_includes folders pattern why)
    foreach(_folder ${folders})
        file(GLOB_RECURSE _files ${SOURCE_DIR}/${_folder}/*.h ${SOURCE_DIR}/${_folder}/*.cpp)
        foreach(_file ${_files})
            file(STRINGS ${_file} _hits REGEX "${pattern}")
            foreach(_hit ${_hits})
                file(RELATIVE_PATH _where ${SOURCE_DIR} ${_file})
                list(APPEND _faults "${_where}: ${_hit} (${why})")
            endforeach()
        endforeach()
    endforeach()
    set(_faults ${_faults} PARENT_SCOPE)
endfunction()

check_includes("core;scenario" "^#include [<\"]Q"
    "the plain C++ libraries link no Qt")
check_includes("core;scenario" "^#include \"(platform|widgets|preview|converter|picker|help|cli)/"
    "the plain C++ libraries depend on nothing above them")
check_includes("platform" "^#include \"(widgets|preview|converter|picker|help|cli)/"
    "the platform layer serves the window and the command line, on Qt Core only")
check_includes("platform;cli" "^#include <Qt?Widgets|^#include <Q(Widget|Dialog|MessageBox|Application)>"
    "no widgets below the windows")
check_includes("cli" "^#include \"(converter|preview|picker|help|widgets)/"
    "the command line never reaches into a window library")
check_includes("widgets" "^#include \"(preview|converter|picker|help|cli)/"
    "what the windows share knows nothing of the windows")
check_includes("preview" "^#include \"(converter|picker|help|cli)/"
    "the preview is opened by the converter and knows nothing of it")

if(EXISTS ${SOURCE_DIR}/core/twips.h)
    list(APPEND _faults "core/twips.h: a window unit belongs in widgets/")
endif()

if(_faults)
    list(JOIN _faults "\n" _text)
    message(FATAL_ERROR "Library boundaries crossed:\n${_text}")
endif()
message(STATUS "Library boundaries kept")
