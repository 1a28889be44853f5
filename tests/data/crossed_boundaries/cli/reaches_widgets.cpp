// Planted: the command line reaching a window library.
#include "widgets/message_boxes.h"
