zentadial_add_test(twips LIBS zentadial_options)
zentadial_add_test(picker_lists LIBS Zentadial::picker)
zentadial_add_test(oopen LIBS Zentadial::picker)
