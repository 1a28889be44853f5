#pragma once

#include "scenario/file_steps.h"
#include "scenario/file_system.h"
#include "scenario/replace_recorder.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_text.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zentadial {

// Rewrites files one after another and puts them in place a group at a
// time, so that a pass flushes the recorder once a group and each folder
// once, after its files, instead of both for every file. A group holds at
// most kFiles files and about kBytes of what they held, which is kept only
// to compare each replaced version with: the memory a pass needs does not
// grow with its files. Outcomes are reported in the order the files came,
// each once its file is settled.
class RewriteBatch {
public:
    static constexpr std::size_t kFiles = 32;
    static constexpr std::size_t kBytes = std::size_t{4} * 1024 * 1024;

    using Report = std::function<void(ScenarioFileOutcome)>;

    RewriteBatch(DateLineSource& dateLine, FileSystem& fs, ReplaceRecorder* recorder,
                 Report report);
    RewriteBatch(const RewriteBatch&) = delete;
    RewriteBatch& operator=(const RewriteBatch&) = delete;
    // Settles what is still staged: a pass never leaves its temporary files.
    ~RewriteBatch();

    void add(const FileInFolder& file);
    // A file the caller could not reach, reported in its place among the
    // others.
    void refuse(ScenarioFailure failure);
    // Puts every staged file in place and flushes every folder written in.
    void finish();

private:
    struct Pending {
        ScenarioFileOutcome outcome;
        std::optional<StagedReplace> staged;
        std::string asRead;
    };

    void settle(ScenarioFileOutcome outcome);
    void commit();
    void syncFolders(bool all);
    [[nodiscard]] bool isStaged(const ReachedFile& file) const;

    DateLineSource& dateLine_;
    FileSystem& fs_;
    ReplaceRecorder* recorder_;
    Report report_;
    std::vector<Pending> pending_;
    std::size_t staged_ = 0;
    std::size_t stagedBytes_ = 0;
    // Folders written in and not flushed since; the last is the one the
    // pass is in.
    std::vector<std::shared_ptr<const OpenFolder>> unsynced_;
    std::shared_ptr<const OpenFolder> current_;
};

} // namespace zentadial
