zentadial_add_test(form1 LIBS Zentadial::converter)
# Every text the windows show comes through translation, and every caption
# fits its box in each language.
zentadial_add_test(pseudo_locale LIBS Zentadial::converter Zentadial::picker Zentadial::help
    Zentadial::translations)
