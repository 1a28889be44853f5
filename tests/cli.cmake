# The command-line program is driven as users run it: spawned, not linked.
zentadial_add_test(cli LIBS Qt6::Core)
add_dependencies(tst_cli zentadial-cli)
target_compile_definitions(tst_cli PRIVATE ZENTADIAL_CLI="$<TARGET_FILE:zentadial-cli>")
