#include "core/date_text.h"

#include "core/date_chars.h"
#include "core/date_exact_reader.h"
#include "core/date_form.h"
#include "core/date_general_reader.h"
#include "core/date_writer.h"

// dateFromText reads in two stages: exactly as dateToText writes
// (date_exact_reader), then in the general way (date_general_reader).

namespace zentadial {

Conv<SerialDate> dateFromText(std::string_view text, const RegionalForm& form) {
    const std::string normalized = detail::normalizeBlanks(text);
    const std::string_view trimmed = detail::trimBlanks(normalized);
    if (trimmed.empty()) {
        return std::unexpected(ConvError::TypeMismatch);
    }
    const detail::ParsedForm& parsed = detail::parsedForm(form);
    if (const auto v =
            detail::readExact(trimmed, parsed.dateToRead, parsed.timeToRead, parsed.markerTexts)) {
        return *v;
    }
    if (const auto v = detail::readGeneral(trimmed, parsed.clues, parsed.markerTexts)) {
        return *v;
    }
    return std::unexpected(ConvError::TypeMismatch);
}

std::string dateToText(SerialDate date, const RegionalForm& form) {
    CivilTime t = civilFromSerial(date);
    if (date < kSerialDateEnd && t.year > 9999) {
        // The last half second of the range would round into the year 10000,
        // which reads back as no date: it shows 31 December 9999, 23:59:59.
        t = {9999, 12, 31, 23, 59, 59};
    }
    const bool dayZero = t.year == 1899 && t.month == 12 && t.day == 30;
    const bool midnight = t.hour == 0 && t.minute == 0 && t.second == 0;
    const detail::ParsedForm& parsed = detail::parsedForm(form);
    std::string out;
    if (!dayZero) {
        out = detail::render(parsed.dateToWrite, t, parsed.markers);
    }
    if (!midnight || dayZero) {
        const std::string time = detail::render(parsed.timeToWrite, t, parsed.markers);
        if (!out.empty() && !time.empty()) {
            out += ' ';
        }
        out += time;
    }
    return out;
}

} // namespace zentadial
