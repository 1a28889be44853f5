#include "core/linked_fields.h"

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/scales.h"

#include <optional>

namespace zentadial {
namespace {

// One handler run in resume-next style: a failed step leaves its value as it
// was (0 unless set earlier) and only the latest failure code is kept.
class Steps {
public:
    template <class T> void run(double& value, const Conv<T>& result) {
        if (result) {
            value = *result;
        } else {
            latest_ = result.error();
        }
    }
    [[nodiscard]] bool lastFailedAsMismatch() const { return latest_ == ConvError::TypeMismatch; }

private:
    std::optional<ConvError> latest_;
};

// One statement of nested conversions: the first failure ends it.
template <class F> Conv<double> then(const Conv<double>& value, F&& next) {
    return value ? next(*value) : Conv<double>(std::unexpected(value.error()));
}

// A date beyond the SerialDate range has no text: the field is emptied rather
// than showing the midnight of day 0, which a scenario rewrite would take for
// a real date.
std::string dateTextOrEmpty(const Conv<SerialDate>& date, const RegionalForm& form) {
    return date ? dateToText(*date, form) : std::string{};
}

} // namespace

FieldWrites dateEntryWrites(std::string_view dateText, const RegionalForm& form,
                            const MjdScale& scale) {
    Steps steps;
    double mjd = 0;
    steps.run(mjd, then(dateFromText(dateText, form), scale.mjdOfDate));
    FieldWrites writes;
    writes.push_back({Field::Mjd, numberToText(mjd, form)});
    // The Epoch comes from the MJD as written and read back, not from mjd:
    // that is what the user sees, and it differs in the last digit at times.
    double readBack = 0;
    double epoch = 0;
    steps.run(readBack, valueOfFieldText(writes.back().text, form));
    steps.run(epoch, then(mjdToJulian(readBack), julianToEpoch));
    writes.push_back({Field::Epoch, numberToText(epoch, form)});
    double julian = 0;
    steps.run(julian, mjdToJulian(mjd));
    writes.push_back({Field::Julian, numberToText(julian, form)});
    // The converter has always read the date text a second time here and
    // judged the entry by that read alone: its value is not used, and only a
    // text that is no date (not one out of range) empties the fields. Kept
    // on purpose, so the fields empty exactly as users know them to.
    double unused = 0;
    steps.run(unused, dateFromText(dateText, form));
    if (steps.lastFailedAsMismatch()) {
        writes.push_back({Field::Mjd, {}});
        writes.push_back({Field::Epoch, {}});
        writes.push_back({Field::Julian, {}});
    }
    return writes;
}

FieldWrites mjdEntryWrites(std::string_view mjdText, const RegionalForm& form,
                           const MjdScale& scale) {
    Steps steps;
    FieldWrites writes;
    double mjd = 0;
    steps.run(mjd, numberFromText(mjdText, form));
    const bool notANumber = steps.lastFailedAsMismatch();
    writes.push_back({Field::Date, dateTextOrEmpty(scale.dateOfMjd(mjd), form)});
    double julian = 0;
    double epoch = 0;
    steps.run(julian, mjdToJulian(mjd));
    steps.run(epoch, julianToEpoch(julian));
    writes.push_back({Field::Epoch, numberToText(epoch, form)});
    writes.push_back({Field::Julian, numberToText(julian, form)});
    // The Julian field keeps "2400000.5", the JD of MJD 0, when the entry is
    // no number: the converter has always emptied only the date and Epoch.
    if (notANumber) {
        writes.push_back({Field::Date, {}});
        writes.push_back({Field::Epoch, {}});
    }
    return writes;
}

FieldWrites epochEntryWrites(std::string_view epochText, const RegionalForm& form,
                             const MjdScale& scale) {
    Steps steps;
    double epoch = 0;
    double julian = 0;
    double mjd = 0;
    steps.run(epoch, valueOfFieldText(epochText, form));
    steps.run(julian, epochToJulian(epoch));
    steps.run(mjd, julianToMjd(julian));
    return {{Field::Date, dateTextOrEmpty(scale.dateOfMjd(mjd), form)},
            {Field::Mjd, numberToText(mjd, form)},
            {Field::Julian, numberToText(julian, form)}};
}

FieldWrites julianEntryWrites(std::string_view julianText, const RegionalForm& form,
                              const MjdScale& scale) {
    Steps steps;
    double julian = 0;
    double mjd = 0;
    double epoch = 0;
    steps.run(julian, valueOfFieldText(julianText, form));
    steps.run(mjd, julianToMjd(julian));
    FieldWrites writes;
    writes.push_back({Field::Mjd, numberToText(mjd, form)});
    steps.run(epoch, julianToEpoch(julian));
    writes.push_back({Field::Epoch, numberToText(epoch, form)});
    writes.push_back({Field::Date, dateTextOrEmpty(scale.dateOfMjd(mjd), form)});
    return writes;
}

FieldWrites entryWrites(Field field, std::string_view text, const RegionalForm& form,
                        const MjdScale& scale) {
    switch (field) {
    case Field::Date:
        return dateEntryWrites(text, form, scale);
    case Field::Mjd:
        return mjdEntryWrites(text, form, scale);
    case Field::Epoch:
        return epochEntryWrites(text, form, scale);
    case Field::Julian:
        break;
    }
    return julianEntryWrites(text, form, scale);
}

FieldTexts fieldsAfterEntry(Field field, std::string_view text, const RegionalForm& form,
                            const MjdScale& scale) {
    FieldTexts fields;
    fields[field] = text;
    for (FieldWrite& write : entryWrites(field, text, form, scale)) {
        fields[write.field] = std::move(write.text);
    }
    return fields;
}

} // namespace zentadial
