#pragma once

#include "cli/entry_fields.h"
#include "core/regional_form.h"

#include <string>

namespace zentadial {

// The forms in which convert prints the four fields, each ended by a line
// end: "date\t...\nmjd\t...\nepoch\t...\njd\t...\n"; one row of four
// tab-separated columns; one JSON object. A tab or line end inside a text
// (a typed date may hold one, the date reading takes it for a blank) becomes
// a blank in the first two forms, so the columns always stay four.
[[nodiscard]] std::string fieldLines(const FieldTexts& fields);
[[nodiscard]] std::string fieldRow(const FieldTexts& fields);
// In JSON the numbers are JSON numbers ("." as the point, whatever the
// locale), an emptied field is null, and a failed entry has an "error".
[[nodiscard]] std::string fieldJson(const EntryResult& entry, const RegionalForm& form);

// The text as a JSON string, quotes included. Bytes that are not UTF-8 become
// U+FFFD, so the output is valid JSON whatever the input was.
[[nodiscard]] std::string jsonString(std::string_view text);

} // namespace zentadial
