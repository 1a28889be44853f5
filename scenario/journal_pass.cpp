#include "scenario/journal_pass.h"

#include "scenario/folder_path.h"
#include "scenario/sha256.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace zentadial {
namespace {

// How many times a pass takes the next number when another program made the
// folder of the one it chose first.
constexpr int kNumberAttempts = 100;

std::optional<std::uint64_t> passNumber(std::string_view name) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value);
    if (name.empty() || error != std::errc{} || end != name.data() + name.size() || value == 0) {
        return std::nullopt;
    }
    return value;
}

struct PassFolder {
    std::uint64_t pass;
    std::string folder;
};

// The journal's pass folders, oldest first.
std::expected<std::vector<PassFolder>, std::error_code> passFolders(const std::string& root) {
    auto names = journalFolderNames(root);
    if (!names) {
        return std::unexpected(names.error());
    }
    std::vector<PassFolder> passes;
    for (const auto& name : *names) {
        if (const auto pass = passNumber(name)) {
            passes.push_back({*pass, joinPath(root, name)});
        }
    }
    std::sort(passes.begin(), passes.end(),
              [](const auto& a, const auto& b) { return a.pass < b.pass; });
    return passes;
}

// Drops the oldest passes, never `current`, until the journal is within its
// limits. A pass that cannot be removed is left; the next pass tries again.
void prune(const std::string& root, std::uint64_t current, const JournalLimits& limits) {
    auto passes = passFolders(root);
    if (!passes) {
        return;
    }
    std::vector<std::uint64_t> bytes;
    std::uint64_t total = 0;
    for (const auto& pass : *passes) {
        bytes.push_back(journalFolderBytes(pass.folder));
        total += bytes.back();
    }
    std::size_t count = passes->size();
    for (std::size_t i = 0; i < passes->size() && (count > limits.passes || total > limits.bytes);
         ++i) {
        if ((*passes)[i].pass == current) {
            continue;
        }
        if (!removeJournalFolder((*passes)[i].folder)) {
            --count;
            total -= bytes[i];
        }
    }
}

FileVersion versionOf(std::string_view bytes) {
    return {bytes.size(), sha256Hex(bytes)};
}

} // namespace

const JournalCalls& systemJournalCalls() {
    static const JournalCalls calls{
        [](JournalFile& file, std::string_view bytes) { return file.append(bytes); },
        [](JournalFile& file) { return file.sync(); },
    };
    return calls;
}

