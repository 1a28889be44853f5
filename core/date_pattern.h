#pragma once

// Private to the core: the Qt-style date and time patterns of a RegionalForm,
// split into fields and literal text.

#include <string>
#include <string_view>
#include <vector>

namespace zentadial::detail {

enum class PatternField {
    Literal,   // text: quoted text, or any character that is no field letter
    Day,       // d (1-2 digits), dd (2 digits)
    DayName,   // ddd, dddd: English day name
    Month,     // M, MM
    MonthName, // MMM, MMMM: English month name
    Year,      // yy (2 digits), yyyy (4 digits); a lone y is literal
    Hour,      // h hh (1-12 when the pattern has a marker), H HH (0-23)
    Minute,    // m mm
    Second,    // s ss
    Marker,    // AP A (upper case), ap a (lower case)
};

struct PatternElement {
    PatternField field = PatternField::Literal;
    int width = 0;           // count of the letter (1 or 2; 3 or 4 for names)
    bool twentyFour = false; // Hour: H or HH
    bool lowerCase = false;  // Marker: ap or a
    std::string literal;     // Literal: the text
};

using Pattern = std::vector<PatternElement>;

// Qt's rules: d and M take up to four letters, y four or two, h H m s two;
// 'text' is literal and '' is one quote, inside quotes or out. Adjacent
// literal characters come out as one Literal element.
[[nodiscard]] Pattern parsePattern(std::string_view pattern);

// Whether the pattern holds an AM/PM marker (outside quotes).
[[nodiscard]] bool hasMarker(const Pattern& pattern);

// The first-appearance order of day of month, month and year: a string of
// 'd', 'M', 'y' ("Mdy" for "M/d/yyyy"). Letters the pattern lacks follow in
// the order month, day, year.
[[nodiscard]] std::string fieldOrder(const Pattern& pattern);

} // namespace zentadial::detail
