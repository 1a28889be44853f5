// Planted: the core reaching the time scales.
#include "timescale/time_scale.h"
