zentadial_add_test(scenario_rewrite LIBS Zentadial::scenario)
# The folder passes of the window's preview are held to the same swaps.
zentadial_add_test(scenario_folder LIBS Zentadial::scenario Zentadial::preview)
zentadial_add_test(scenario_corpus LIBS Zentadial::scenario)
zentadial_add_test(scenario_reader LIBS Zentadial::scenario)
zentadial_add_test(scenario_notes LIBS Zentadial::scenario)
zentadial_add_test(journal LIBS Zentadial::scenario)
zentadial_add_test(scenario_shift LIBS Zentadial::scenario)

# Further real scenario files are optional (ZENTADIAL_SHARED_SCENARIOS): by
# default the corpus test runs over the fixtures in the tree only.
target_compile_definitions(tst_scenario_corpus PRIVATE
    ZENTADIAL_SHARED_SCENARIOS="${ZENTADIAL_SHARED_SCENARIOS}"
    ZENTADIAL_FIXTURE_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")

# Windows rows: drive letters, attributes, sharing, wide names.
if(WIN32)
    zentadial_add_test(windows_files LIBS Zentadial::scenario)
    add_dependencies(tst_windows_files zentadial-cli)
    target_compile_definitions(tst_windows_files PRIVATE
        ZENTADIAL_CLI="$<TARGET_FILE:zentadial-cli>")
endif()
