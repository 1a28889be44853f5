#pragma once

#include "core/regional_form.h"
#include "scenario/file_steps.h"
#include "scenario/scenario_rewrite.h"

#include <cstddef>
#include <expected>
#include <optional>
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
    std::vector<DateLineChange> changes;  // one per date line, in file order
    ScenarioReading before{};             // the file as the simulator reads it now
    std::optional<SimulatorDate> after{}; // the date it would read, with date lines
    std::vector<ScenarioNote> notes{};    // what else a date change touches
};

using ScenarioPreviewOutcome = std::expected<ScenarioPreview, ScenarioFailure>;

// What rewriteScenarioFile would do to the file, with nothing written: the
// same reading and the same refusals (size, bytes that are no text, too many
// lines, a date that does not convert, a read-only, append-only, immutable
// or hard-linked file, a folder that takes no temporary file or lets none be
// replaced). Failures that only writing meets, such as a full disk, are not
// foreseen.
[[nodiscard]] ScenarioPreviewOutcome previewScenarioFile(std::string_view path,
                                                         DateLineSource& dateLine,
                                                         FileSystem& fs = systemFileSystem());
// The same for a file a listing found in a folder it opened.
[[nodiscard]] ScenarioPreviewOutcome previewScenarioFile(const FileInFolder& file,
                                                         DateLineSource& dateLine,
                                                         FileSystem& fs = systemFileSystem());

} // namespace zentadial
