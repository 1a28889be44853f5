# Static analysis as a test, so that every workflow gates on it. Headers
# outside the tree are not read: Qt's would only slow it down and report on
# Qt.
find_program(ZENTADIAL_CPPCHECK cppcheck)
if(ZENTADIAL_CPPCHECK)
    set(_checked_dirs)
    foreach(_dir core scenario timescale platform widgets translations converter picker help preview
                 cli fuzz bench tests)
        if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${_dir})
            list(APPEND _checked_dirs ${_dir})
        endif()
    endforeach()
    add_test(NAME cppcheck
        COMMAND ${ZENTADIAL_CPPCHECK} --enable=warning,performance,portability --library=qt
                --std=c++20 --language=c++ -I . --inline-suppr --quiet --error-exitcode=1
                --suppressions-list=${CMAKE_CURRENT_SOURCE_DIR}/cppcheck-suppressions.txt
                ${_checked_dirs}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(cppcheck PROPERTIES LABELS static)
elseif(ZENTADIAL_WERROR)
    # A gating build does not pass for want of the analyser.
    message(FATAL_ERROR "cppcheck is missing: run scripts/deps")
endif()

# Which library may include which: the plain C++ libraries no Qt, the command
# line no window.
add_test(NAME boundaries
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/check_boundaries.cmake)
set_tests_properties(boundaries PROPERTIES LABELS static)

# The rules themselves, on a tree with one crossing planted for each kind:
# each row passes when the check names its file and fails the run, and none
# passes when the check refuses an include the layout allows.
set(_crossings
    "core reaching the time scales|core/reaches_timescale.cpp"
    "picker reaching the converter|picker/reaches_converter.cpp"
    "help reaching the picker|help/reaches_picker.cpp"
    "preview reaching the converter|preview/reaches_converter.h"
    "command line reaching a window library|cli/reaches_widgets.cpp"
    "time scales reaching Qt|timescale/uses_qt.cpp"
    "ERFA outside the time scales|widgets/uses_erfa.cpp")
foreach(_row ${_crossings})
    string(REPLACE "|" ";" _row "${_row}")
    list(GET _row 0 _case)
    list(GET _row 1 _file)
    add_test(NAME "boundaries catch ${_case}"
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/data/crossed_boundaries
                -P ${CMAKE_CURRENT_SOURCE_DIR}/check_boundaries.cmake)
    set_tests_properties("boundaries catch ${_case}" PROPERTIES LABELS static
        PASS_REGULAR_EXPRESSION "Library boundaries crossed:.*${_file}"
        FAIL_REGULAR_EXPRESSION "converter/allowed.cpp")
endforeach()
