#pragma once

#include "cli/entry_fields.h"
#include "core/regional_form.h"
#include "core/serial_date.h"

#include <optional>
#include <string>

namespace zentadial {

// The forms in which convert prints an entry's four values, each ended by a
// line end: "date\t...\nmjd\t...\nepoch\t...\njd\t...\n"; one row of four
// tab-separated columns; one JSON object. The date is in the form's short
// date and long time, the numbers in one form for every locale ("." as the
// decimal point, no group separators), so that a script reads them back
// whatever the locale; a value the entry has not got is an empty text.
[[nodiscard]] std::string fieldLines(const EntryResult& entry, const RegionalForm& form);
[[nodiscard]] std::string fieldRow(const EntryResult& entry, const RegionalForm& form);
// In JSON the numbers are JSON numbers, the date comes once more as an ISO
// 8601 instant ("utc"), a value the entry has not got is null, and a failed
// entry has an "error".
[[nodiscard]] std::string fieldJson(const EntryResult& entry, const RegionalForm& form);

// The number as the command line prints it: 15 significant digits, "." as
// the decimal point ("53005.5", "-1.5", "1E+308").
[[nodiscard]] std::string plainNumberText(double x);

// The number in JSON: plainNumberText, or null when there is none.
[[nodiscard]] std::string jsonNumber(std::optional<double> x);

// "2004-01-01T18:00:00Z", to the second as the date field shows it.
[[nodiscard]] std::string isoUtcText(SerialDate date);

// The text as a JSON string, quotes included. Bytes that are not UTF-8 become
// U+FFFD, so the output is valid JSON whatever the input was.
[[nodiscard]] std::string jsonString(std::string_view text);

} // namespace zentadial
