#pragma once

// Private to the core: what the date reader and writer take from a regional
// form, worked out once.

#include "core/date_general_reader.h"
#include "core/date_markers.h"
#include "core/date_pattern.h"
#include "core/regional_form.h"

#include <vector>

namespace zentadial::detail {

struct ParsedForm {
    Pattern dateToWrite;
    Pattern timeToWrite;
    Pattern dateToRead; // the blanks of the literals normalized
    Pattern timeToRead;
    Markers markers;
    std::vector<MarkerText> markerTexts;
    FormClues clues;
};

// The form parsed. The last form asked for is kept, per thread: a window or a
// batch uses one form throughout and so parses it once, not at every
// keystroke or line.
[[nodiscard]] const ParsedForm& parsedForm(const RegionalForm& form);

} // namespace zentadial::detail
