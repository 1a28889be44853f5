# zentadial_add_windows_resources(<target> <description>): the program's icon
# and version information, compiled in on Windows.
function(zentadial_add_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(ZENTADIAL_RC_NAME ${target})
    set(ZENTADIAL_RC_FILE ${target}.exe)
    set(ZENTADIAL_RC_DESCRIPTION "${description}")
    set(ZENTADIAL_RC_ICON "${PROJECT_SOURCE_DIR}/converter/zentadial.ico")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows_resource.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
