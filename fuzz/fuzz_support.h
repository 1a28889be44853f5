#pragma once

// What every fuzz target shares: the two regional forms inputs are read in,
// and a check that stops the run loudly, so the engine keeps the input.

#include "core/regional_form.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zentadial::fuzz {

[[nodiscard]] inline RegionalForm decimalCommaForm() {
    RegionalForm form;
    form.decimalSeparator = ",";
    form.thousandsSeparator = ".";
    form.shortDatePattern = "dd.MM.yyyy";
    form.longTimePattern = "HH:mm:ss";
    form.amText = "";
    form.pmText = "";
    return form;
}

[[nodiscard]] inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Not assert(): the targets are built with NDEBUG in release-type builds.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace zentadial::fuzz
