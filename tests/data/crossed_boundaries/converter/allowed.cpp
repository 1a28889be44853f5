// Allowed: the converter opens the picker, the help window and the preview.
#include "help/form2.h"
#include "picker/oopen.h"
#include "preview/preview.h"
