#pragma once

#include "scenario/journal_file.h"
#include "scenario/journal_manifest.h"
#include "scenario/replace_recorder.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace zentadial {

// The journal keeps the last 20 passes or 64 MiB of them, whichever is less.
inline constexpr std::size_t kJournalMaxPasses = 20;
inline constexpr std::uint64_t kJournalMaxBytes = std::uint64_t{64} * 1024 * 1024;

struct JournalLimits {
    std::size_t passes = kJournalMaxPasses;
    std::uint64_t bytes = kJournalMaxBytes;
};

// The two calls through which a pass writes the journal. Tests swap them to
// make the journal's disk fill up part-way.
struct JournalCalls {
    std::function<std::error_code(JournalFile& file, std::string_view bytes)> append;
    std::function<std::error_code(JournalFile& file)> sync;
};

[[nodiscard]] const JournalCalls& systemJournalCalls();

enum class JournalState {
    Kept,
    NothingReplaced, // no file was replaced, so no pass was recorded
    TooLarge,        // the pass ran, but its replaced versions are more than the journal keeps
    CannotWrite,     // the pass ran, but the journal could not be written
};

struct JournalOutcome {
    JournalState state = JournalState::NothingReplaced;
    std::uint64_t pass = 0;  // its number, unless nothing was replaced
    std::size_t files = 0;   // files replaced, when kept
    std::uint64_t bytes = 0; // what the pass's folder holds, when kept
    std::string reason;      // the system's words, for CannotWrite
};

// One pass of the journal in `root`. Each file announced has its present
// version appended, unflushed; a flush puts the versions on disk, then the
// manifest lines that point at them, and only then may the pass replace
// those files. The pass's folder is made at its first file, so a pass that
// replaces nothing leaves no trace. Nothing it meets stops the pass: a pass
// too large to keep, or a journal that cannot be written, is said in the
// outcome.
//
// Why these flushes and no others keep every replaced file undoable after a
// crash: undo puts back a file that holds exactly what the pass wrote, from
// the manifest line that names it and the bytes that line points at. Both
// must therefore be on disk before the file's replace can be, and a replace
// can reach the disk as soon as it is made (the file system commits its
// metadata whenever it likes), so a group's versions and lines are flushed
// before the first replace of the group, the versions first so that no line
// on disk points at bytes that are not. The marks that say which files were
// replaced are not flushed one by one: a pass cut short is judged by its
// files' bytes, and the marks reach the disk with the pass's end.
class JournalPass final : public ReplaceRecorder {
public:
    JournalPass(std::string root, PassKind kind, std::optional<std::uint64_t> undoes = {},
                JournalLimits limits = {}, JournalCalls calls = systemJournalCalls());
    JournalPass(const JournalPass&) = delete;
    JournalPass& operator=(const JournalPass&) = delete;
    ~JournalPass() override = default;

    // A shift names its span in the manifest, before the first file.
    void markShift(double days) { header_.shiftDays = days; }

    void announce(const std::string& path, std::string_view before,
                  std::string_view after) override;
    void flush() override;
    void replaced(const std::string& path) override;

    // Marks the pass complete and drops the oldest passes beyond the limits.
    // A pass never finished (the program was killed) still undoes the files
    // it replaced.
    [[nodiscard]] JournalOutcome finish();

private:
    [[nodiscard]] std::error_code start();
    [[nodiscard]] std::error_code record(const std::string& path, std::string_view before,
                                         std::string_view after);
    void giveUp(JournalState why, std::string reason);

    std::string root_;
    PassManifest header_;
    JournalLimits limits_;
    JournalCalls calls_;
    JournalState state_ = JournalState::NothingReplaced;
    std::string reason_;
    std::string folder_;
    std::optional<JournalFile> manifest_;
    std::optional<JournalFile> versions_;
    std::size_t replaced_ = 0;
    // The lines of the files announced since the last flush, and the files
    // flushed last, each with where its state word lies, until marked.
    std::string pendingLines_;
    std::vector<std::pair<std::string, std::uint64_t>> pendingFiles_;
    std::vector<std::pair<std::string, std::uint64_t>> unmarked_;
    bool marksWritten_ = true;
};

struct KeptPass {
    std::uint64_t pass = 0;
    std::string folder;
    std::uint64_t bytes = 0;
    // Empty when the manifest could not be read.
    std::optional<PassManifest> manifest;
};

// The passes the journal holds, oldest first. A root that does not exist
// holds none.
[[nodiscard]] std::expected<std::vector<KeptPass>, std::error_code>
listJournalPasses(const std::string& root);

// The time as the manifest writes it.
[[nodiscard]] std::string journalTime(std::chrono::system_clock::time_point time);

} // namespace zentadial
