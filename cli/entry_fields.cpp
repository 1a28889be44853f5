#include "cli/entry_fields.h"

#include "cli/argument_bytes.h"
#include "core/date_text.h"
#include "core/number_text.h"
#include "core/scales.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zentadial {
namespace {

std::string quoted(std::string_view text) {
    return "\"" + printableBytes(text) + "\"";
}

std::optional<double> numberIn(const std::string& text, const RegionalForm& form) {
    if (text.empty()) {
        return std::nullopt;
    }
    const Conv<double> value = valueOfFieldText(text, form);
    return value ? std::optional<double>(*value) : std::nullopt;
}

template <class T> bool failed(const Conv<T>& step) {
    return !step.has_value();
}

// The window's chains run on past a step that overflows, with 0 in place of
// its result, and show what follows from that 0: the fields that rest on
// such a step hold no value of the entry. `typed` is the entry as its field
// shows it.
void dropFiguresOfFailedSteps(Field field, double typed, const MjdScale& scale,
                              EntryResult& result) {
    switch (field) {
    case Field::Date:
        if (failed(scale.mjdOfDate(typed))) {
            result.mjd = result.epoch = result.julian = std::nullopt;
        }
        return;
    case Field::Mjd:
        if (const Conv<double> julian = mjdToJulian(typed); failed(julian)) {
            result.julian = result.epoch = std::nullopt;
        } else if (failed(julianToEpoch(*julian))) {
            result.epoch = std::nullopt;
        }
        return;
    case Field::Epoch:
        if (const Conv<double> julian = epochToJulian(typed); failed(julian)) {
            result.julian = result.mjd = result.date = std::nullopt;
        } else if (failed(julianToMjd(*julian))) {
            result.mjd = result.date = std::nullopt;
        }
        return;
    case Field::Julian:
        if (failed(julianToMjd(typed))) {
            result.mjd = result.date = std::nullopt;
        }
        if (failed(julianToEpoch(typed))) {
            result.epoch = std::nullopt;
        }
        return;
    }
}

bool complete(const EntryResult& result) {
    return result.date && result.mjd && result.epoch && result.julian;
}

EntryResult failedEntry(TimeScale scale, std::string problem) {
    EntryResult result;
    result.scale = scale;
    result.problem = std::move(problem);
    return result;
}

std::string outsideTheDates(std::string_view text) {
    return "the instant of " + quoted(text) +
           " lies outside the dates from 1 January 100 to 31 December 9999";
}

} // namespace

std::optional<Field> fieldNamed(std::string_view keyword) {
    static constexpr std::array<std::pair<std::string_view, Field>, 4> kNames = {{
        {"date", Field::Date},
        {"mjd", Field::Mjd},
        {"epoch", Field::Epoch},
        {"jd", Field::Julian},
    }};
    for (const auto& [name, field] : kNames) {
        if (std::ranges::equal(keyword, name, [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            })) {
            return field;
        }
    }
    return std::nullopt;
}

EntryResult convertEntry(Field field, std::string_view text, const RegionalForm& form,
                         TimeScale scale) {
    const MjdScale& conversions = mjdScaleOf(scale);
    const FieldTexts fields = fieldsAfterEntry(field, text, form, conversions);
    // The entry as its own field reads it: a figure shown to 15 digits may
    // round beyond the largest double.
    const Conv<double> typed =
        field == Field::Date ? dateFromText(text, form) : valueOfFieldText(fields[field], form);
    if (!typed) {
        return failedEntry(scale, field == Field::Date ? quoted(text) + " is not a date"
                                                       : outsideTheDates(text));
    }
    EntryResult result;
    result.scale = scale;
    if (field == Field::Date) {
        result.date = *typed;
    } else if (!fields[Field::Date].empty()) {
        // The date as the field shows it, to the second.
        const Conv<SerialDate> date = dateFromText(fields[Field::Date], form);
        result.date = date ? std::optional<SerialDate>(*date) : std::nullopt;
    }
    result.mjd = numberIn(fields[Field::Mjd], form);
    result.epoch = numberIn(fields[Field::Epoch], form);
    result.julian = numberIn(fields[Field::Julian], form);
    dropFiguresOfFailedSteps(field, *typed, conversions, result);
    if (!complete(result)) {
        result.problem = outsideTheDates(text);
    }
    if (result.mjd) {
        result.notes = notesForMjd(*result.mjd, scale);
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
        return failedEntry(scale, quoted(text) + " is not a number; write it with '.' as the "
                                                 "decimal point and no group separators");
    }
    return convertEntry(field, numberToText(*value, form), form, scale);
}

} // namespace zentadial
