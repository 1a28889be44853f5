# Static analysis as a test, so that every workflow gates on it. Headers
# outside the tree are not read: Qt's would only slow it down and report on
# Qt.
find_program(ZENTADIAL_CPPCHECK cppcheck)
if(ZENTADIAL_CPPCHECK)
    set(_checked_dirs)
    foreach(_dir core scenario platform widgets converter picker help cli fuzz bench tests)
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
elseif("$ENV{CI}")
    message(FATAL_ERROR "cppcheck is missing: run scripts/deps")
endif()

# Which library may include which: the plain C++ libraries no Qt, the command
# line no window.
add_test(NAME boundaries
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/check_boundaries.cmake)
set_tests_properties(boundaries PROPERTIES LABELS static)
