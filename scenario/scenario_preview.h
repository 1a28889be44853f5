#pragma once

#include "core/regional_form.h"
#include "scenario/scenario_rewrite.h"

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

struct DateLineChange {
    std::size_t lineNumber = 0; // counting from 1
    std::string before;
    std::string after;
};

struct ScenarioPreview {
    std::string path;
    FileOutcome outcome = FileOutcome::NoDateLine; // what the rewrite would do
    std::size_t lineCount = 0;
    std::vector<DateLineChange> changes; // one per date line, in file order
};

using ScenarioPreviewOutcome = std::expected<ScenarioPreview, ScenarioFailure>;

// What rewriteScenarioFile would do to the file, with nothing written: the
// same reading and the same refusals (size, bytes that are no text, too many
// lines, a date that does not convert, a read-only or hard-linked file, a
// folder that takes no temporary file). Failures that only writing meets,
// such as a full disk, are not foreseen.
[[nodiscard]] ScenarioPreviewOutcome previewScenarioFile(std::string_view path,
                                                         DateLineSource& dateLine,
                                                         FileSystem& fs = systemFileSystem());

} // namespace zentadial
