// Planted: the help window reaching the picker.
#include "picker/oopen.h"
