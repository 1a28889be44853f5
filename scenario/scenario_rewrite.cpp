#include "scenario/scenario_rewrite.h"

#include "scenario/failure_kind.h"
#include "scenario/folder_path.h"
#include "scenario/scenario_text.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace zentadial {
namespace {

ScenarioFileOutcome rewriteOne(const std::string& path, DateLineSource& dateLine,
                               const WriteCalls& calls) {
    auto fail = [&](ScenarioFailureKind kind, std::string reason) {
        ScenarioFailure failure{kind, path, std::move(reason), {}, false, 0};
        if (kind == ScenarioFailureKind::DateNotADate ||
            kind == ScenarioFailureKind::DateOutOfRange) {
            failure.dateText = dateLine.dateText();
        }
        return std::unexpected(std::move(failure));
    };

    auto bytes = readFileBytes(path);
    if (!bytes) {
        return fail(failureKindOf(bytes.error().kind), std::move(bytes.error().reason));
    }
    auto text = rewriteScenarioText(*bytes, dateLine);
    if (!text) {
        return fail(failureKindOf(text.error()), {});
    }
    if (auto written = replaceFileBytes(path, text->bytes, calls); !written) {
        return fail(failureKindOf(written.error().kind), std::move(written.error().reason));
    }
    return ScenarioFileResult{path, text->lineCount, text->dateLineCount};
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

bool isRegularFile(const std::string& path, unsigned char type) {
    if (type == DT_REG) {
        return true;
    }
    if (type != DT_LNK && type != DT_UNKNOWN) {
        return false;
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode); // a dangling link is no file
}

std::string plural(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string fileName(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
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
    return rewriteOne(std::string(path), dateLine, calls);
}

std::expected<std::vector<std::string>, ScenarioFailure>
listScenarioFiles(std::string_view folderText) {
    const std::string folder(folderText);
    auto fail = [&](ScenarioFailureKind kind, int error) {
        return std::unexpected(
            ScenarioFailure{kind,
                            folder,
                            error != 0 ? std::generic_category().message(error) : std::string{},
                            {},
                            true,
                            0});
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

    auto paths = listFolderPaths(
        folder, [](const std::string& path, std::string_view name, unsigned char type) {
            return !name.starts_with('.') && hasScenarioSuffix(name) && isRegularFile(path, type);
        });
    if (!paths) {
        return fail(ScenarioFailureKind::CannotList, paths.error());
    }
    return std::move(*paths);
}

ScenarioFolderOutcome rewriteScenarioFolder(std::string_view folderText, std::string_view dateText,
                                            const RegionalForm& form, const WriteCalls& calls) {
    auto paths = listScenarioFiles(folderText);
    if (!paths) {
        return std::unexpected(std::move(paths.error()));
    }
    ScenarioFolderResult result{std::string(folderText), {}};
    result.files.reserve(paths->size());
    DateLineSource dateLine{std::string(dateText), form};
    for (const auto& path : *paths) {
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
    const std::string where = quoted(failure.path);
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
    case ScenarioFailureKind::TooManyLines:
        text = "The file " + where + " has more than " + std::to_string(kMaxScenarioLines) +
               " lines, more than a scenario file may have.";
        break;
    case ScenarioFailureKind::DateNotADate:
        text = failure.dateText.empty()
                   ? "The date field is empty, so " + where + " could not be converted."
                   : "The date " + quoted(failure.dateText) + " is not a date, so " + where +
                         " could not be converted.";
        break;
    case ScenarioFailureKind::DateOutOfRange:
        text = "The date " + quoted(failure.dateText) +
               " is too late to be written as an MJD, so " + where + " could not be converted.";
        break;
    case ScenarioFailureKind::ReadOnly:
        text = "The file " + where + " is read-only" + because + ".";
        break;
    case ScenarioFailureKind::CannotWrite:
        text = "The file " + where + " could not be written" + because + ".";
        break;
    }
    if (aboutFile) {
        text += " It was left unchanged.";
    }
    if (failure.folderPass) {
        text += failure.filesRewritten == 0
                    ? " No file of the folder had been converted yet."
                    : " " + plural(failure.filesRewritten, "file", "files") +
                          " of the folder had already been converted; the files after it " +
                          "were not touched.";
    }
    return text;
}

std::string describeResult(const ScenarioFileResult& result) {
    if (result.dateLineCount == 0) {
        return "The file has no Date MJD line, so its date was not changed.";
    }
    return plural(result.dateLineCount, "date line was", "date lines were") + " rewritten.";
}

std::string describeResult(const ScenarioFolderResult& result) {
    if (result.files.empty()) {
        return "The folder holds no scenario file, so nothing was changed.";
    }
    std::string text = plural(result.files.size(), "file", "files") + " converted, " +
                       plural(result.dateLineCount(), "date line", "date lines") + " rewritten.";
    const auto without = result.filesWithoutDateLine();
    if (!without.empty()) {
        text += " No Date MJD line in: ";
        for (std::size_t i = 0; i < without.size(); ++i) {
            text += (i == 0 ? "" : ", ") + fileName(without[i]);
        }
        text += ".";
    }
    return text;
}

} // namespace zentadial
