#include "cli/undo_command.h"

#include "cli/argument_bytes.h"
#include "cli/journal_words.h"
#include "scenario/journal_undo.h"

namespace zentadial {
namespace {

constexpr std::string_view kUsage = "zentadial-cli undo [--dry-run]";

constexpr std::string_view kMore =
    "Puts back every file of the last pass (a rewrite, or an undo) that still holds exactly\n"
    "what the pass wrote, byte for byte as it was before the pass, through the same safe\n"
    "replace as a rewrite. A file changed since the pass is named and left as it is. A\n"
    "pass cut short by a crash or a full disk is undone for the files it did replace.\n"
    "The undo is a pass of its own: undo again, and the files are as the pass wrote them.\n"
    "'zentadial-cli history' lists the passes the journal keeps.\n"
    "\n"
    "Exit status: 0 when every file was put back (or, with --dry-run, would be), 1 when\n"
    "one was not or there is nothing to undo, 2 for a wrong call.\n";

std::string passName(const UndoResult& result) {
    return "pass " + std::to_string(result.pass) +
           (result.kind == PassKind::Undo && result.undoes
                ? " (the undo of pass " + std::to_string(*result.undoes) + ")"
                : std::string(" (a rewrite)")) +
           " of " + journalTimeWords(result.time);
}

std::string failureWords(const UndoFailure& failure) {
    const std::string pass = "pass " + std::to_string(failure.pass);
    switch (failure.kind) {
    case UndoFailureKind::NothingToUndo:
        return "the undo journal holds no pass, so there is nothing to undo.";
    case UndoFailureKind::NotKept:
        return "the last pass, " + pass +
               (failure.notKept == NotKept::TooLarge
                    ? ", was too large for the undo journal"
                    : ", could not be written to the undo journal") +
               ", so it cannot be undone; no file was changed.";
    case UndoFailureKind::JournalDamaged:
        return "the undo journal's record of " + pass + " cannot be read, so no file was changed.";
    case UndoFailureKind::CannotReadJournal:
        return "the undo journal could not be read (" + failure.reason +
               "), so no file was changed.";
    }
    return {};
}

// One line for the file; whether it counts as undone.
std::pair<std::string, bool> fileLine(const UndoFileResult& file, bool dryRun,
                                      const std::string& pass) {
    const std::string path = printableBytes(file.path);
    switch (file.state) {
    case UndoFileState::Restored:
        return {path + (dryRun ? ": would be put back" : ": put back") + " as it was before " +
                    pass,
                true};
    case UndoFileState::AlreadyAsBefore:
        return {path + ": already as it was before " + pass + ", left as it is", true};
    case UndoFileState::ChangedSince:
        return {path + ": changed since " + pass + ", left as it is", false};
    case UndoFileState::CopyDamaged:
        return {path + ": the journal's copy is damaged, left as it is", false};
    case UndoFileState::Failed:
        break;
    }
    std::string why = file.error.reason.empty() ? "" : " (" + file.error.reason + ")";
    if (file.error.kind == FileFailure::Changed) {
        why = " (another program wrote or replaced it meanwhile)";
    }
    return {path + ": could not be put back" + why + ", left as it is", false};
}

} // namespace

int runUndo(const QStringList& arguments, CliStreams& io) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Undo the last pass over scenario files, from the undo journal."));
    parser.addOption({QStringLiteral("dry-run"),
                      QStringLiteral("Change nothing; show what would be put back.")});
    if (const auto done = startJournalCommand(parser, arguments, io, "undo", kUsage, kMore)) {
        return *done;
    }
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    const auto result = undoLastPass(journalRoot(), systemFileSystem(), dryRun);
    if (!result) {
        io.err.write("zentadial-cli: " + failureWords(result.error()) + "\n");
        return kExitSomeFailed;
    }
    const std::string pass = "pass " + std::to_string(result->pass);
    std::size_t putBack = 0;
    std::size_t leftAlone = 0;
    for (const auto& file : result->files) {
        const auto [line, undone] = fileLine(file, dryRun, pass);
        io.out.write(line + "\n");
        if (!undone) {
            io.err.write("zentadial-cli: " + line + ".\n");
            ++leftAlone;
        } else if (file.state == UndoFileState::Restored) {
            ++putBack;
        }
    }
    const std::string files = std::to_string(putBack) + (putBack == 1 ? " file" : " files");
    std::string summary = dryRun ? "Dry run, nothing written: undoing " + passName(*result) +
                                       " would put back " + files
                                 : "Undid " + passName(*result) + ": " + files + " put back";
    if (leftAlone != 0) {
        summary += "; " + std::to_string(leftAlone) + (dryRun ? " would be" : "") + " left as " +
                   (leftAlone == 1 ? "it is" : "they are");
    }
    if (result->journal.state == JournalState::Kept) {
        summary += ". This undo is pass " + std::to_string(result->journal.pass) +
                   "; undo again to take it back";
    }
    io.out.write(summary + ".\n");
    if (const std::string note = notKeptNote(result->journal); !note.empty()) {
        io.err.write("zentadial-cli: note: " + note + "\n");
    }
    return leftAlone == 0 ? kExitSuccess : kExitSomeFailed;
}

} // namespace zentadial
