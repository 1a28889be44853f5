#include "scenario/scenario_rewrite.h"

#include "scenario/failure_kind.h"
#include "scenario/folder_path.h"
#include "scenario/scenario_text.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace zentadial {
namespace {

// How many files the informative line names before it only counts them.
constexpr std::size_t kNamedInLine = 5;

std::unexpected<ScenarioFailure> fileFailure(ScenarioFailureKind kind, const std::string& path,
                                             std::string reason, const DateLineSource& dateLine) {
    const bool aboutDate =
        kind == ScenarioFailureKind::DateNotADate || kind == ScenarioFailureKind::DateOutOfRange;
    return std::unexpected(ScenarioFailure{.kind = kind,
                                           .path = path,
                                           .reason = std::move(reason),
                                           .dateText = aboutDate ? dateLine.dateText() : ""});
}

ScenarioFileOutcome rewriteOne(const std::string& path, DateLineSource& dateLine,
                               const WriteCalls& calls) {
    auto contents = readFileBytes(path);
    if (!contents) {
        return fileFailure(failureKindOf(contents.error().kind), path,
                           std::move(contents.error().reason), dateLine);
    }
    auto text = rewriteScenarioText(contents->bytes, dateLine);
    if (!text) {
        return fileFailure(failureKindOf(text.error()), path, {}, dateLine);
    }
    // Nothing to change: writing it back could only alter its line ends.
    if (text->dateLineCount == 0) {
        return ScenarioFileResult{path, text->lineCount, 0, {}};
    }
    if (auto written = replaceFileBytes(path, text->bytes, contents->identity, calls); !written) {
        return fileFailure(failureKindOf(written.error().kind), path,
                           std::move(written.error().reason), dateLine);
    }
    return ScenarioFileResult{path, text->lineCount, text->dateLineCount, {}};
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
EntryKind kindOf(const std::string& path, unsigned char type,
                 const std::filesystem::path& realFolder) {
    if (type == DT_REG) {
        return EntryKind::File;
    }
    if (type != DT_LNK && type != DT_UNKNOWN) {
        return EntryKind::Other;
    }
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return EntryKind::Other;
    }
    if (S_ISREG(st.st_mode)) {
        return EntryKind::File;
    }
    if (!S_ISLNK(st.st_mode) || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return EntryKind::Other; // a dangling link is no file
    }
    std::error_code ec;
    const auto target = std::filesystem::canonical(path, ec);
    return !ec && target.parent_path() == realFolder ? EntryKind::LinkInside
                                                     : EntryKind::LinkOutside;
}

std::string plural(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string fileName(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

// "a.scn, b.scn and 3 more": the first few names, then a count.
std::string someNames(const std::vector<std::string>& names) {
    std::string text;
    const std::size_t shown = std::min(names.size(), kNamedInLine);
    for (std::size_t i = 0; i < shown; ++i) {
        text += (i == 0 ? "" : ", ") + fileName(names[i]);
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
                                        const RegionalForm& form, const WriteCalls& calls) {
    DateLineSource dateLine{std::string(dateText), form};
    return rewriteScenarioFile(path, dateLine, calls);
}

ScenarioFileOutcome rewriteScenarioFile(std::string_view path, DateLineSource& dateLine,
                                        const WriteCalls& calls) {
    auto result = rewriteOne(std::string(path), dateLine, calls);
    if (result) {
        result->leftovers = leftoverTemporaries(folderOf(path));
    }
    return result;
}

std::expected<ScenarioListing, ScenarioFailure> listScenarioFiles(std::string_view folderText) {
    const std::string folder(folderText);
    auto fail = [&](ScenarioFailureKind kind, int error) {
        return std::unexpected(ScenarioFailure{
            .kind = kind,
            .path = folder,
            .reason = error != 0 ? std::generic_category().message(error) : std::string{},
            .folderPass = true});
    };
    if (folder.empty()) {
        return fail(ScenarioFailureKind::NoFolderGiven, 0);
    }
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        const int error = errno;
        return fail(error == ENOENT || error == ENOTDIR ? ScenarioFailureKind::FolderMissing
                                                        : ScenarioFailureKind::CannotList,
                    error);
    }
    if (!S_ISDIR(st.st_mode)) {
        return fail(ScenarioFailureKind::NotAFolder, 0);
    }
    std::error_code ec;
    const auto realFolder = std::filesystem::canonical(folder, ec);
    if (ec) {
        return fail(ScenarioFailureKind::CannotList, ec.value());
    }

    ScenarioListing listing;
    auto paths = listFolderPaths(
        folder, [&](const std::string& path, std::string_view name, unsigned char type) {
            if (name.starts_with('.') || !hasScenarioSuffix(name)) {
                return false;
            }
            switch (kindOf(path, type, realFolder)) {
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

std::vector<std::string> leftoverTemporaries(std::string_view folderText) {
    auto paths = listFolderPaths(std::string(folderText),
                                 [](const std::string&, std::string_view name, unsigned char) {
                                     return name.starts_with(kTemporaryPrefix);
                                 });
    return paths ? std::move(*paths) : std::vector<std::string>{};
}

ScenarioFolderOutcome rewriteScenarioFolder(std::string_view folderText, std::string_view dateText,
                                            const RegionalForm& form, const WriteCalls& calls) {
    auto listing = listScenarioFiles(folderText);
    if (!listing) {
        return std::unexpected(std::move(listing.error()));
    }
    ScenarioFolderResult result{
        std::string(folderText), {}, std::move(listing->skipped), leftoverTemporaries(folderText)};
    result.files.reserve(listing->files.size());
    DateLineSource dateLine{std::string(dateText), form};
    for (const auto& path : listing->files) {
        auto file = rewriteOne(path, dateLine, calls);
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
