zentadial_add_test(form1 LIBS Zentadial::converter)
# Every text the windows show comes through translation.
zentadial_add_test(pseudo_locale LIBS Zentadial::converter Zentadial::picker Zentadial::help)
