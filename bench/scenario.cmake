# Folder pass over a few thousand copies of the fixture scenarios, against a
# plain read + temporary write + rename of the same files.
add_executable(bench_scenario bench_scenario.cpp)
target_link_libraries(bench_scenario PRIVATE Zentadial::scenario zentadial_options)
set_target_properties(bench_scenario PROPERTIES AUTOMOC OFF)
target_compile_definitions(bench_scenario PRIVATE
    ZENTADIAL_FIXTURE_SCENARIOS="${PROJECT_SOURCE_DIR}/tests/data/scenarios")
