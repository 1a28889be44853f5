// Planted: the preview reaching the converter.
#include "converter/seams.h"
