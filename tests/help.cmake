zentadial_add_test(help LIBS Zentadial::help)
