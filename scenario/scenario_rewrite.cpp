#include "scenario/scenario_rewrite.h"

#include "scenario/failure_kind.h"
#include "scenario/folder_path.h"
#include "scenario/rewrite_batch.h"
#include "scenario/scenario_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace zentadial {
bool endsPass(ScenarioFailureKind kind) {
    switch (kind) {
    case ScenarioFailureKind::NoFolderGiven:
    case ScenarioFailureKind::FolderMissing:
    case ScenarioFailureKind::NotAFolder:
    case ScenarioFailureKind::CannotList:
    case ScenarioFailureKind::DateNotADate:
    case ScenarioFailureKind::DateOutOfRange:
        return true;
    default:
        return false;
    }
}

ScenarioCounts ScenarioFolderResult::counts() const {
    ScenarioCounts counts{.refused = refused.size()};
    for (const auto& file : files) {
        if (file.outcome == FileOutcome::Written) {
            ++counts.written;
            counts.dateLines += file.dateLineCount;
        } else {
            ++counts.unchanged;
        }
    }
    return counts;
}

std::vector<std::string> ScenarioFolderResult::filesWith(FileOutcome outcome) const {
    std::vector<std::string> paths;
    for (const auto& file : files) {
        if (file.outcome == outcome) {
            paths.push_back(file.path);
        }
    }
    return paths;
}

ScenarioFileOutcome rewriteScenarioFile(std::string_view path, std::string_view dateText,
                                        const RegionalForm& form, FileSystem& fs,
                                        ReplaceRecorder* recorder) {
    DateLineSource dateLine{std::string(dateText), form};
    return rewriteScenarioFile(path, dateLine, fs, recorder);
}

ScenarioFileOutcome rewriteScenarioFile(std::string_view pathText, DateLineSource& dateLine,
                                        FileSystem& fs, ReplaceRecorder* recorder) {
    const std::string path(pathText);
    auto file = openNamedFile(fs, path);
    if (!file) {
        return fileFailure(failureKindOf(file.error().kind), path, std::move(file.error().reason),
                           dateLine);
    }
    auto result = rewriteListedFile(*file, dateLine, fs, recorder);
    if (result) {
        result->leftovers = leftoverTemporaries(*file->folder, fs);
    }
    return result;
}

ScenarioFileOutcome rewriteListedFile(const FileInFolder& file, DateLineSource& dateLine,
                                      FileSystem& fs, ReplaceRecorder* recorder) {
    std::optional<ScenarioFileOutcome> outcome;
    RewriteBatch batch(dateLine, fs, recorder,
                       [&](ScenarioFileOutcome settled) { outcome = std::move(settled); });
    batch.add(file);
    batch.finish();
    return std::move(*outcome);
}

ScenarioFolderOutcome rewriteScenarioFolder(std::string_view folderText, std::string_view dateText,
                                            const RegionalForm& form, FileSystem& fs,
                                            ReplaceRecorder* recorder) {
    DateLineSource dateLine{std::string(dateText), form};
    return rewriteScenarioFolder(folderText, dateLine, fs, recorder);
}

ScenarioFolderOutcome rewriteScenarioFolder(std::string_view folderText, DateLineSource& dateLine,
                                            FileSystem& fs, ReplaceRecorder* recorder) {
    auto listing = listScenarioFiles(folderText, fs);
    if (!listing) {
        return std::unexpected(std::move(listing.error()));
    }
    ScenarioFolderResult result{.folder = std::string(folderText),
                                .files = {},
                                .refused = {},
                                .skipped = std::move(listing->skipped),
                                .leftovers = leftoverTemporaries(*listing->folder, fs)};
    result.files.reserve(listing->files.size());
    std::optional<ScenarioFailure> ended;
    RewriteBatch batch(dateLine, fs, recorder, [&](ScenarioFileOutcome file) {
        if (ended) {
            return; // after the failure that ends the pass, as if never read
        }
        if (file) {
            result.files.push_back(std::move(*file));
            return;
        }
        file.error().folderPass = true;
        if (endsPass(file.error().kind)) {
            ended = std::move(file.error());
            return;
        }
        result.refused.push_back(std::move(file.error()));
    });
    for (const auto& path : listing->files) {
        batch.add({listing->folder, fileNameOf(path), path});
        if (ended) {
            break;
        }
    }
    // The files staged before a failure that ends the pass are written, as
    // they were before it.
    batch.finish();
    if (ended) {
        ended->filesWritten = result.counts().written;
        return std::unexpected(std::move(*ended));
    }
    return result;
}

} // namespace zentadial
