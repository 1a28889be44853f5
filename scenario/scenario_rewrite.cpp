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

// How many files the informative line names before it only counts them.
constexpr std::size_t kNamedInLine = 5;

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
    ScenarioFileResult result{path,
                              text->lineCount,
                              text->dateLineCount,
                              {},
                              std::move(text->before),
                              text->after,
                              scenarioNotes(contents->bytes)};
    // Nothing to change: writing it back could only alter its line ends.
    if (text->dateLineCount == 0) {
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

std::string plural(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// "a.scn, b.scn and 3 more": the first few names, then a count.
std::string someNames(const std::vector<std::string>& names) {
    std::string text;
    const std::size_t shown = std::min(names.size(), kNamedInLine);
    for (std::size_t i = 0; i < shown; ++i) {
        text += (i == 0 ? "" : ", ") + fileNameOf(names[i]);
    }
    if (names.size() > shown) {
        text += " and " + std::to_string(names.size() - shown) + " more";
    }
    return text;
}

std::vector<std::string> pathsOf(const std::vector<ScenarioFailure>& failures) {
    std::vector<std::string> paths;
    for (const auto& failure : failures) {
        paths.push_back(failure.path);
    }
    return paths;
}

// Why the simulator would miss the date written, as the user reads it.
std::string unreadReason(const std::optional<HiddenDateLine>& unread) {
    if (!unread) {
        return "the simulator would not read the date written";
    }
    const std::string at = std::to_string(unread->causeLine);
    switch (unread->by) {
    case DateHiddenBy::NoSection:
        return "it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read";
    case DateHiddenBy::MarkBeforeSection:
        return "a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from "
               "the simulator";
    case DateHiddenBy::IndentedSection:
        return "BEGIN_ENVIRONMENT on line " + at +
               " is indented, so the simulator finds no environment section";
    case DateHiddenBy::EndOfFileBeforeSection:
        return "a Ctrl-Z character on line " + at +
               " ends the file for the simulator before the environment section";
    case DateHiddenBy::LongLine:
        return "a line of " + std::to_string(unread->causeLength) +
               " characters earlier in the environment section (line " + at +
               ") hides the date from the simulator";
    case DateHiddenBy::EndOfFileMark:
        return "a Ctrl-Z character on line " + at +
               " ends the file for the simulator before the date";
    case DateHiddenBy::BeforeSection:
    case DateHiddenBy::AfterSection:
        return "its date line lies outside the environment section";
    case DateHiddenBy::SharedLine:
        return "a lone carriage return joins the date line to the line before it";
    case DateHiddenBy::LaterDateLine:
        break;
    }
    return "the simulator would read the date on line " + at + " instead";
}

std::string leftoverSentence(const std::vector<std::string>& leftovers) {
    return " Temporary files of an interrupted earlier run were found and left in place: " +
           someNames(leftovers) + ".";
}

} // namespace

std::size_t ScenarioFolderResult::dateLineCount() const {
    std::size_t count = 0;
    for (const auto& file : files) {
        count += file.dateLineCount;
    }
    return count;
}

std::vector<std::string> ScenarioFolderResult::filesWithoutDateLine() const {
    std::vector<std::string> paths;
    for (const auto& file : files) {
        if (file.dateLineCount == 0) {
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
    ScenarioFolderResult result{
        std::string(folderText), {}, std::move(listing->skipped), leftoverTemporaries(folderText)};
    result.files.reserve(listing->files.size());
    for (const auto& path : listing->files) {
        auto file = rewriteOne(path, dateLine, fs, recorder);
        if (!file) {
            file.error().folderPass = true;
            file.error().filesRewritten = result.files.size();
            return std::unexpected(std::move(file.error()));
        }
        result.files.push_back(std::move(*file));
    }
    return result;
}

std::string describeFailure(const ScenarioFailure& failure) {
    const std::string where = inQuotes(failure.path);
    const std::string because = failure.reason.empty() ? "" : " (" + failure.reason + ")";
    std::string text;
    bool aboutFile = true;
    switch (failure.kind) {
    case ScenarioFailureKind::NoFolderGiven:
        return "No folder was given, so nothing was converted.";
    case ScenarioFailureKind::FolderMissing:
        return "The folder " + where + " does not exist, so nothing was converted.";
    case ScenarioFailureKind::NotAFolder:
        return where + " is not a folder, so nothing was converted.";
    case ScenarioFailureKind::CannotList:
        return "The folder " + where + " could not be read" + because +
               ", so nothing was converted.";
    case ScenarioFailureKind::CannotOpen:
        if (failure.path.empty()) {
            return "No scenario file was given, so nothing was converted.";
        }
        text = "The file " + where + " could not be opened" + because + ".";
        aboutFile = false;
        break;
    case ScenarioFailureKind::NotAFile:
        text = where + " is not a scenario file" + because + ".";
        aboutFile = false;
        break;
    case ScenarioFailureKind::TooLarge:
        text = "The file " + where + " is too large for a scenario file" + because + ".";
        break;
    case ScenarioFailureKind::NotText:
        text = "The file " + where +
               " is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).";
        break;
    case ScenarioFailureKind::TooManyLines:
        text = "The file " + where + " has more than " + std::to_string(kMaxScenarioLines) +
               " lines, more than a scenario file may have.";
        break;
    case ScenarioFailureKind::DateNotADate:
        text = failure.dateText.empty()
                   ? "The date field is empty, so " + where + " could not be converted."
                   : "The date " + inQuotes(failure.dateText) + " is not a date, so " + where +
                         " could not be converted.";
        break;
    case ScenarioFailureKind::DateOutOfRange:
        text = "The date " + inQuotes(failure.dateText) +
               " is too late to be written as an MJD, so " + where + " could not be converted.";
        break;
    case ScenarioFailureKind::ReadOnly:
        text = "The file " + where + " is read-only" + because + ".";
        break;
    case ScenarioFailureKind::HardLinked:
    case ScenarioFailureKind::OtherOwner:
        text = "The file " + where + " was not converted" + because + ".";
        break;
    case ScenarioFailureKind::Changed:
        text = "The file " + where +
               " changed while being converted: another program wrote or replaced it.";
        break;
    case ScenarioFailureKind::LinkOutside:
        text = where + " is a link to a file outside its folder and was skipped.";
        break;
    case ScenarioFailureKind::CannotWrite:
        text = "The file " + where + " could not be written" + because + ".";
        break;
    case ScenarioFailureKind::DateNotRead:
        text = "The file " + where + " was not converted: " + unreadReason(failure.unread) + ".";
        break;
    }
    if (aboutFile) {
        text += failure.kind == ScenarioFailureKind::Changed
                    ? " It was left as the other program wrote it."
                    : " It was left unchanged.";
    }
    if (failure.folderPass && failure.kind != ScenarioFailureKind::LinkOutside) {
        text += failure.filesRewritten == 0
                    ? " No file of the folder had been converted yet."
                    : " " + plural(failure.filesRewritten, "file", "files") +
                          " of the folder had already been converted; the files after it " +
                          "were not touched.";
    }
    return text;
}

std::string describeResult(const ScenarioFileResult& result) {
    std::string text =
        result.dateLineCount == 0
            ? "The file has no Date MJD line, so it was left unchanged."
            : plural(result.dateLineCount, "date line was", "date lines were") + " rewritten.";
    if (!result.leftovers.empty()) {
        text += leftoverSentence(result.leftovers);
    }
    return text;
}

std::string describeResult(const ScenarioFolderResult& result) {
    std::string text;
    if (result.files.empty()) {
        text = "The folder holds no scenario file, so nothing was changed.";
    } else {
        text = plural(result.files.size(), "file", "files") + " converted, " +
               plural(result.dateLineCount(), "date line", "date lines") + " rewritten.";
    }
    if (const auto without = result.filesWithoutDateLine(); !without.empty()) {
        text += " No Date MJD line, left unchanged: " + someNames(without) + ".";
    }
    if (!result.skipped.empty()) {
        text +=
            " Skipped, links to files outside the folder: " + someNames(pathsOf(result.skipped)) +
            ".";
    }
    if (!result.leftovers.empty()) {
        text += leftoverSentence(result.leftovers);
    }
    return text;
}

std::string describeResultDetails(const ScenarioFolderResult& result) {
    const auto without = result.filesWithoutDateLine();
    const auto skipped = pathsOf(result.skipped);
    if (without.size() <= kNamedInLine && skipped.size() <= kNamedInLine &&
        result.leftovers.size() <= kNamedInLine) {
        return {};
    }
    std::string text;
    const auto section = [&](std::string_view heading, const std::vector<std::string>& paths) {
        if (paths.empty()) {
            return;
        }
        text.append(text.empty() ? "" : "\n").append(heading).append("\n");
        for (const auto& path : paths) {
            text.append(path).append("\n");
        }
    };
    section("No Date MJD line, left unchanged:", without);
    section("Skipped, links to files outside the folder:", skipped);
    section("Temporary files of an interrupted earlier run:", result.leftovers);
    return text;
}

} // namespace zentadial
