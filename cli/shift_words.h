#pragma once

#include "scenario/scenario_shift_file.h"

#include <string>

namespace zentadial {

// A span of days as the user reads it: "+779 days", "-0.0104166666666667
// days (-15 min)".
[[nodiscard]] std::string spanWords(double days);

// What moved and what stayed in one file, after its path:
// "moved from MJD 51982.029 to 52761.029; moved: 3 ELEMENTS epochs; stayed: ...".
[[nodiscard]] std::string shiftResultWords(const ShiftFileResult& result);

// Why a file was not shifted.
[[nodiscard]] std::string shiftFailureWords(const ShiftFileFailure& failure);

// The same as a key for JSON, the same in every locale ("present-moment").
[[nodiscard]] std::string_view shiftFailureKey(const ShiftFileFailure& failure);

// What moved and what stayed, as the JSON members ,"moved":[{"kind","line",
// "before","after"}],"notMoved":[{"kind","line","why"}], the date line left
// out.
[[nodiscard]] std::string shiftItemsJson(const ShiftFileResult& result);

} // namespace zentadial
