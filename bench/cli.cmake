# convert --batch over a million entries, against reading and writing the same
# lines without converting them.
add_executable(bench_batch bench_batch.cpp)
target_link_libraries(bench_batch PRIVATE Zentadial::cli zentadial_options)
add_dependencies(bench_batch zentadial-cli)
set_target_properties(bench_batch PROPERTIES AUTOMOC OFF)
target_compile_definitions(bench_batch PRIVATE ZENTADIAL_CLI="$<TARGET_FILE:zentadial-cli>")
