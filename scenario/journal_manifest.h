#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// Each pass of the journal is a folder named by its number, holding these.
inline constexpr std::string_view kManifestFileName = "manifest.txt";
// The replaced versions, one after another in the order of the manifest.
inline constexpr std::string_view kVersionsFileName = "versions";

enum class PassKind { Rewrite, Undo };

// Why a pass kept nothing to undo it by.
enum class NotKept {
    TooLarge,    // its replaced versions exceed what the journal keeps
    CannotWrite, // the journal could not be written
};

struct FileVersion {
    std::uint64_t size = 0;
    std::string sha256; // lower-case hex
    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

struct JournalEntry {
    // Recorded before the replace; a pass cut short leaves it pending, and
    // the file then counts as replaced when it holds exactly `after`.
    bool replaced = false;
    FileVersion before;
    FileVersion after;
    std::uint64_t offset = 0; // of `before` in the versions file
    std::string path;         // absolute, UTF-8
};

struct PassManifest {
    std::uint64_t pass = 0;
    std::string time; // UTC, as 2026-12-09T18:04:05Z
    PassKind kind = PassKind::Rewrite;
    std::optional<std::uint64_t> undoes;
    std::optional<NotKept> notKept;
    std::vector<JournalEntry> files;
    bool finished = false;             // false after a crash or a full disk mid-pass
    std::optional<double> shiftDays{}; // a shift: the span every file was moved by
};

// The manifest's lines, which a person can read:
//   zentadial-journal 1
//   pass 12
//   time 2026-12-09T18:04:05Z
//   kind rewrite            (or undo, then: undoes 11)
//   shift 779               (a shift: its span in days, to every digit)
//   file state=replaced before=1234:<sha256> after=1240:<sha256> at=0 path=/home/a/x.scn
//   end
// A pass too large to keep, or one the journal could not be written for,
// keeps only its header and "not-kept too-large" (or cannot-write), so that
// undo does not reach past it to an older pass.
// Control characters and "%" in a path are written as %XX.
[[nodiscard]] std::string manifestHeader(const PassManifest& manifest);
[[nodiscard]] std::string manifestFileLine(const JournalEntry& entry);
// Where the state word starts in a file line; it is overwritten in place,
// "pending " and "replaced" being of one length.
[[nodiscard]] std::size_t stateOffsetInLine();
[[nodiscard]] std::string_view stateWord(bool replaced);
[[nodiscard]] std::string manifestNotKeptLine(NotKept why);
inline constexpr std::string_view kManifestEndLine = "end\n";

enum class ManifestError { NotAManifest, DamagedLine };

// A last line without its line end is one the pass was writing when it was
// cut short: its file had not been replaced yet, so it is left out.
[[nodiscard]] std::expected<PassManifest, ManifestError> readManifest(std::string_view text);

} // namespace zentadial
