#pragma once

// Private to the core: the first stage of dateFromText. The text is matched
// against the three shapes dateToText writes (date, blank, time; date alone;
// time alone), field by field, with the pattern's literal text; only blanks
// may differ in number, and letters in case. Whatever dateToText writes is
// read back here.

#include "core/date_markers.h"
#include "core/date_pattern.h"
#include "core/serial_date.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zentadial::detail {

// The pattern with the blanks of its literals normalized, so that they
// compare with a normalized text.
[[nodiscard]] Pattern normalizedPattern(std::string_view pattern);

// The text (blanks normalized and trimmed) read exactly in the patterns.
[[nodiscard]] std::optional<SerialDate> readExact(std::string_view text, const Pattern& date,
                                                  const Pattern& time,
                                                  const std::vector<MarkerText>& markers);

} // namespace zentadial::detail
