# A keystroke in the converter window against three bare setText calls, and
# the program's start against a minimal Qt Widgets program.

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

