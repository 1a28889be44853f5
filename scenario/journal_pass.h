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
    std::size_t files = 0;   // files recorded, when kept
    std::uint64_t bytes = 0; // what the pass's folder holds, when kept
    std::string reason;      // the system's words, for CannotWrite
};

// One pass of the journal in `root`. Before each replace it appends the
// file's present version and a manifest line, and flushes both; only then
// does the pass go on to the replace. The pass's folder is made at its first
// file, so a pass that replaces nothing leaves no trace. Nothing it meets
// stops the pass: a pass too large to keep, or a journal that cannot be
// written, is said in the outcome.
class JournalPass final : public ReplaceRecorder {
public:
    JournalPass(std::string root, PassKind kind, std::optional<std::uint64_t> undoes = {},
                JournalLimits limits = {}, JournalCalls calls = systemJournalCalls());
    JournalPass(const JournalPass&) = delete;
    JournalPass& operator=(const JournalPass&) = delete;
    ~JournalPass() override = default;

    // A shift names its span in the manifest, before the first file.
    void markShift(double days) { header_.shiftDays = days; }

    void aboutToReplace(const std::string& path, std::string_view before,
                        std::string_view after) override;
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
    std::size_t files_ = 0;
    std::string lastPath_;
    std::uint64_t lastStateAt_ = 0;
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
