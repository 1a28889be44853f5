#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zentadial {

// A number as the simulator's "%lf" reads it from the start of a text, in
// the C locale whatever the user's: white space skipped, an optional sign,
// then the longest decimal or "0x" hexadecimal number, or inf, infinity, nan
// in any case. "51982,5" reads as 51982. A magnitude beyond the double range
// reads as infinity, one below it as zero.
struct ScannedNumber {
    double value = 0;
    std::size_t begin = 0; // the sign or first digit, counted from the text's start
    std::size_t end = 0;   // one past the last byte read
};

[[nodiscard]] std::optional<ScannedNumber> scanNumber(std::string_view text);

// A number in the one form a shift writes and a span is typed in: an
// optional sign, digits and at most one point, nothing else (no exponent, no
// hexadecimal, no blanks).
[[nodiscard]] std::optional<double> plainDecimal(std::string_view text);

} // namespace zentadial
