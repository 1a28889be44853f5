#pragma once

// Private to the core: the fields a reading of a date text found.

#include "core/date_markers.h"
#include "core/serial_date.h"

#include <optional>

namespace zentadial::detail {

// Fields as read; -1 for a field the text did not give.
struct ReadFields {
    int year = -1;
    int yearDigits = 0;
    int month = -1;
    int day = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
    bool twelveHour = false; // the hour is 1-12 and takes the marker
    Half half = Half::None;
};

// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
[[nodiscard]] int pivotYear(int twoDigits);

// The SerialDate of the fields: a missing date is day 0, a missing time
// 00:00:00. Nothing when the fields name no instant.
[[nodiscard]] std::optional<SerialDate> serialOf(const ReadFields& f);

} // namespace zentadial::detail
