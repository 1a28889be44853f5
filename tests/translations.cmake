zentadial_add_test(program_translations LIBS Zentadial::translations)
if(WIN32)
    # Qt's translations where the zip has them: in translations/ beside the program.
    foreach(language ${ZENTADIAL_LANGUAGES})
        add_custom_command(TARGET tst_program_translations POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy_if_different
                    ${ZENTADIAL_QT_TRANSLATIONS}/qtbase_${language}.qm
                    $<TARGET_FILE_DIR:tst_program_translations>/translations/qtbase_${language}.qm)
    endforeach()
endif()
