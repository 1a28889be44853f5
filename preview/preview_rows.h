#pragma once

#include "scenario/file_steps.h"
#include "scenario/file_system.h"
#include "scenario/scenario_notes.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zentadial {

// One scenario file as the preview shows it: how the simulator reads it now,
// and what a pass with the date given would do to it.
struct PreviewRow {
    std::string path;
    std::string name; // the path below the folder listed, or the file's name
    // Where the listing found it: a pass over the row reaches the file
    // through this folder, never through its path again. Empty for a folder
    // that could not be listed and a link out of the folder.
    std::optional<FileInFolder> file{};
    // Why a pass would leave it as it is; a link out of the folder, a folder
    // that cannot be listed, or a file the rewrite refuses.
    std::optional<ScenarioFailure> refusal{};
    std::optional<ScenarioReading> reading{}; // when it could be read
    std::vector<ScenarioNote> notes{};        // what else a new date touches
    std::size_t dateLines = 0;                // the lines a pass would replace
    bool checked = false;
};

// What the preview lists: one file, or the scenario files of a folder, of
// its sub-folders too when asked.
struct PreviewSource {
    std::string path;
    bool folder = false;
    bool subFolders = false;
};

// The rows of the source, each file read once through the folder the listing
// opened and judged by the rewrite's own checks with `dateLine`, nothing
// written; refused files start unchecked. A folder that cannot be listed, or a file that cannot be
// read, gives its failure.
[[nodiscard]] std::expected<std::vector<PreviewRow>, ScenarioFailure>
readPreviewRows(const PreviewSource& source, DateLineSource& dateLine, FileSystem& fs);

} // namespace zentadial
