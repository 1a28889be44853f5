#pragma once

#include <expected>
#include <string_view>

namespace zentadial {

enum class SpanError {
    Empty,
    NotASpan,   // none of the forms below
    OutOfRange, // minutes or seconds of 60 or more, hours of 24 or more after days, or beyond
                // kMaxSpanDays
};

// No scenario date lies this many days from another that the simulator can
// start at; a larger span is a typing mistake.
inline constexpr double kMaxSpanDays = 1.0e6;

// A span of time in days, in one of the forms a scenario maker writes: days
// ("+779", "-0.5", "12"), a clock reading "[+-][d:]hh:mm[:ss]" (three parts
// are hours, minutes and seconds, as a clock reads; days need all four), or a
// number with its unit ("+779d", "+2h", "-15min", "30s"). Numbers take "." as
// the decimal point in every locale.
[[nodiscard]] std::expected<double, SpanError> spanFromText(std::string_view text);

} // namespace zentadial
