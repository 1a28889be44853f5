#pragma once

#include "scenario/file_steps.h"
#include "scenario/file_system.h"
#include "scenario/journal_pass.h"
#include "scenario/replace_recorder.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_shift.h"

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

struct ShiftFileResult {
    std::string path;
    double mjdBefore = 0;
    double mjdAfter = 0;
    std::vector<ShiftedItem> items; // the date line first
};

struct ShiftFileFailure {
    std::string path;
    std::optional<ScenarioFailureKind> file{}; // reading or replacing the file failed
    std::string reason{};                      // the system's words, when it gave any
    std::optional<ShiftRefusal> refusal{};     // the text could not be shifted
    std::uint64_t shiftedBy = 0;               // with AlreadyShifted: that pass
};

using ShiftFileOutcome = std::expected<ShiftFileResult, ShiftFileFailure>;

// The journal pass that last replaced the file, when that pass shifted it by
// exactly `days`: shifting it again is most likely the same pass run twice.
// Passes whose manifest cannot be read are passed over.
[[nodiscard]] std::optional<std::uint64_t> lastSameShift(const std::vector<KeptPass>& passes,
                                                         std::string_view path, double days);

// One file shifted by `days` (shiftScenarioText) and, unless dryRun, written
// through the same all-or-nothing replace as a rewrite, the recorder told
// before and after. The file is reached through the folder a walk opened, as
// a rewrite reaches it, never by its path again: a folder swapped for a link
// since the walk cannot send the write elsewhere.
[[nodiscard]] ShiftFileOutcome shiftScenarioFile(const FileInFolder& file, double days,
                                                 const ShiftOptions& options, bool dryRun = false,
                                                 FileSystem& fs = systemFileSystem(),
                                                 ReplaceRecorder* recorder = nullptr);

// The date the simulator starts the file at, for --shift-to's anchor:
// empty with the file's failure, or with PresentMoment when it has none.
[[nodiscard]] std::expected<double, ShiftFileFailure>
effectiveMjdOf(std::string_view path, FileSystem& fs = systemFileSystem());

} // namespace zentadial
