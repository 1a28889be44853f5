# The Windows zip: both programs, the Qt and MinGW runtime DLLs and plugins
# they load, a read-me for users, and the licence texts of all of it, in one folder that runs
# wherever it is unpacked. Qt finds its plugins in the folders beside the
# program, so no qt.conf is needed.
get_filename_component(zentadial_qt_root "${Qt6_DIR}/../../.." ABSOLUTE)

install(FILES
    $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    DESTINATION .)
install(FILES ${zentadial_qt_root}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${zentadial_qt_root}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# The window's icon and image formats Qt reads without a plugin; the ICO
# plugin lets the file dialog show program icons.
install(FILES ${zentadial_qt_root}/plugins/imageformats/qico.dll DESTINATION imageformats)
# Qt's own words for its standard dialogs and buttons, in the languages the
# program speaks, where the program looks for them: translations/ beside it.
foreach(language ${ZENTADIAL_LANGUAGES})
    install(FILES ${ZENTADIAL_QT_TRANSLATIONS}/qtbase_${language}.qm DESTINATION translations)
endforeach()
file(GLOB zentadial_mingw_runtime "${ZENTADIAL_WINDOWS_SDK}/mingw-runtime/*.dll")
install(FILES ${zentadial_mingw_runtime} DESTINATION .)

# The user's read-me first; the developers' one beside it.
install(FILES ${PROJECT_SOURCE_DIR}/cmake/README-windows.txt DESTINATION . RENAME README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/THIRD-PARTY.txt DESTINATION .)
install(FILES ${zentadial_qt_root}/LICENSES/LGPL-3.0-only.txt
              ${zentadial_qt_root}/LICENSES/GPL-3.0-only.txt
        DESTINATION licenses/qt)
install(FILES ${ZENTADIAL_WINDOWS_SDK}/erfa/LICENSE DESTINATION licenses/erfa)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
        DESTINATION licenses/gcc-runtime)
install(FILES /usr/share/doc/mingw-w64-common/copyright
        DESTINATION licenses/mingw-w64)

# The SDK's DLLs carry their debugging symbols (libstdc++ alone is 23 MB
# with them, 2 MB without); nobody debugs them from a user's folder.
install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS dlls)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                        RESULT_VARIABLE stripped)
        if(NOT stripped EQUAL 0)
            message(FATAL_ERROR \"could not strip \${dll}\")
        endif()
    endforeach()
")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zentadial)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME zentadial-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)
