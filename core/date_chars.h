#pragma once

// Private to the core: the characters and English words of date texts.

#include <array>
#include <string>
#include <string_view>

namespace zentadial::detail {

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
inline constexpr std::array<std::string_view, 7> kDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

[[nodiscard]] bool isDigit(char c);
[[nodiscard]] bool isAsciiLetter(char c);
// Letters of words: ASCII letters and every byte of a non-ASCII character.
[[nodiscard]] bool isWordByte(char c);
[[nodiscard]] char lowerAscii(char c);
[[nodiscard]] std::string lowerAscii(std::string_view s);
[[nodiscard]] std::string upperAscii(std::string_view s);
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);
// Whether the word stands at pos, in any case.
[[nodiscard]] bool matchesAt(std::string_view text, std::size_t pos, std::string_view word);
// Tabs, line ends, no-break space (U+00A0), thin space (U+2009) and narrow
// no-break space (U+202F) become plain blanks.
[[nodiscard]] std::string normalizeBlanks(std::string_view s);
[[nodiscard]] std::string_view trimBlanks(std::string_view s);

} // namespace zentadial::detail
