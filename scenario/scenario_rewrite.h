#pragma once

#include "core/regional_form.h"
#include "scenario/file_bytes.h"

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// Why a pass stopped. Nothing of the failing file has been changed, whatever
// the kind; in a folder pass the files before it stay rewritten.
enum class ScenarioFailureKind {
    NoFolderGiven,  // the folder text is empty
    FolderMissing,  // the folder text names nothing
    NotAFolder,     // it names something other than a folder
    CannotList,     // the folder is there but cannot be read
    CannotOpen,     // the file is missing, cannot be read, or no file was named
    NotAFile,       // the path names a folder, device or pipe
    TooManyLines,   // more than kMaxScenarioLines
    DateNotADate,   // the date field's text does not read as a date
    DateOutOfRange, // its MJD lies beyond the dates a SerialDate can hold
    ReadOnly,
    CannotWrite,
};

struct ScenarioFailure {
    ScenarioFailureKind kind;
    std::string path;     // the file, or the folder for the folder kinds
    std::string reason;   // the system's words, when it gave any
    std::string dateText; // the date field's text, for the date kinds
    bool folderPass = false;
    std::size_t filesRewritten = 0; // folder pass: files done before this one
};

struct ScenarioFileResult {
    std::string path; // as given, or as the folder pass built it
    std::size_t lineCount = 0;
    std::size_t dateLineCount = 0;
};

struct ScenarioFolderResult {
    std::string folder;
    std::vector<ScenarioFileResult> files; // in the order they were rewritten

    [[nodiscard]] std::size_t dateLineCount() const;
    [[nodiscard]] std::vector<std::string> filesWithoutDateLine() const;
};

using ScenarioFileOutcome = std::expected<ScenarioFileResult, ScenarioFailure>;
using ScenarioFolderOutcome = std::expected<ScenarioFolderResult, ScenarioFailure>;

// Replaces every date line of one file by the line built from dateText, read
// in the user's forms; every other line goes back byte for byte. The path is
// used as given, relative to the current directory.
[[nodiscard]] ScenarioFileOutcome rewriteScenarioFile(std::string_view path,
                                                      std::string_view dateText,
                                                      const RegionalForm& form,
                                                      const WriteCalls& calls = systemWriteCalls());

// The scenario files of one folder, not of its sub-folders: names ending in
// .scn in any case, regular files or links to them, hidden names left out,
// in byte order of the names so that a pass is repeatable. A trailing "/" on
// the folder text is allowed. An empty folder text is refused rather than
// taken for the top of the file system.
[[nodiscard]] std::expected<std::vector<std::string>, ScenarioFailure>
listScenarioFiles(std::string_view folderText);

// rewriteScenarioFile over listScenarioFiles, stopping at the first failure.
// A folder without scenario files succeeds with none.
[[nodiscard]] ScenarioFolderOutcome
rewriteScenarioFolder(std::string_view folderText, std::string_view dateText,
                      const RegionalForm& form, const WriteCalls& calls = systemWriteCalls());

// Plain English for the user: what was not done, which file or folder, why,
// and in a folder pass how far it had got.
[[nodiscard]] std::string describeFailure(const ScenarioFailure& failure);

// The informative line under "File Converted" / "Folder Converted": how many
// date lines (and files) were rewritten, and which files had none.
[[nodiscard]] std::string describeResult(const ScenarioFileResult& result);
[[nodiscard]] std::string describeResult(const ScenarioFolderResult& result);

} // namespace zentadial
