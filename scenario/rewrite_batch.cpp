#include "scenario/rewrite_batch.h"

#include "scenario/failure_kind.h"
#include "scenario/scenario_notes.h"

#include <algorithm>
#include <utility>

namespace zentadial {

RewriteBatch::RewriteBatch(DateLineSource& dateLine, FileSystem& fs, ReplaceRecorder* recorder,
                           Report report)
    : dateLine_(dateLine), fs_(fs), recorder_(recorder), report_(std::move(report)) {}

RewriteBatch::~RewriteBatch() {
    finish();
}

void RewriteBatch::add(const FileInFolder& file) {
    const std::string& path = file.path;
    auto fail = [&](FileError error) {
        settle(fileFailure(failureKindOf(error.kind), path, std::move(error.reason), dateLine_));
    };
    if (current_ != file.folder) {
        current_ = file.folder;
        syncFolders(false);
    }
    const auto reached = reachFile(fs_, file);
    if (!reached) {
        return fail(reached.error());
    }
    // The same file again (named twice, or through a link): its first new
    // version is put in place before it is read again.
    if (isStaged(*reached)) {
        commit();
    }
    auto contents = readFile(fs_, *reached);
    if (!contents) {
        return fail(std::move(contents.error()));
    }
    auto text = rewriteScenarioText(contents->bytes, dateLine_);
    if (!text) {
        auto failure = fileFailure(failureKindOf(text.error().kind), path, {}, dateLine_);
        failure.error().unread = text.error().unread;
        return settle(std::move(failure));
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
        return settle(std::move(result));
    }
    // A second pass with the same date: a write would change nothing but the
    // file's times, and would count it as converted.
    if (text->bytes == contents->bytes) {
        result.outcome = FileOutcome::AlreadyAtDate;
        return settle(std::move(result));
    }
    if (recorder_ != nullptr) {
        recorder_->announce(path, contents->bytes, text->bytes);
    }
    auto staged = stageReplace(fs_, *reached, text->bytes, contents->identity);
    if (!staged) {
        return fail(std::move(staged.error()));
    }
    ++staged_;
    stagedBytes_ += contents->bytes.size();
    pending_.push_back({std::move(result), std::move(*staged), std::move(contents->bytes)});
    if (staged_ >= kFiles || stagedBytes_ >= kBytes) {
        commit();
    }
}

void RewriteBatch::refuse(ScenarioFailure failure) {
    settle(std::unexpected(std::move(failure)));
}

void RewriteBatch::finish() {
    commit();
    syncFolders(true);
}

void RewriteBatch::settle(ScenarioFileOutcome outcome) {
    if (pending_.empty()) {
        report_(std::move(outcome));
        return;
    }
    const bool ends = !outcome && endsPass(outcome.error().kind);
    pending_.push_back({std::move(outcome), std::nullopt, {}});
    // Reported at once, so that a pass it ends adds no file after it.
    if (ends) {
        commit();
    }
}

void RewriteBatch::commit() {
    if (staged_ > 0 && recorder_ != nullptr) {
        recorder_->flush();
    }
    // Taken out first: a report may add files again.
    auto pending = std::exchange(pending_, {});
    staged_ = 0;
    stagedBytes_ = 0;
    for (auto& file : pending) {
        if (file.staged) {
            const std::string& path = file.outcome->path;
            if (auto done = commitReplace(fs_, *file.staged, file.asRead); !done) {
                file.outcome = fileFailure(failureKindOf(done.error().kind), path,
                                           std::move(done.error().reason), dateLine_);
            } else {
                file.outcome->outcome = FileOutcome::Written;
                if (recorder_ != nullptr) {
                    recorder_->replaced(path);
                }
                const auto& folder = file.staged->file.folder;
                if (std::find(unsynced_.begin(), unsynced_.end(), folder) == unsynced_.end()) {
                    unsynced_.push_back(folder);
                }
            }
        }
        report_(std::move(file.outcome));
    }
}

// A failed flush of a folder leaves its new versions in place, only less
// certain to survive a power cut; it is no reason to call a rewrite failed.
// Until then a power cut can only undo a replace, never tear one: each new
// version was flushed before it took its place, and the journal before that.
void RewriteBatch::syncFolders(bool all) {
    std::erase_if(unsynced_, [&](const std::shared_ptr<const OpenFolder>& folder) {
        if (!all && folder == current_) {
            return false;
        }
        bool stillStaged = false;
        for (const auto& file : pending_) {
            stillStaged = stillStaged || (file.staged && file.staged->file.folder == folder);
        }
        if (stillStaged) {
            return false;
        }
        (void)fs_.syncFolder(*folder);
        return true;
    });
}

bool RewriteBatch::isStaged(const ReachedFile& file) const {
    return std::any_of(pending_.begin(), pending_.end(), [&](const Pending& other) {
        const FileIdentity& folder =
            other.staged ? other.staged->file.folder->identity : file.folder->identity;
        return other.staged && other.staged->file.name == file.name &&
               folder.device == file.folder->identity.device &&
               folder.file == file.folder->identity.file;
    });
}

} // namespace zentadial
