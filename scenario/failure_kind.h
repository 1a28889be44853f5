#pragma once

#include "scenario/file_system.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_text.h"

namespace zentadial {

// The one failure vocabulary the user sees, whichever step met the failure.
[[nodiscard]] ScenarioFailureKind failureKindOf(FileFailure failure);
[[nodiscard]] ScenarioFailureKind failureKindOf(TextFailure failure);

// A failure of one file; the date kinds carry the date text that failed.
[[nodiscard]] std::unexpected<ScenarioFailure> fileFailure(ScenarioFailureKind kind,
                                                           const std::string& path,
                                                           std::string reason,
                                                           const DateLineSource& dateLine);

} // namespace zentadial
