# Keystroke, start-up and 10,000-file folder pass, each against a baseline of
# the same run. `cmake --build --preset default --target bench` runs them all.

add_executable(bench_keystroke bench_keystroke.cpp)
target_link_libraries(bench_keystroke PRIVATE Zentadial::converter Qt6::Test zentadial_options)

add_executable(bench_start_minimal start_minimal.cpp start_probe.h)
target_link_libraries(bench_start_minimal PRIVATE Qt6::Widgets zentadial_options)
add_executable(bench_start_converter start_converter.cpp start_probe.h)
target_link_libraries(bench_start_converter PRIVATE Zentadial::converter zentadial_options)

add_executable(bench_start bench_start.cpp)
target_link_libraries(bench_start PRIVATE zentadial_options)
set_target_properties(bench_start PROPERTIES AUTOMOC OFF)
target_compile_definitions(bench_start PRIVATE
    ZENTADIAL_START_CONVERTER="$<TARGET_FILE:bench_start_converter>"
    ZENTADIAL_START_MINIMAL="$<TARGET_FILE:bench_start_minimal>")
add_dependencies(bench_start bench_start_converter bench_start_minimal)

set(_bench_env ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen)
set(_bench_runs COMMAND ${_bench_env} $<TARGET_FILE:bench_keystroke> 5000
                COMMAND ${_bench_env} $<TARGET_FILE:bench_start> 30)
if(TARGET bench_scenario)
    list(APPEND _bench_runs COMMAND $<TARGET_FILE:bench_scenario> 10000 3)
endif()
add_custom_target(bench ${_bench_runs} USES_TERMINAL VERBATIM)
add_dependencies(bench bench_keystroke bench_start)
if(TARGET bench_scenario)
    add_dependencies(bench bench_scenario)
endif()
