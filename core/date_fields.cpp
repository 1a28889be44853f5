#include "core/date_fields.h"

#include <algorithm>

namespace zentadial::detail {

int pivotYear(int twoDigits) {
    return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits;
}

std::optional<SerialDate> serialOf(const ReadFields& f) {
    CivilTime t;
    const bool hasDate = f.year >= 0 || f.month >= 0 || f.day >= 0;
    if (hasDate) {
        if (f.year < 0 || f.month < 0 || f.day < 0) {
            return std::nullopt;
        }
        t.year = f.yearDigits <= 2 ? pivotYear(f.year) : f.year;
        t.month = f.month;
        t.day = f.day;
    }
    if (f.hour >= 0) {
        if (f.twelveHour) {
            if (f.half == Half::None || f.hour < 1 || f.hour > 12) {
                return std::nullopt;
            }
            t.hour = f.hour % 12 + (f.half == Half::Pm ? 12 : 0);
        } else {
            t.hour = f.hour;
        }
    } else if (f.half != Half::None) {
        return std::nullopt;
    }
    t.minute = std::max(f.minute, 0);
    t.second = std::max(f.second, 0);
    if (f.minute < 0 && f.second >= 0) {
        return std::nullopt;
    }
    const Conv<SerialDate> serial = serialFromCivil(t);
    if (!serial) {
        return std::nullopt;
    }
    return *serial;
}

} // namespace zentadial::detail
