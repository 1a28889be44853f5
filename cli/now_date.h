#pragma once

#include "core/conv_error.h"
#include "core/regional_form.h"
#include "core/serial_date.h"

#include <string>
#include <string_view>

namespace zentadial {

// The local date and time from the computer's clock, to the second.
[[nodiscard]] CivilTime localClockNow();
// The same instant in UTC.
[[nodiscard]] CivilTime utcClockNow();

// The text the window's "Now" writes into the date field: the local clock
// less the zone's hours (east positive), in the user's forms. Fails when the
// shift leaves the dates a SerialDate can hold.
[[nodiscard]] Conv<std::string> nowDateText(const CivilTime& localNow, std::string_view zoneText,
                                            const RegionalForm& form);

} // namespace zentadial
