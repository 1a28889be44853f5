#pragma once

#include "core/conv_error.h"
#include "core/scales.h"
#include "core/serial_date.h"

namespace zentadial {

// How the MJD, JD and Epoch fields relate to the date field, which always
// holds civil UTC (GMT). The MJD is in UTC unless a time scale says
// otherwise; JD and Epoch follow from the MJD as always.
struct MjdScale {
    Conv<double> (*mjdOfDate)(SerialDate date);
    Conv<SerialDate> (*dateOfMjd)(double mjd);
};

// The converter's own: cMJD and mjdToDate.
inline constexpr MjdScale kUtcScale{cMJD, mjdToDate};

} // namespace zentadial
