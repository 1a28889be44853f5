#include "core/number_text.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

using namespace zentadial;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const Conv<double> value = valueOfText(text);
    require(value || value.error() == ConvError::Overflow, "valueOfText fails only by overflow");

    std::string packed(text);
    std::erase_if(packed, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    const Conv<double> packedValue = valueOfText(packed);
    require(value.has_value() == packedValue.has_value() &&
                (!value || std::bit_cast<std::uint64_t>(*value) ==
                               std::bit_cast<std::uint64_t>(*packedValue)),
            "blanks, tabs and line feeds do not change the number");

    if (value) {
        require(std::isfinite(*value), "valueOfText gives a finite number");
        const RegionalForm form = RegionalForm::englishUnitedStates();
        const std::string shown = numberToText(*value, form);
        const Conv<double> again = valueOfText(shown);
        require(again && numberToText(*again, form) == shown,
                "the printed number reads back to the same text");
    }
    return 0;
}
