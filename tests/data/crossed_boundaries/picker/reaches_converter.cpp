// Planted: the picker reaching the converter.
#include "converter/form1.h"
