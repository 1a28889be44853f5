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

ScenarioFileOutcome rewriteOne(const std::string& path, DateLineSource& dateLine, FileSystem& fs,
                               ReplaceRecorder* recorder) {
    auto contents = fs.readFile(path);
    if (!contents) {
        return fileFailure(failureKindOf(contents.error().kind), path,
                           std::move(contents.error().reason), dateLine);
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
    if (auto written = fs.replaceFile(path, text->bytes, contents->identity); !written) {
        return fileFailure(failureKindOf(written.error().kind), path,
                           std::move(written.error().reason), dateLine);
    }
    if (recorder != nullptr) {
        recorder->replaced(path);
    }
    result.outcome = FileOutcome::Written;
    return result;
}

bool hasScenarioSuffix(std::string_view name) {
    constexpr std::string_view kSuffix = ".scn";
    if (name.size() < kSuffix.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - kSuffix.size());
    return std::equal(tail.begin(), tail.end(), kSuffix.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

enum class EntryKind { Other, File, LinkInside, LinkOutside };

// Links are followed only to a regular file in the listed folder itself.
EntryKind kindOf(FileSystem& fs, const std::string& path, EntryType type,
                 const std::string& realFolder) {
    if (type == EntryType::File) {
        return EntryKind::File;
    }
    if (type != EntryType::Link && type != EntryType::Unknown) {
        return EntryKind::Other;
    }
    const auto itself = fs.typeOf(path, false);
    if (itself == EntryType::File) {
        return EntryKind::File;
    }
    if (itself != EntryType::Link || fs.typeOf(path, true) != EntryType::File) {
        return EntryKind::Other; // a dangling link is no file
    }
    const auto target = fs.realPath(path);
    return target && folderOf(*target) == realFolder ? EntryKind::LinkInside
                                                     : EntryKind::LinkOutside;
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

ScenarioFileOutcome rewriteScenarioFile(std::string_view path, DateLineSource& dateLine,
                                        FileSystem& fs, ReplaceRecorder* recorder) {
    auto result = rewriteOne(std::string(path), dateLine, fs, recorder);
    if (result) {
        result->leftovers = leftoverTemporaries(folderOf(path), fs);
    }
    return result;
}

ScenarioFileOutcome rewriteListedFile(std::string_view path, DateLineSource& dateLine,
                                      FileSystem& fs, ReplaceRecorder* recorder) {
    return rewriteOne(std::string(path), dateLine, fs, recorder);
}

std::expected<ScenarioListing, ScenarioFailure> listScenarioFiles(std::string_view folderText,
                                                                  FileSystem& fs) {
    const std::string folder(folderText);
    auto fail = [&](ScenarioFailureKind kind, std::error_code error) {
        return std::unexpected(ScenarioFailure{.kind = kind,
                                               .path = folder,
                                               .reason = error ? error.message() : std::string{},
                                               .folderPass = true});
    };
    if (folder.empty()) {
        return fail(ScenarioFailureKind::NoFolderGiven, {});
    }
    const auto type = fs.typeOf(folder, true);
    if (!type) {
        const bool missing = type.error() == std::errc::no_such_file_or_directory ||
                             type.error() == std::errc::not_a_directory;
        return fail(missing ? ScenarioFailureKind::FolderMissing : ScenarioFailureKind::CannotList,
                    type.error());
    }
    if (*type != EntryType::Folder) {
        return fail(ScenarioFailureKind::NotAFolder, {});
    }
    const auto realFolder = fs.realPath(folder);
    if (!realFolder) {
        return fail(ScenarioFailureKind::CannotList, realFolder.error());
    }

    ScenarioListing listing;
    auto paths =
        listFolderPaths(fs, folder, [&](const std::string& path, const FolderEntry& entry) {
            if (entry.hidden || !hasScenarioSuffix(entry.name)) {
                return false;
            }
            switch (kindOf(fs, path, entry.type, *realFolder)) {
            case EntryKind::File:
            case EntryKind::LinkInside:
                return true;
            case EntryKind::LinkOutside:
                listing.skipped.push_back(
                    {.kind = ScenarioFailureKind::LinkOutside, .path = path, .folderPass = true});
                return false;
            case EntryKind::Other:
                break;
            }
            return false;
        });
    if (!paths) {
        return fail(ScenarioFailureKind::CannotList, paths.error());
    }
    std::sort(listing.skipped.begin(), listing.skipped.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    listing.files = std::move(*paths);
    return listing;
}

std::vector<std::string> leftoverTemporaries(std::string_view folderText, FileSystem& fs) {
    auto paths = listFolderPaths(fs, std::string(folderText),
                                 [](const std::string&, const FolderEntry& entry) {
                                     return entry.name.starts_with(kTemporaryPrefix);
                                 });
    return paths ? std::move(*paths) : std::vector<std::string>{};
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
                                .leftovers = leftoverTemporaries(folderText, fs)};
    result.files.reserve(listing->files.size());
    for (const auto& path : listing->files) {
        auto file = rewriteOne(path, dateLine, fs, recorder);
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
