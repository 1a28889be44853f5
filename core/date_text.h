#pragma once

#include "core/conv_error.h"
#include "core/regional_form.h"
#include "core/serial_date.h"

#include <string>
#include <string_view>

namespace zentadial {

// A date, a time, or a date then a time, in the user's forms, in 24-hour or
// AM/PM time, or in ISO 8601 ("2004-01-01 18:00:00", "2004-01-01T18:00",
// "1969-07-20T20:17:40Z": a "Z" right after the time marks UTC, which the
// date is in already).
// Reads every text dateToText writes back to the same second. A time alone
// falls on 30 December 1899. Anything else fails with TypeMismatch.
//
// The text is first matched against exactly what dateToText writes (date,
// blank, time; date; time), blanks counting as one and letters in either
// case. Failing that, the general reading: the markers (the form's and plain
// AM/PM, any case, before or after the time) are taken out; the rest must be
// three date numbers then up to three time numbers (hour, minute, second; an
// hour alone only with a marker), or a time alone. Date numbers go in the
// pattern's order of d, M and y unless the first has 3-4 digits (then year,
// month, day). A year of 1-2 digits pivots: 00-29 are 2000-2029, 30-99 are
// 1930-1999. English month names (full, or three letters) may stand for the
// month and English day names are skipped; other words are allowed only when
// they are literal text of the form's patterns ("T" may part date and time).
// Between date numbers: one of / - . , or a literal of the date pattern; in
// the time: ":" or the time pattern's own separators. Three numbers are a
// date when they make one, else a time. Day, month and year are checked (year
// 100-9999), hour 0-23 (1-12 with a marker, 12 AM is 0 h), minute and second
// 0-59. Tabs, line ends and no-break or narrow spaces count as blanks.
[[nodiscard]] Conv<SerialDate> dateFromText(std::string_view text, const RegionalForm& form);

// The short date, a blank, the long time, rounded to the second; the date is
// left out on day 0 and the time at midnight, so 0 gives the midnight time.
// Pattern letters as in RegionalForm; MMM and MMMM write English month names,
// ddd and dddd English day names. yy writes all four digits for a year outside
// 1930-2029, which two digits would not read back as. The last half second of
// the range shows 31 December 9999, 23:59:59 (rounding would give a year
// 10000). With empty or equal AM/PM texts the markers are "AM" and "PM".
[[nodiscard]] std::string dateToText(SerialDate date, const RegionalForm& form);

} // namespace zentadial
