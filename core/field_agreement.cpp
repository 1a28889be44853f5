#include "core/field_agreement.h"

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/scales.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace zentadial {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// Half a second, the rounding of the date text, and the last digit a
// 15-digit number keeps of a seven-digit Julian Date.
constexpr double kToleranceDays = 0.5 / kSecondsPerDay + 1e-8;

constexpr std::array kFields{Field::Date, Field::Mjd, Field::Epoch, Field::Julian};

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The field's value: a SerialDate for the date, the number for the others.
// A number the linked fields would read as 0 ("abc" in the Julian Date) is
// no value here.
Conv<double> valueOf(Field field, std::string_view text, const RegionalForm& form) {
    return field == Field::Date ? dateFromText(text, form) : numberFromText(text, form);
}

// The field's instant as an MJD in the scale, but for the date, which is
// compared as a date (see below).
Conv<double> mjdOf(Field field, double value) {
    switch (field) {
    case Field::Epoch: {
        const Conv<double> julian = epochToJulian(value);
        return julian ? julianToMjd(*julian) : julian;
    }
    case Field::Julian:
        return julianToMjd(value);
    case Field::Date:
    case Field::Mjd:
        break;
    }
    return value;
}

bool within(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

} // namespace

std::expected<double, FieldDisagreement>
agreedMjd(const FieldTexts& fields, const RegionalForm& form, const MjdScale& scale) {
    std::array<double, kFields.size()> values{};
    std::optional<Field> firstEmpty;
    for (const Field field : kFields) {
        const std::string& text = fields[field];
        if (isBlank(text)) {
            firstEmpty = firstEmpty.value_or(field);
            continue;
        }
        const Conv<double> value = valueOf(field, text, form);
        if (!value) {
            return std::unexpected(FieldDisagreement{field, FieldProblem::Unreadable});
        }
        values[static_cast<std::size_t>(field)] = *value;
    }
    if (firstEmpty) {
        return std::unexpected(FieldDisagreement{*firstEmpty, FieldProblem::Empty});
    }
    const double mjd = values[static_cast<std::size_t>(Field::Mjd)];
    // The date is compared on its own scale: the MJD's date against the
    // date read. In TDB an instant in a leap second shows as 23:59:59, so an
    // MJD made from the date read would lie a second away.
    const Conv<SerialDate> dateOfMjd = scale.dateOfMjd(mjd);
    if (!dateOfMjd ||
        !within(*dateOfMjd, values[static_cast<std::size_t>(Field::Date)], kToleranceDays)) {
        return std::unexpected(FieldDisagreement{Field::Date, FieldProblem::OutOfStep});
    }
    for (const Field field : {Field::Epoch, Field::Julian}) {
        const Conv<double> other = mjdOf(field, values[static_cast<std::size_t>(field)]);
        if (!other || !within(*other, mjd, kToleranceDays)) {
            return std::unexpected(FieldDisagreement{field, FieldProblem::OutOfStep});
        }
    }
    return mjd;
}

} // namespace zentadial
