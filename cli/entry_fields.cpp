#include "cli/entry_fields.h"

#include "core/linked_fields.h"
#include "core/number_text.h"

namespace zentadial {
namespace {

std::string& slot(FieldTexts& fields, Field field) {
    switch (field) {
    case Field::Date:
        return fields.date;
    case Field::Mjd:
        return fields.mjd;
    case Field::Epoch:
        return fields.epoch;
    case Field::Julian:
        break;
    }
    return fields.jd;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string problemOf(EntryKind kind, std::string_view text, const FieldTexts& fields) {
    switch (kind) {
    case EntryKind::Date:
        return fields.mjd.empty() ? quoted(text) + " is not a date" : std::string{};
    case EntryKind::Mjd:
        if (fields.epoch.empty()) {
            return quoted(text) + " is not a number";
        }
        break;
    case EntryKind::Epoch:
    case EntryKind::Julian:
        break;
    }
    if (fields.date.empty()) {
        return "the instant of " + quoted(text) +
               " lies outside the dates from 1 January 100 to 31 December 9999";
    }
    return {};
}

} // namespace

std::optional<EntryKind> entryKindNamed(std::string_view keyword) {
    if (keyword == "date") {
        return EntryKind::Date;
    }
    if (keyword == "mjd") {
        return EntryKind::Mjd;
    }
    if (keyword == "epoch") {
        return EntryKind::Epoch;
    }
    if (keyword == "jd") {
        return EntryKind::Julian;
    }
    return std::nullopt;
}

EntryResult convertEntry(EntryKind kind, std::string_view text, const RegionalForm& form) {
    EntryResult result;
    FieldWrites writes;
    switch (kind) {
    case EntryKind::Date:
        result.fields.date = text;
        writes = dateEntryWrites(text, form);
        break;
    case EntryKind::Mjd:
        result.fields.mjd = text;
        writes = mjdEntryWrites(text, form);
        break;
    case EntryKind::Epoch:
        result.fields.epoch = text;
        writes = epochEntryWrites(text, form);
        break;
    case EntryKind::Julian:
        result.fields.jd = text;
        writes = julianEntryWrites(text, form);
        break;
    }
    for (auto& write : writes) {
        slot(result.fields, write.field) = std::move(write.text);
    }
    result.problem = problemOf(kind, text, result.fields);
    return result;
}

EntryResult convertPlainEntry(EntryKind kind, std::string_view text, const RegionalForm& form) {
    if (kind == EntryKind::Date) {
        return convertEntry(kind, text, form);
    }
    const Conv<double> value = plainNumberFromText(text);
    if (!value) {
        EntryResult result;
        slot(result.fields, kind == EntryKind::Mjd     ? Field::Mjd
                            : kind == EntryKind::Epoch ? Field::Epoch
                                                       : Field::Julian) = text;
        result.problem = quoted(text) +
                         " is not a number; write it with '.' as the decimal point and no group "
                         "separators";
        return result;
    }
    return convertEntry(kind, numberToText(*value, form), form);
}

} // namespace zentadial
