#pragma once

#include "core/conv_error.h"
#include "core/regional_form.h"
#include "core/serial_date.h"

#include <string>
#include <string_view>

namespace zentadial {

// The text "Now" writes into the date field: the clock reading less the
// zone's hours (east positive), in the user's forms. Fails when the clock
// reading names no date or the shift leaves the dates a SerialDate can hold.
[[nodiscard]] Conv<std::string> nowDateText(const CivilTime& clockReading,
                                            std::string_view zoneText, const RegionalForm& form);

} // namespace zentadial
