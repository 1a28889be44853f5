#pragma once

#include <string>

namespace zentadial {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The user's regional forms for numbers and dates, handed in by the caller:
// the core never reads a locale. Texts are UTF-8.
//
// Patterns use the letters d dd M MM yy yyyy (date) and h hh H HH m mm s ss
// AP ap A a (time); text in single quotes is literal, as is any other
// character.
struct RegionalForm {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    std::string shortDatePattern = "M/d/yyyy";
    std::string longTimePattern = "h:mm:ss AP";
    std::string amText = "AM";
    std::string pmText = "PM";

    [[nodiscard]] static RegionalForm englishUnitedStates() { return {}; }
    // The order of day, month and year in shortDatePattern: the first d or
    // dd, M to MMMM and yy or yyyy outside quotes (ddd and dddd do not count).
    [[nodiscard]] DateOrder dateOrder() const;

    friend bool operator==(const RegionalForm&, const RegionalForm&) = default;
};

} // namespace zentadial
