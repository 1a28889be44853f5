#include "cli/entry_fields.h"

#include "core/number_text.h"

namespace zentadial {
namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string problemOf(Field field, std::string_view text, const FieldTexts& fields) {
    switch (field) {
    case Field::Date:
        return fields[Field::Mjd].empty() ? quoted(text) + " is not a date" : std::string{};
    case Field::Mjd:
        if (fields[Field::Epoch].empty()) {
            return quoted(text) + " is not a number";
        }
        break;
    case Field::Epoch:
    case Field::Julian:
        break;
    }
    if (fields[Field::Date].empty()) {
        return "the instant of " + quoted(text) +
               " lies outside the dates from 1 January 100 to 31 December 9999";
    }
    return {};
}

} // namespace

std::optional<Field> fieldNamed(std::string_view keyword) {
    if (keyword == "date") {
        return Field::Date;
    }
    if (keyword == "mjd") {
        return Field::Mjd;
    }
    if (keyword == "epoch") {
        return Field::Epoch;
    }
    if (keyword == "jd") {
        return Field::Julian;
    }
    return std::nullopt;
}

EntryResult convertEntry(Field field, std::string_view text, const RegionalForm& form,
                         TimeScale scale) {
    EntryResult result{fieldsAfterEntry(field, text, form, mjdScaleOf(scale)), {}, scale, {}};
    result.problem = problemOf(field, text, result.fields);
    if (const Conv<double> mjd = valueOfFieldText(result.fields[Field::Mjd], form);
        mjd && !result.fields[Field::Mjd].empty()) {
        result.notes = notesForMjd(*mjd, scale);
    }
    return result;
}

EntryResult convertPlainEntry(Field field, std::string_view text, const RegionalForm& form,
                              TimeScale scale) {
    if (field == Field::Date) {
        return convertEntry(field, text, form, scale);
    }
    const Conv<double> value = plainNumberFromText(text);
    if (!value) {
        EntryResult result;
        result.scale = scale;
        result.fields[field] = text;
        result.problem = quoted(text) +
                         " is not a number; write it with '.' as the decimal point and no group "
                         "separators";
        return result;
    }
    return convertEntry(field, numberToText(*value, form), form, scale);
}

} // namespace zentadial
