#pragma once

#include "scenario/file_system.h"
#include "scenario/journal_pass.h"

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <vector>

namespace zentadial {

enum class UndoFileState {
    Restored,        // it held what the pass wrote; it now holds what it held before
    AlreadyAsBefore, // it holds what it held before the pass (a pass cut short before it)
    ChangedSince,    // it holds neither: left as it is
    CopyDamaged,     // the journal's copy no longer matches its digest: left as it is
    Failed,          // it could not be read or replaced: `error` says why
};

struct UndoFileResult {
    std::string path;
    UndoFileState state = UndoFileState::Failed;
    FileError error{FileFailure::CannotOpen, {}};
};

struct UndoResult {
    std::uint64_t pass = 0; // the pass undone
    PassKind kind = PassKind::Rewrite;
    std::optional<std::uint64_t> undoes; // when the pass undone was itself an undo
    std::string time;
    bool dryRun = false;
    // In the order the pass replaced them; a file the pass refused is not
    // among them.
    std::vector<UndoFileResult> files;
    // The undo is a pass of its own, kept so that it can be undone in turn;
    // NothingReplaced for a dry run.
    JournalOutcome journal;
};

enum class UndoFailureKind {
    NothingToUndo,  // the journal holds no pass
    NotKept,        // the last pass kept nothing to undo it by (`notKept` says why)
    JournalDamaged, // its manifest cannot be read
    CannotReadJournal,
};

struct UndoFailure {
    UndoFailureKind kind = UndoFailureKind::NothingToUndo;
    std::uint64_t pass = 0;
    NotKept notKept = NotKept::TooLarge;
    std::string reason; // the system's words, when it gave any
};

// Puts back every file of the journal's last pass that still holds exactly
// what the pass wrote, byte for byte as it was before the pass, through the
// same replace as a rewrite. A file changed since is left as it is and named.
// The files are undone last first, so a file the pass replaced twice ends as
// it was before the first replace. With `dryRun` nothing is written and no
// pass is recorded.
[[nodiscard]] std::expected<UndoResult, UndoFailure>
undoLastPass(const std::string& root, FileSystem& fs = systemFileSystem(), bool dryRun = false);

} // namespace zentadial
