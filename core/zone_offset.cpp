#include "core/zone_offset.h"

#include "core/number_text.h"

#include <cmath>

namespace zentadial {
namespace {

constexpr double kMaxZoneHours = 14;
constexpr double kMinutesPerHour = 60;

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int digitsValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string_view withoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Sign, one or two digits of hours, a colon, two digits of minutes.
std::optional<double> clockOffset(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view hours = text.substr(0, colon);
    const std::string_view minutes = text.substr(colon + 1);
    if (!allDigits(hours) || hours.size() > 2 || !allDigits(minutes) || minutes.size() != 2) {
        return std::nullopt;
    }
    const double m = digitsValue(minutes);
    if (m >= kMinutesPerHour) {
        return std::nullopt;
    }
    const double offset = digitsValue(hours) + m / kMinutesPerHour;
    return negative ? -offset : offset;
}

} // namespace

std::optional<double> zoneOffsetHours(std::string_view text) {
    text = withoutBlanks(text);
    std::optional<double> hours = clockOffset(text);
    if (!hours) {
        if (const Conv<double> plain = plainNumberFromText(text)) {
            hours = *plain;
        }
    }
    if (!hours || !(std::fabs(*hours) <= kMaxZoneHours)) {
        return std::nullopt;
    }
    return hours;
}

} // namespace zentadial
