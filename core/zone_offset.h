#pragma once

#include <optional>
#include <string_view>

namespace zentadial {

// A time zone written as an offset from GMT, in hours east: "+H:MM" or
// "-H:MM" (hours and minutes, sign optional: "5:30" is 5.5 hours) or a plain
// number ("-8", " 5.5", "." as the decimal point), blanks around it allowed,
// from -14 to 14 hours. Nothing for any other text.
[[nodiscard]] std::optional<double> zoneOffsetHours(std::string_view text);

} // namespace zentadial
