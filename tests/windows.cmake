# The Windows build's own window, with the Windows platform plugin, under
# Wine on a virtual display.
add_test(NAME windows_smoke
    COMMAND env "ZENTADIAL_WINDOWS_SDK=${ZENTADIAL_WINDOWS_SDK}"
            ${CMAKE_CURRENT_SOURCE_DIR}/windows_smoke.sh $<TARGET_FILE:zentadial>
            ${PROJECT_SOURCE_DIR}/scripts/wine-run)
