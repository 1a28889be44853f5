#include "scenario/time_span.h"

#include "scenario/scanned_number.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace zentadial {
namespace {

constexpr double kHoursPerDay = 24;
constexpr double kMinutesPerDay = 24 * 60;
constexpr double kSecondsPerDay = 24 * 60 * 60;
constexpr double kSixty = 60;
constexpr std::size_t kMostClockParts = 4;

struct Unit {
    std::string_view suffix;
    double perDay;
};
// "min" before "d" would not matter, but "s" must not take the end of "days".
constexpr std::array kUnits{Unit{"min", kMinutesPerDay}, Unit{"d", 1}, Unit{"h", kHoursPerDay},
                            Unit{"s", kSecondsPerDay}};

// A plain decimal number without sign: digits, at most one point.
std::optional<double> unsignedNumber(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) {
        return std::nullopt;
    }
    return plainDecimal(text);
}

bool isWhole(std::string_view text) {
    return text.find('.') == std::string_view::npos;
}

std::expected<double, SpanError> clockSpan(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t colon = text.find(':', at);
        parts.push_back(text.substr(at, colon - at));
        if (colon == std::string_view::npos) {
            break;
        }
        at = colon + 1;
    }
    if (parts.size() > kMostClockParts) {
        return std::unexpected(SpanError::NotASpan);
    }
    std::vector<double> values;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto value = unsignedNumber(parts[i]);
        // Only the last part, the seconds, may have a fraction.
        const bool seconds = parts.size() > 2 && i + 1 == parts.size();
        if (!value || (!seconds && !isWhole(parts[i]))) {
            return std::unexpected(SpanError::NotASpan);
        }
        values.push_back(*value);
    }
    const bool withDays = parts.size() == kMostClockParts;
    const std::size_t hourAt = withDays ? 1 : 0;
    double days = withDays ? values[0] : 0;
    double seconds = values[hourAt] * kSixty * kSixty + values[hourAt + 1] * kSixty;
    if ((withDays && values[hourAt] >= kHoursPerDay) || values[hourAt + 1] >= kSixty) {
        return std::unexpected(SpanError::OutOfRange);
    }
    if (values.size() > hourAt + 2) {
        if (values[hourAt + 2] >= kSixty) {
            return std::unexpected(SpanError::OutOfRange);
        }
        seconds += values[hourAt + 2];
    }
    return days + seconds / kSecondsPerDay;
}

std::expected<double, SpanError> unsignedSpan(std::string_view text) {
    if (text.find(':') != std::string_view::npos) {
        return clockSpan(text);
    }
    for (const Unit& unit : kUnits) {
        if (text.size() > unit.suffix.size() && text.ends_with(unit.suffix)) {
            const auto value = unsignedNumber(text.substr(0, text.size() - unit.suffix.size()));
            if (!value) {
                return std::unexpected(SpanError::NotASpan);
            }
            return *value / unit.perDay;
        }
    }
    const auto days = unsignedNumber(text);
    if (!days) {
        return std::unexpected(SpanError::NotASpan);
    }
    return *days;
}

} // namespace

std::expected<double, SpanError> spanFromText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::unexpected(SpanError::Empty);
    }
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+') {
        text.remove_prefix(1);
    }
    auto days = unsignedSpan(text);
    if (days && !(std::fabs(*days) <= kMaxSpanDays)) {
        return std::unexpected(SpanError::OutOfRange);
    }
    if (days && negative) {
        *days = -*days;
    }
    return days;
}

} // namespace zentadial
