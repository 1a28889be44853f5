// Planted: ERFA outside the time-scale library.
#include <erfa.h>
