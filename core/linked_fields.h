#pragma once

#include "core/mjd_scale.h"
#include "core/regional_form.h"

#include <array>
#include <cstddef>
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
// them, the MJD in the given scale. A field written twice ends with its last text; the edited field
// itself is never written. Failed steps are skipped, their values stay 0, and only a text that is
// not a number or date empties fields.
using FieldWrites = std::vector<FieldWrite>;

[[nodiscard]] FieldWrites dateEntryWrites(std::string_view dateText, const RegionalForm& form,
                                          const MjdScale& scale = kUtcScale);
[[nodiscard]] FieldWrites mjdEntryWrites(std::string_view mjdText, const RegionalForm& form,
                                         const MjdScale& scale = kUtcScale);
[[nodiscard]] FieldWrites epochEntryWrites(std::string_view epochText, const RegionalForm& form,
                                           const MjdScale& scale = kUtcScale);
[[nodiscard]] FieldWrites julianEntryWrites(std::string_view julianText, const RegionalForm& form,
                                            const MjdScale& scale = kUtcScale);

// The writes of the field's own chain.
[[nodiscard]] FieldWrites entryWrites(Field field, std::string_view text, const RegionalForm& form,
                                      const MjdScale& scale = kUtcScale);

// The texts of the four fields, indexed by Field.
struct FieldTexts {
    std::array<std::string, 4> texts;

    [[nodiscard]] std::string& operator[](Field field) {
        return texts[static_cast<std::size_t>(field)];
    }
    [[nodiscard]] const std::string& operator[](Field field) const {
        return texts[static_cast<std::size_t>(field)];
    }
};

// What the four fields hold once the text is typed into the field: the text
// itself, and the chain's writes in the others.
[[nodiscard]] FieldTexts fieldsAfterEntry(Field field, std::string_view text,
                                          const RegionalForm& form,
                                          const MjdScale& scale = kUtcScale);

} // namespace zentadial
