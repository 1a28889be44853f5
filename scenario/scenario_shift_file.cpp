#include "scenario/scenario_shift_file.h"

#include "scenario/failure_kind.h"
#include "scenario/file_steps.h"
#include "scenario/journal_file.h"
#include "scenario/scenario_reader.h"

#include <algorithm>
#include <utility>

namespace zentadial {

std::optional<std::uint64_t> lastSameShift(const std::vector<KeptPass>& passes,
                                           std::string_view path, double days) {
    const std::string absolute = absoluteJournalPath(std::string(path));
    for (auto pass = passes.rbegin(); pass != passes.rend(); ++pass) {
        if (!pass->manifest) {
            continue;
        }
        const auto& files = pass->manifest->files;
        const bool touched =
            std::any_of(files.begin(), files.end(), [&](const JournalEntry& entry) {
                return entry.replaced && entry.path == absolute;
            });
        if (!touched) {
            continue;
        }
        if (pass->manifest->shiftDays && *pass->manifest->shiftDays == days) {
            return pass->pass;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

ShiftFileOutcome shiftScenarioFile(const FileInFolder& file, double days,
                                   const ShiftOptions& options, bool dryRun, FileSystem& fs,
                                   ReplaceRecorder* recorder) {
    const std::string& path = file.path;
    const auto fail = [&](FileError error) {
        return std::unexpected(
            ShiftFileFailure{path, failureKindOf(error.kind), std::move(error.reason)});
    };
    auto reached = reachFile(fs, file);
    if (!reached) {
        return fail(std::move(reached.error()));
    }
    auto contents = readFile(fs, *reached);
    if (!contents) {
        return fail(std::move(contents.error()));
    }
    auto shifted = shiftScenarioText(contents->bytes, readScenario(contents->bytes), days, options);
    if (!shifted) {
        return std::unexpected(ShiftFileFailure{path, {}, {}, std::move(shifted.error())});
    }
    ShiftFileResult result{path, shifted->mjdBefore, shifted->mjdAfter, std::move(shifted->items)};
    // The dry run refuses what the write would refuse, so that it promises
    // nothing the real run then fails to do.
    if (dryRun) {
        if (auto refused = checkReplaceable(fs, *reached); !refused) {
            return fail(std::move(refused.error()));
        }
        return result;
    }
    if (recorder != nullptr) {
        recorder->aboutToReplace(path, contents->bytes, shifted->bytes);
    }
    if (auto written = replaceFile(fs, *reached, shifted->bytes, *contents); !written) {
        return fail(std::move(written.error()));
    }
    if (recorder != nullptr) {
        recorder->replaced(path);
    }
    return result;
}

std::expected<double, ShiftFileFailure> effectiveMjdOf(std::string_view pathText, FileSystem& fs) {
    const std::string path(pathText);
    auto named = readNamedFile(fs, path);
    if (!named) {
        return std::unexpected(ShiftFileFailure{path, failureKindOf(named.error().kind),
                                                std::move(named.error().reason)});
    }
    if (!isScenarioText(named->contents.bytes)) {
        return std::unexpected(ShiftFileFailure{path, {}, {}, ShiftRefusal{ShiftFailure::NotText}});
    }
    const auto reading = readScenario(named->contents.bytes);
    if (!reading.date) {
        return std::unexpected(
            ShiftFileFailure{path, {}, {}, ShiftRefusal{ShiftFailure::PresentMoment}});
    }
    return reading.date->mjd;
}

} // namespace zentadial
