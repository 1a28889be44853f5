#pragma once

// Private to the core: the second stage of dateFromText. Markers are taken
// out, the rest is cut into numbers, month names and the separators between
// them, and the numbers are read as a date of three and a time of up to
// three.

#include "core/date_markers.h"
#include "core/date_pattern.h"
#include "core/serial_date.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial::detail {

// Word and separator knowledge taken from the form's patterns.
struct FormClues {
    std::set<std::string> words; // literal words of the patterns, lower case
    // Between date numbers: one of these characters, or a literal that
    // stands between two date fields of the pattern (blanks aside).
    std::string dateLinkChars = "/-.,#";
    std::set<std::string> dateLinks;
    // Before the first number, after the last and between date and time:
    // the pattern's own literals there, a word the form knows, a comma.
    std::string leadingChars = ",#";
    std::string trailingChars = "#";
    std::string dateTimeChars = ",#";
    std::set<std::string> timeLinks = {":"};
    std::string order; // "Mdy" and the like
};

[[nodiscard]] FormClues cluesOf(const Pattern& date, const Pattern& time,
                                const std::vector<MarkerText>& markers);

// The text (blanks normalized and trimmed) read in the general way.
[[nodiscard]] std::optional<SerialDate> readGeneral(std::string_view text, const FormClues& clues,
                                                    const std::vector<MarkerText>& markers);

} // namespace zentadial::detail