std::string journalTime(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto seconds = floor<std::chrono::seconds>(time);
    const auto day = floor<days>(seconds);
    const year_month_day date{day};
    const hh_mm_ss clock{seconds - day};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

JournalPass::JournalPass(std::string root, PassKind kind, std::optional<std::uint64_t> undoes,
                         JournalLimits limits, JournalCalls calls)
    : root_(std::move(root)), limits_(limits), calls_(std::move(calls)) {
    header_.kind = kind;
    header_.undoes = undoes;
}

std::error_code JournalPass::start() {
    if (const auto error = makeJournalFolder(root_)) {
        return error;
    }
    const auto passes = passFolders(root_);
    if (!passes) {
        return passes.error();
    }
    std::uint64_t next = passes->empty() ? 1 : passes->back().pass + 1;
    std::error_code error;
    for (int attempt = 0; attempt < kNumberAttempts; ++attempt, ++next) {
        folder_ = joinPath(root_, std::to_string(next));
        error = makeNewJournalFolder(folder_);
        if (error != std::errc::file_exists) {
            break;
        }
    }
    if (error) {
        folder_.clear();
        return error;
    }
    header_.pass = next;
    header_.time = journalTime(std::chrono::system_clock::now());
    auto manifest = JournalFile::create(joinPath(folder_, kManifestFileName));
    if (!manifest) {
        return manifest.error();
    }
    manifest_ = std::move(*manifest);
    auto versions = JournalFile::create(joinPath(folder_, kVersionsFileName));
    if (!versions) {
        return versions.error();
    }
    versions_ = std::move(*versions);
    if (const auto written = calls_.append(*manifest_, manifestHeader(header_))) {
        return written;
    }
    if (const auto synced = calls_.sync(*manifest_)) {
        return synced;
    }
    syncJournalFolder(folder_);
    syncJournalFolder(root_);
    prune(root_, header_.pass, limits_);
    return {};
}

std::error_code JournalPass::record(const std::string& path, std::string_view before,
                                    std::string_view after) {
    const JournalEntry entry{false, versionOf(before), versionOf(after), versions_->size(),
                             absoluteJournalPath(path)};
    const std::string line = manifestFileLine(entry);
    if (manifest_->size() + pendingLines_.size() + line.size() + versions_->size() + before.size() >
        limits_.bytes) {
        return std::make_error_code(std::errc::file_too_large);
    }
    if (auto error = calls_.append(*versions_, before)) {
        return error;
    }
    pendingFiles_.emplace_back(path, pendingLines_.size() + stateOffsetInLine());
    pendingLines_ += line;
    return {};
}

void JournalPass::announce(const std::string& path, std::string_view before,
                           std::string_view after) {
    if (state_ != JournalState::NothingReplaced && state_ != JournalState::Kept) {
        return; // given up: the pass goes on without the journal
    }
    if (state_ == JournalState::NothingReplaced) {
        if (const auto error = start()) {
            giveUp(JournalState::CannotWrite, error.message());
            return;
        }
        state_ = JournalState::Kept;
    }
    if (const auto error = record(path, before, after)) {
        if (error == std::errc::file_too_large) {
            giveUp(JournalState::TooLarge, {});
        } else {
            giveUp(JournalState::CannotWrite, error.message());
        }
    }
}

void JournalPass::flush() {
    if (state_ != JournalState::Kept || pendingFiles_.empty()) {
        return;
    }
    const std::uint64_t linesAt = manifest_->size();
    std::error_code error = calls_.sync(*versions_);
    if (!error) {
        error = calls_.append(*manifest_, pendingLines_);
    }
    if (!error) {
        error = calls_.sync(*manifest_);
    }
    if (error) {
        giveUp(JournalState::CannotWrite, error.message());
        return;
    }
    // A file of an earlier group left unmarked was refused by its replace.
    unmarked_.clear();
    for (auto& [path, stateAt] : pendingFiles_) {
        unmarked_.emplace_back(std::move(path), linesAt + stateAt);
    }
    pendingFiles_.clear();
    pendingLines_.clear();
}

void JournalPass::replaced(const std::string& path) {
    // Flushed with the pass's end: undo trusts the marks of a finished pass
    // and judges a pass cut short by its files' bytes.
    if (state_ != JournalState::Kept) {
        return;
    }
    const auto found = std::find_if(unmarked_.begin(), unmarked_.end(),
                                    [&](const auto& file) { return file.first == path; });
    if (found != unmarked_.end()) {
        marksWritten_ = !manifest_->writeAt(found->second, stateWord(true)) && marksWritten_;
        unmarked_.erase(found);
        ++replaced_;
    }
}

void JournalPass::giveUp(JournalState why, std::string reason) {
    state_ = why;
    reason_ = std::move(reason);
    manifest_.reset();
    versions_.reset();
    if (folder_.empty()) {
        return;
    }
    // The pass keeps its number and header, so that undo stops at it instead
    // of reaching past it to an older pass whose files this one changed.
    (void)removeJournalFolder(folder_);
    if (makeNewJournalFolder(folder_)) {
        return;
    }
    auto manifest = JournalFile::create(joinPath(folder_, kManifestFileName));
    if (manifest) {
        const std::string text =
            manifestHeader(header_) +
            manifestNotKeptLine(why == JournalState::TooLarge ? NotKept::TooLarge
                                                              : NotKept::CannotWrite) +
            std::string(kManifestEndLine);
        if (!manifest->append(text)) {
            (void)manifest->sync();
        }
    }
}

JournalOutcome JournalPass::finish() {
    flush(); // files announced and then refused before their group was flushed
    JournalOutcome outcome{state_, header_.pass, 0, 0, reason_};
    if (state_ != JournalState::Kept) {
        return outcome;
    }
    // Every file announced was then refused: the pass changed nothing, and
    // kept, it would stand between undo and the pass before it.
    // A folder that cannot be removed stays without its end, as a pass cut
    // short, whose undo finds no file holding what it wrote.
    if (replaced_ == 0 && marksWritten_) {
        manifest_.reset();
        versions_.reset();
        (void)removeJournalFolder(folder_);
        return {JournalState::NothingReplaced, 0, 0, 0, {}};
    }
    // Without every mark, the pass stays one cut short, so that no replaced
    // file is taken for one the pass refused.
    if (marksWritten_) {
        (void)calls_.append(*manifest_, kManifestEndLine);
    }
    (void)calls_.sync(*manifest_);
    manifest_.reset();
    versions_.reset();
    outcome.files = replaced_;
    outcome.bytes = journalFolderBytes(folder_);
    prune(root_, header_.pass, limits_);
    return outcome;
}

std::expected<std::vector<KeptPass>, std::error_code> listJournalPasses(const std::string& root) {
    auto folders = passFolders(root);
    if (!folders) {
        if (folders.error() == std::errc::no_such_file_or_directory) {
            return std::vector<KeptPass>{};
        }
        return std::unexpected(folders.error());
    }
    std::vector<KeptPass> passes;
    for (auto& folder : *folders) {
        KeptPass pass{folder.pass, folder.folder, journalFolderBytes(folder.folder), {}};
        if (const auto text = readJournalFile(joinPath(folder.folder, kManifestFileName))) {
            if (auto manifest = readManifest(*text)) {
                pass.manifest = std::move(*manifest);
            }
        }
        passes.push_back(std::move(pass));
    }
    return passes;
}

} // namespace zentadial
