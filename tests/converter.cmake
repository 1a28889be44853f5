zentadial_add_test(form1 LIBS Zentadial::converter)
zentadial_add_test(settings_store LIBS Zentadial::platform)
zentadial_add_test(locale_form LIBS Zentadial::platform)
zentadial_add_test(path_text LIBS Zentadial::platform)
# Every text the windows show comes through translation.
zentadial_add_test(pseudo_locale LIBS Zentadial::converter Zentadial::picker Zentadial::help)
