#pragma once

#include "scenario/file_system.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_text.h"

namespace zentadial {

// The one failure vocabulary the user sees, whichever step met the failure.
[[nodiscard]] ScenarioFailureKind failureKindOf(FileFailure failure);
[[nodiscard]] ScenarioFailureKind failureKindOf(TextFailure failure);

} // namespace zentadial
