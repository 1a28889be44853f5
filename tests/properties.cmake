# Checks over many pseudo-random inputs, and the inputs the fuzz targets
# found faults with.
zentadial_add_test(properties LIBS Zentadial::core)
zentadial_add_test(regressions LIBS Zentadial::scenario)
