#include "core/present_date.h"

#include "core/date_text.h"
#include "core/scales.h"

namespace zentadial {

Conv<std::string> nowDateText(const CivilTime& clockReading, std::string_view zoneText,
                              const RegionalForm& form) {
    const Conv<SerialDate> clock = serialFromCivil(clockReading);
    if (!clock) {
        return std::unexpected(clock.error());
    }
    const Conv<SerialDate> gmt = presentGmt(*clock, zoneText);
    if (!gmt) {
        return std::unexpected(gmt.error());
    }
    return dateToText(*gmt, form);
}

} // namespace zentadial
