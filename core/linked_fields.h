#pragma once

#include "core/regional_form.h"

#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// The four linked fields of the converter.
enum class Field { Date, Mjd, Epoch, Julian };

struct FieldWrite {
    Field field;
    std::string text;
    friend bool operator==(const FieldWrite&, const FieldWrite&) = default;
};

// What an edit of one field writes into the others, in the order it writes
// them. A field written twice ends with its last text; the edited field itself
// is never written. Failed steps are skipped, their values stay 0, and only a
// text that is not a number or date empties fields.
using FieldWrites = std::vector<FieldWrite>;

[[nodiscard]] FieldWrites dateEntryWrites(std::string_view dateText, const RegionalForm& form);
[[nodiscard]] FieldWrites mjdEntryWrites(std::string_view mjdText, const RegionalForm& form);
[[nodiscard]] FieldWrites epochEntryWrites(std::string_view epochText, const RegionalForm& form);
[[nodiscard]] FieldWrites julianEntryWrites(std::string_view julianText, const RegionalForm& form);

} // namespace zentadial
