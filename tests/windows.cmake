# The Windows build's own window, with the Windows platform plugin, under
# Wine on a virtual display.
add_test(NAME windows_smoke
    COMMAND env "ZENTADIAL_WINDOWS_SDK=${ZENTADIAL_WINDOWS_SDK}"
            ${CMAKE_CURRENT_SOURCE_DIR}/windows_smoke.sh $<TARGET_FILE:zentadial>
            ${PROJECT_SOURCE_DIR}/scripts/wine-run)

# The zip, as a user unpacks it: built here, then run in a fresh prefix.
add_test(NAME windows_package
    COMMAND sh -c "\"${CMAKE_COMMAND}\" --build \"${CMAKE_BINARY_DIR}\" --target package >/dev/null && \"${CMAKE_CURRENT_SOURCE_DIR}/windows_package.sh\" \"${CMAKE_BINARY_DIR}/zentadial-${PROJECT_VERSION}-win64.zip\" \"${PROJECT_SOURCE_DIR}/scripts/wine-run\"")
set_tests_properties(windows_package PROPERTIES RUN_SERIAL ON TIMEOUT 600)
