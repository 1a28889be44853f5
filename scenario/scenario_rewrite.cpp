#include "scenario/scenario_rewrite.h"

#include "scenario/failure_kind.h"
#include "scenario/folder_path.h"
#include "scenario/scenario_text.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

namespace zentadial {
namespace {

ScenarioFileOutcome rewriteOne(const FileInFolder& file, DateLineSource& dateLine, FileSystem& fs,
                               ReplaceRecorder* recorder) {
    const std::string& path = file.path;
    auto fail = [&](FileError error) {
        return fileFailure(failureKindOf(error.kind), path, std::move(error.reason), dateLine);
    };
    const auto reached = reachFile(fs, file);
    if (!reached) {
        return fail(reached.error());
    }
    auto contents = readFile(fs, *reached);
    if (!contents) {
        return fail(std::move(contents.error()));
    }
    auto text = rewriteScenarioText(contents->bytes, dateLine);
    if (!text) {
        auto failure = fileFailure(failureKindOf(text.error().kind), path, {}, dateLine);
        failure.error().unread = text.error().unread;
        return failure;
    }
    ScenarioFileResult result{.path = path,
                              .outcome = FileOutcome::NoDateLine,
                              .lineCount = text->lineCount,
                              .dateLineCount = text->dateLineCount,
                              .leftovers = {},
                              .before = std::move(text->before),
                              .after = text->after,
                              .notes = scenarioNotes(contents->bytes)};
    // Nothing to change: writing it back could only alter its line ends.
    if (text->dateLineCount == 0) {
        return result;
    }
    // A second pass with the same date: a write would change nothing but the
    // file's times, and would count it as converted.
    if (text->bytes == contents->bytes) {
        result.outcome = FileOutcome::AlreadyAtDate;
        return result;
    }
    if (recorder != nullptr) {
        recorder->aboutToReplace(path, contents->bytes, text->bytes);
    }
    if (auto written = replaceFile(fs, *reached, text->bytes, contents->identity); !written) {
        return fail(std::move(written.error()));
    }
    if (recorder != nullptr) {
        recorder->replaced(path);
    }
    result.outcome = FileOutcome::Written;
    return result;
}

} // namespace

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
    auto result = rewriteOne(*file, dateLine, fs, recorder);
    if (result) {
        result->leftovers = leftoverTemporaries(*file->folder, fs);
    }
    return result;
}

ScenarioFileOutcome rewriteListedFile(const FileInFolder& file, DateLineSource& dateLine,
                                      FileSystem& fs, ReplaceRecorder* recorder) {
    return rewriteOne(file, dateLine, fs, recorder);
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
    for (const auto& path : listing->files) {
        auto file = rewriteOne({listing->folder, fileNameOf(path), path}, dateLine, fs, recorder);
        if (file) {
            result.files.push_back(std::move(*file));
            continue;
        }
        file.error().folderPass = true;
        if (endsPass(file.error().kind)) {
            file.error().filesWritten = result.counts().written;
            return std::unexpected(std::move(file.error()));
        }
        result.refused.push_back(std::move(file.error()));
    }
    return result;
}

} // namespace zentadial
