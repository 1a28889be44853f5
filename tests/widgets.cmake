zentadial_add_test(twips LIBS Zentadial::widgets)
