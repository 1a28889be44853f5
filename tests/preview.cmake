# The preview, driven through the converter window that opens it.
zentadial_add_test(preview LIBS Zentadial::converter)
