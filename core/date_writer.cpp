#include "core/date_writer.h"

#include "core/date_chars.h"
#include "core/date_fields.h"

#include <chrono>

namespace zentadial::detail {
namespace {

void appendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    out += digits;
}

// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
int weekdayIndex(const CivilTime& t) {
    namespace chr = std::chrono;
    const chr::sys_days days{chr::year{t.year} / chr::month{static_cast<unsigned>(t.month)} /
                             chr::day{static_cast<unsigned>(t.day)}};
    return static_cast<int>(chr::weekday{days}.c_encoding());
}

} // namespace

std::string render(const Pattern& pattern, const CivilTime& t, const Markers& markers) {
    const bool twelveHour = detail::hasMarker(pattern);
    std::string out;
    for (const PatternElement& e : pattern) {
        switch (e.field) {
        case PatternField::Literal:
            out += e.literal;
            break;
        case PatternField::Day:
            appendNumber(out, t.day, e.width);
            break;
        case PatternField::DayName: {
            const std::string_view name = kDayNames[static_cast<std::size_t>(weekdayIndex(t))];
            out += e.width == 3 ? name.substr(0, 3) : name;
            break;
        }
        case PatternField::Month:
            appendNumber(out, t.month, e.width);
            break;
        case PatternField::MonthName: {
            const std::string_view name = kMonthNames[static_cast<std::size_t>(t.month - 1)];
            out += e.width == 3 ? name.substr(0, 3) : name;
            break;
        }
        case PatternField::Year:
            // yy writes all four digits for a year that two would not read
            // back as (outside 1930-2029).
            if (e.width == 2 && pivotYear(t.year % 100) == t.year) {
                appendNumber(out, t.year % 100, 2);
            } else {
                appendNumber(out, t.year, 4);
            }
            break;
        case PatternField::Hour: {
            int hour = t.hour;
            if (twelveHour && !e.twentyFour) {
                hour = hour % 12 == 0 ? 12 : hour % 12;
            }
            appendNumber(out, hour, e.width);
            break;
        }
        case PatternField::Minute:
            appendNumber(out, t.minute, e.width);
            break;
        case PatternField::Second:
            appendNumber(out, t.second, e.width);
            break;
        case PatternField::Marker: {
            const std::string& text = t.hour < 12 ? markers.am : markers.pm;
            out += e.lowerCase ? lowerAscii(text) : upperAscii(text);
            break;
        }
        }
    }
    return out;
}

} // namespace zentadial::detail
