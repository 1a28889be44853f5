zentadial_add_test(settings_store LIBS Zentadial::platform)
zentadial_add_test(locale_form LIBS Zentadial::platform)
zentadial_add_test(path_text LIBS Zentadial::platform)

# Wine shows a file of another Unix user as another owner's, but a Windows
# program cannot make one: the host plants it before the settings test runs
# (as root; otherwise that row is skipped).
if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(foreign "${CMAKE_CURRENT_BINARY_DIR}/foreign-settings")
    file(WRITE "${foreign}.txt" "/victim\r\n-5\r\nline three\r\n")
    add_test(NAME settings_store_foreign_file
        COMMAND sh -c "rm -rf \"$0\" && mkdir \"$0\" && cp \"$0.txt\" \"$0/Zentadial.dat\" && { chown 65534:65534 \"$0/Zentadial.dat\" || rm \"$0/Zentadial.dat\"; }"
                "${foreign}")
    set_tests_properties(settings_store_foreign_file PROPERTIES FIXTURES_SETUP foreign_settings)
    set_tests_properties(settings_store PROPERTIES FIXTURES_REQUIRED foreign_settings)
    set_property(TEST settings_store APPEND PROPERTY ENVIRONMENT
        "ZENTADIAL_FOREIGN_SETTINGS=Z:${foreign}/Zentadial.dat")
endif()
