#include "core/number_text.h"
#include "fuzz/fuzz_support.h"

#include <cmath>
#include <string>

using namespace zentadial;
using fuzz::require;

namespace {

void check(std::string_view text, const RegionalForm& form) {
    const Conv<double> value = numberFromText(text, form);
    if (!value) {
        require(value.error() == ConvError::TypeMismatch || value.error() == ConvError::Overflow,
                "numberFromText fails with one of the two codes");
        return;
    }
    require(std::isfinite(*value), "numberFromText gives a finite number");
    const std::string shown = numberToText(*value, form);
    const Conv<double> again = numberFromText(shown, form);
    require(again && numberToText(*again, form) == shown,
            "what numberToText writes, numberFromText reads back to the same text");
    const Conv<double> field = valueOfFieldText(shown, form);
    require(field && numberToText(*field, form) == shown,
            "a field numberToText wrote reads back through valueOfFieldText");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RegionalForm english = RegionalForm::englishUnitedStates();
    static const RegionalForm decimalComma = fuzz::decimalCommaForm();
    const std::string_view text = fuzz::asText(data, size);
    check(text, english);
    check(text, decimalComma);
    return 0;
}
