#pragma once

// Private to the core: the AM and PM markers of a regional form.

#include "core/regional_form.h"

#include <string>
#include <vector>

namespace zentadial::detail {

struct Markers {
    std::string am;
    std::string pm;
};

// The form's texts, or "AM" and "PM" when the form's are empty or alike (a
// marker that cannot tell morning from afternoon would lose the time).
[[nodiscard]] Markers effectiveMarkers(const RegionalForm& form);

enum class Half { None, Am, Pm };

struct MarkerText {
    std::string text;
    Half half;
};

// Every text read as a marker, longest first.
[[nodiscard]] std::vector<MarkerText> markerTexts(const RegionalForm& form);

} // namespace zentadial::detail
