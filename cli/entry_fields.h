#pragma once

#include "core/linked_fields.h"
#include "core/regional_form.h"
#include "core/serial_date.h"
#include "timescale/time_scale.h"

#include <optional>
#include <string>
#include <string_view>

namespace zentadial {

// The field an entry line's keyword names ("date", "mjd", "epoch", "jd"), in
// any case.
[[nodiscard]] std::optional<Field> fieldNamed(std::string_view keyword);

// An entry's instant on the four scales, as the converter window shows it
// once the entry is typed into its field (the numbers to its 15 digits, the
// date to the second). A value the entry has not got is empty: a text that
// is no number or date, an instant outside the dates, and every figure the
// window's chains would have worked out from a step that overflowed.
struct EntryResult {
    std::optional<SerialDate> date; // UTC
    std::optional<double> mjd;      // the three in `scale`
    std::optional<double> epoch;
    std::optional<double> julian;
    // Why the entry did not convert, for the user, control characters
    // escaped; empty when it did.
    std::string problem;
    TimeScale scale = TimeScale::Utc;
    ScaleNotes notes;
};

[[nodiscard]] EntryResult convertEntry(Field field, std::string_view text, const RegionalForm& form,
                                       TimeScale scale = TimeScale::Utc);

// convertEntry for a text from a file or another program: an MJD, Epoch or
// JD must be a plain number ("." as the decimal point, no group separators),
// which is typed into its field as the form writes it. Any other text fails
// instead of reading as another value.
[[nodiscard]] EntryResult convertPlainEntry(Field field, std::string_view text,
                                            const RegionalForm& form,
                                            TimeScale scale = TimeScale::Utc);

} // namespace zentadial
