#include "core/date_markers.h"

#include "core/date_chars.h"

#include <algorithm>

namespace zentadial::detail {

Markers effectiveMarkers(const RegionalForm& form) {
    const std::string am{trimBlanks(normalizeBlanks(form.amText))};
    const std::string pm{trimBlanks(normalizeBlanks(form.pmText))};
    if (am.empty() || pm.empty() || equalsIgnoringCase(am, pm)) {
        return {"AM", "PM"};
    }
    return {am, pm};
}

std::vector<MarkerText> markerTexts(const RegionalForm& form) {
    const Markers m = effectiveMarkers(form);
    std::vector<MarkerText> list = {
        {m.am, Half::Am}, {m.pm, Half::Pm}, {"AM", Half::Am}, {"PM", Half::Pm}};
    std::ranges::stable_sort(list, [](const MarkerText& a, const MarkerText& b) {
        return a.text.size() > b.text.size();
    });
    return list;
}

} // namespace zentadial::detail
