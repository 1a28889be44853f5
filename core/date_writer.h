#pragma once

// Private to the core: a date and time written in a pattern.

#include "core/date_markers.h"
#include "core/date_pattern.h"
#include "core/serial_date.h"

#include <string>

namespace zentadial::detail {

// The pattern's fields filled from t. MMM and MMMM write English month names,
// ddd and dddd English day names; yy writes all four digits for a year that
// two would not read back as (outside 1930-2029).
[[nodiscard]] std::string render(const Pattern& pattern, const CivilTime& t,
                                 const Markers& markers);

} // namespace zentadial::detail
