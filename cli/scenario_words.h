#pragma once

#include "scenario/scenario_rewrite.h"
#include "timescale/time_scale.h"

#include <string>
#include <string_view>

namespace zentadial {

// The command line's words for what the scenario library and the time
// scales return. They stay English in every locale: scripts read them.

// What was not done, to which file or folder, and why.
[[nodiscard]] std::string failureText(const ScenarioFailure& failure);

// A key for the kind, the same in every locale, for JSON ("read-only").
[[nodiscard]] std::string_view failureKey(ScenarioFailureKind kind);

// A sentence for each note; empty when there is nothing to say.
[[nodiscard]] std::string scaleNotesText(const ScaleNotes& notes);

// "1 file", "3 date lines".
[[nodiscard]] std::string countOf(std::size_t n, std::string_view one, std::string_view many);

} // namespace zentadial
