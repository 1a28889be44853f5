zentadial_add_test(picker_lists LIBS Zentadial::picker)
zentadial_add_test(oopen LIBS Zentadial::picker)
