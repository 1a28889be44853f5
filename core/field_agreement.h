#pragma once

#include "core/linked_fields.h"
#include "core/mjd_scale.h"
#include "core/regional_form.h"

#include <expected>

namespace zentadial {

// Why the four fields do not show one instant.
enum class FieldProblem {
    Empty,      // nothing but blanks
    Unreadable, // no date, or no number as a whole
    OutOfStep,  // a value, but not the MJD's instant
};

struct FieldDisagreement {
    Field field;
    FieldProblem problem;
    friend bool operator==(const FieldDisagreement&, const FieldDisagreement&) = default;
};

// The MJD the MJD field shows, read exactly, when all four fields show its
// instant: the MJD's date lies within half a second of the date read (the
// date text's rounding to the second), and the Epoch and Julian Date within
// half a second of the MJD, each with the last digit of a 15-digit number to
// spare. Otherwise the first field that reads as nothing (date, MJD, Epoch,
// Julian Date in turn), else the first empty one, else the first out of step
// with the MJD.
[[nodiscard]] std::expected<double, FieldDisagreement>
agreedMjd(const FieldTexts& fields, const RegionalForm& form, const MjdScale& scale = kUtcScale);

} // namespace zentadial
