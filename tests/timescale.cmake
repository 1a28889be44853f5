zentadial_add_test(time_scale LIBS Zentadial::timescale)
