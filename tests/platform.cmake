zentadial_add_test(settings_store LIBS Zentadial::platform)
zentadial_add_test(locale_form LIBS Zentadial::platform)
zentadial_add_test(path_text LIBS Zentadial::platform)
