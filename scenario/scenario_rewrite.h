#pragma once

#include "core/regional_form.h"
#include "scenario/file_system.h"
#include "scenario/replace_recorder.h"
#include "scenario/scenario_notes.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_text.h"

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// Why a file, or a whole pass, was refused. Nothing of the refused file has
// been changed, whatever the kind. The folder kinds and the date kinds end a
// pass; a folder pass goes on past the other kinds.
enum class ScenarioFailureKind {
    NoFolderGiven,  // the folder text is empty
    FolderMissing,  // the folder text names nothing
    NotAFolder,     // it names something other than a folder
    CannotList,     // the folder is there but cannot be read
    CannotOpen,     // the file is missing, cannot be read, or no file was named
    NotAFile,       // the path names a folder, device or pipe
    TooLarge,       // above kMaxScenarioBytes, or beyond the memory left
    NotText,        // UTF-16 or UTF-32, or NUL bytes: not a text scenario
    TooManyLines,   // more than kMaxScenarioLines
    DateNotADate,   // the date field's text does not read as a date
    DateOutOfRange, // its MJD lies beyond the dates a SerialDate can hold
    ReadOnly,
    HardLinked,  // other names share the file
    OtherOwner,  // its owner or group could not be kept
    Changed,     // another program changed or replaced it meanwhile
    LinkOutside, // a folder's link to a file outside that folder
    CannotWrite,
    DateNotRead, // the simulator would not start the new text at the date written: see unread
};

// True for the kinds that end a folder pass: the folder itself failed, or the
// date does, which would fail every later file the same way.
[[nodiscard]] bool endsPass(ScenarioFailureKind kind);

struct ScenarioFailure {
    ScenarioFailureKind kind = ScenarioFailureKind::CannotOpen;
    std::string path{};     // the file, or the folder for the folder kinds
    std::string reason{};   // the system's words, when it gave any
    std::string dateText{}; // the date field's text, for the date kinds
    bool folderPass = false;
    std::size_t filesWritten = 0;           // a pass that ended: files written before it
    std::optional<HiddenDateLine> unread{}; // DateNotRead: which date line, and what hides it
};

// What a pass did with a file it read and did not refuse.
enum class FileOutcome {
    Written,       // its date lines were replaced and the new version put in place
    NoDateLine,    // it has no date line: left as it is, not written
    AlreadyAtDate, // the new version would be byte for byte the old: not written
};

struct ScenarioFileResult {
    std::string path; // as given, or as the folder pass built it
    FileOutcome outcome = FileOutcome::NoDateLine;
    std::size_t lineCount = 0;
    std::size_t dateLineCount = 0;
    // Temporary files of an interrupted earlier rewrite found beside it.
    std::vector<std::string> leftovers;
    ScenarioReading before{};             // the file as the simulator read it
    std::optional<SimulatorDate> after{}; // the date it now reads, when written
    std::vector<ScenarioNote> notes{};    // what else a date change touches, as it was read

    // Its date lines had no readable number: it started at the present
    // moment and now starts at the date written.
    [[nodiscard]] bool wasPresentMoment() const { return dateLineCount > 0 && !before.date; }
};

// How many files a pass wrote, left unchanged and refused; each file read is
// counted once.
struct ScenarioCounts {
    std::size_t written = 0;
    std::size_t unchanged = 0;
    std::size_t refused = 0;
    std::size_t dateLines = 0; // in the files written
    friend bool operator==(const ScenarioCounts&, const ScenarioCounts&) = default;
};

struct ScenarioFolderResult {
    std::string folder;
    std::vector<ScenarioFileResult> files; // written or left unchanged, in pass order
    std::vector<ScenarioFailure> refused;  // files refused, in pass order
    std::vector<ScenarioFailure> skipped;  // links to files outside the folder
    std::vector<std::string> leftovers;    // temporary files of an earlier pass

    [[nodiscard]] ScenarioCounts counts() const;
    // The files left unchanged for the outcome given, in pass order.
    [[nodiscard]] std::vector<std::string> filesWith(FileOutcome outcome) const;
};

// The scenario files of one folder, and the links among them that lead out
// of it, which a folder pass does not follow.
struct ScenarioListing {
    std::vector<std::string> files;
    std::vector<ScenarioFailure> skipped;
};

using ScenarioFileOutcome = std::expected<ScenarioFileResult, ScenarioFailure>;
using ScenarioFolderOutcome = std::expected<ScenarioFolderResult, ScenarioFailure>;

// Replaces every date line of one file by the line built from dateText, read
// in the user's forms; every other line goes back byte for byte. The path is
// used as given, relative to the current directory. A recorder, when given,
// is told of the replace before and after it (the undo journal).
[[nodiscard]] ScenarioFileOutcome
rewriteScenarioFile(std::string_view path, std::string_view dateText, const RegionalForm& form,
                    FileSystem& fs = systemFileSystem(), ReplaceRecorder* recorder = nullptr);
// The same with the date line given by the caller.
[[nodiscard]] ScenarioFileOutcome rewriteScenarioFile(std::string_view path,
                                                      DateLineSource& dateLine,
                                                      FileSystem& fs = systemFileSystem(),
                                                      ReplaceRecorder* recorder = nullptr);

// The same for a file of a listing, without looking for temporary files
// beside it: a caller over many files looks once per folder.
[[nodiscard]] ScenarioFileOutcome rewriteListedFile(std::string_view path, DateLineSource& dateLine,
                                                    FileSystem& fs = systemFileSystem(),
                                                    ReplaceRecorder* recorder = nullptr);

// The scenario files of one folder, not of its sub-folders: names ending in
// .scn in any case, regular files or links to regular files in the same
// folder, hidden names left out, in byte order of the names so that a pass is
// repeatable. Links to files elsewhere are listed as skipped: a link in a
// shared folder must not make a pass rewrite a file outside it. A trailing
// "/" on the folder text is allowed. An empty folder text is refused rather
// than taken for the top of the file system.
[[nodiscard]] std::expected<ScenarioListing, ScenarioFailure>
listScenarioFiles(std::string_view folderText, FileSystem& fs = systemFileSystem());

// The names of temporary files that an interrupted rewrite left in the
// folder, in byte order.
[[nodiscard]] std::vector<std::string> leftoverTemporaries(std::string_view folderText,
                                                           FileSystem& fs = systemFileSystem());

// rewriteScenarioFile over listScenarioFiles. A refused file is kept in the
// result and the pass goes on; only a failure of the folder or of the date
// ends it. A folder without scenario files succeeds with none.
[[nodiscard]] ScenarioFolderOutcome rewriteScenarioFolder(std::string_view folderText,
                                                          std::string_view dateText,
                                                          const RegionalForm& form,
                                                          FileSystem& fs = systemFileSystem(),
                                                          ReplaceRecorder* recorder = nullptr);
// The same with the date line given by the caller.
[[nodiscard]] ScenarioFolderOutcome rewriteScenarioFolder(std::string_view folderText,
                                                          DateLineSource& dateLine,
                                                          FileSystem& fs = systemFileSystem(),
                                                          ReplaceRecorder* recorder = nullptr);

} // namespace zentadial
