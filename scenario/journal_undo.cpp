#include "scenario/journal_undo.h"

#include "scenario/file_steps.h"
#include "scenario/folder_path.h"
#include "scenario/sha256.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zentadial {
namespace {

std::unexpected<UndoFailure> undoFailure(UndoFailureKind kind, std::uint64_t pass = 0,
                                         std::string reason = {}) {
    return std::unexpected(UndoFailure{kind, pass, NotKept::TooLarge, std::move(reason)});
}

bool holds(std::string_view bytes, const FileVersion& version) {
    return bytes.size() == version.size && sha256Hex(bytes) == version.sha256;
}

// Undoes one file; `dryRunVersions` stands in for the files a dry run would
// have written, so a file the pass replaced twice reads as undone once.
UndoFileResult undoFile(const JournalEntry& entry, const std::string& versionsPath, FileSystem& fs,
                        JournalPass* journal, std::map<std::string, FileVersion>* dryRunVersions) {
    UndoFileResult result{entry.path};
    auto present = readNamedFile(fs, entry.path);
    if (!present) {
        result.error = std::move(present.error());
        return result;
    }
    const FileVersion* simulated = nullptr;
    if (dryRunVersions != nullptr) {
        const auto found = dryRunVersions->find(entry.path);
        simulated = found == dryRunVersions->end() ? nullptr : &found->second;
    }
    const bool holdsAfter = simulated != nullptr ? *simulated == entry.after
                                                 : holds(present->contents.bytes, entry.after);
    if (!holdsAfter) {
        const bool holdsBefore = simulated != nullptr
                                     ? *simulated == entry.before
                                     : holds(present->contents.bytes, entry.before);
        result.state = holdsBefore ? UndoFileState::AlreadyAsBefore : UndoFileState::ChangedSince;
        return result;
    }
    // Whatever has happened to the journal since, only the exact bytes the
    // file held go back into it.
    const auto before = readJournalBytes(versionsPath, entry.offset, entry.before.size);
    if (!before || !holds(*before, entry.before)) {
        result.state = UndoFileState::CopyDamaged;
        return result;
    }
    if (dryRunVersions != nullptr) {
        (*dryRunVersions)[entry.path] = entry.before;
        result.state = UndoFileState::Restored;
        return result;
    }
    journal->aboutToReplace(entry.path, present->contents.bytes, *before);
    if (auto written = replaceFile(fs, present->file, *before, present->contents); !written) {
        result.error = std::move(written.error());
        return result;
    }
    journal->replaced(entry.path);
    result.state = UndoFileState::Restored;
    return result;
}

} // namespace

std::expected<UndoResult, UndoFailure> undoLastPass(const std::string& root, FileSystem& fs,
                                                    bool dryRun) {
    const auto passes = listJournalPasses(root);
    if (!passes) {
        return undoFailure(UndoFailureKind::CannotReadJournal, 0, passes.error().message());
    }
    if (passes->empty()) {
        return undoFailure(UndoFailureKind::NothingToUndo);
    }
    const KeptPass& last = passes->back();
    if (!last.manifest) {
        return undoFailure(UndoFailureKind::JournalDamaged, last.pass);
    }
    const PassManifest& manifest = *last.manifest;
    if (manifest.notKept) {
        auto failure = undoFailure(UndoFailureKind::NotKept, last.pass);
        failure.error().notKept = *manifest.notKept;
        return failure;
    }

    UndoResult result{last.pass, manifest.kind, manifest.undoes, manifest.time, dryRun, {}, {}};
    std::map<std::string, FileVersion> dryRunVersions;
    JournalPass journal(root, PassKind::Undo, last.pass);
    const std::string versionsPath = joinPath(last.folder, kVersionsFileName);
    for (auto entry = manifest.files.rbegin(); entry != manifest.files.rend(); ++entry) {
        // In a pass that ran to its end, a file not marked replaced was
        // refused by the replace, which left it as it was; the mark is on
        // disk with the end. Only a pass cut short needs the bytes to tell.
        if (manifest.finished && !entry->replaced) {
            continue;
        }
        result.files.push_back(
            undoFile(*entry, versionsPath, fs, &journal, dryRun ? &dryRunVersions : nullptr));
    }
    std::reverse(result.files.begin(), result.files.end());
    if (!dryRun) {
        result.journal = journal.finish();
    }
    return result;
}

} // namespace zentadial
