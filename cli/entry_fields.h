#pragma once

#include "core/linked_fields.h"
#include "core/regional_form.h"
#include "timescale/time_scale.h"

#include <optional>
#include <string>
#include <string_view>

namespace zentadial {

// The field an entry line's keyword names ("date", "mjd", "epoch", "jd").
[[nodiscard]] std::optional<Field> fieldNamed(std::string_view keyword);

struct EntryResult {
    FieldTexts fields;
    // Why the entry did not convert, for the user; empty when it did.
    std::string problem;
    TimeScale scale = TimeScale::Utc; // of the MJD, JD and Epoch
    ScaleNotes notes;
};

// The four fields as the converter window shows them once the text has been
// typed into that field: the typed text stays as it is, the window's chains
// write the other three. An entry counts as failed whenever a field ends up
// empty.
[[nodiscard]] EntryResult convertEntry(Field field, std::string_view text, const RegionalForm& form,
                                       TimeScale scale = TimeScale::Utc);

// convertEntry for a text from a file or another program: an MJD, Epoch or
// JD must be a plain number ("." as the decimal point, no group separators),
// which is typed into its field as the form writes it. Any other text fails,
// with the other fields empty, instead of reading as another value.
[[nodiscard]] EntryResult convertPlainEntry(Field field, std::string_view text,
                                            const RegionalForm& form,
                                            TimeScale scale = TimeScale::Utc);

} // namespace zentadial
