#include "core/date_text.h"
#include "core/serial_date.h"
#include "fuzz/fuzz_support.h"

#include <cstring>
#include <string>

using namespace zentadial;
using fuzz::require;

namespace {

// The instant dateToText shows: to the second, but never past the last
// second of the range.
CivilTime shownInstant(SerialDate date) {
    CivilTime civil = civilFromSerial(date);
    if (civil.year > 9999) {
        civil = {9999, 12, 31, 23, 59, 59};
    }
    return civil;
}

void checkRoundTrip(SerialDate date, const RegionalForm& form) {
    const std::string text = dateToText(date, form);
    const Conv<SerialDate> again = dateFromText(text, form);
    require(again.has_value(), "every text dateToText writes reads as a date");
    require(civilFromSerial(*again) == shownInstant(date),
            "dateFromText(dateToText(d)) is d to the second");
}

void check(std::string_view text, const RegionalForm& form) {
    const Conv<SerialDate> date = dateFromText(text, form);
    if (!date) {
        require(date.error() == ConvError::TypeMismatch || date.error() == ConvError::Overflow,
                "dateFromText fails with one of the two codes");
        return;
    }
    require(dateFromSerial(*date).has_value(), "dateFromText gives a valid SerialDate");
    checkRoundTrip(*date, form);
}

} // namespace

// The bytes are read twice: as a date text, and their first eight bytes as a
// SerialDate whose text must read back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RegionalForm english = RegionalForm::englishUnitedStates();
    static const RegionalForm decimalComma = fuzz::decimalCommaForm();
    const std::string_view text = fuzz::asText(data, size);
    check(text, english);
    check(text, decimalComma);
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (dateFromSerial(raw)) {
            checkRoundTrip(raw, english);
            checkRoundTrip(raw, decimalComma);
        }
    }
    return 0;
}
