zentadial_add_test(scenario_rewrite LIBS Zentadial::scenario)
zentadial_add_test(scenario_folder LIBS Zentadial::scenario)
zentadial_add_test(scenario_corpus LIBS Zentadial::scenario)

# The shared corpus beside the source tree is optional: a plain clone runs
# the corpus test over its own fixtures only.
cmake_path(SET zentadial_shared_scenarios NORMALIZE "${PROJECT_SOURCE_DIR}/../shared/scenarios")
target_compile_definitions(tst_scenario_corpus PRIVATE
    ZENTADIAL_SHARED_SCENARIOS="${zentadial_shared_scenarios}"
    ZENTADIAL_FIXTURE_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
