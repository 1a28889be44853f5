#pragma once

#include <cstddef>
#include <ctime>
#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zentadial {

// No scenario comes near this size; a larger file named *.scn is something
// else, and reading it whole could exhaust memory.
inline constexpr std::size_t kMaxScenarioBytes = std::size_t{16} * 1024 * 1024;

// Temporary files of a rewrite start with this, short enough that a name of
// 248 bytes and more still leaves room for it, and recognisable when a power
// cut leaves one behind. Hidden and not ending in .scn, so no listing takes
// it for a scenario.
inline constexpr std::string_view kTemporaryPrefix = ".zentadial-";

// The system calls that put a rewritten file on disk. Tests swap them to make
// a write or the flush fail part-way, or to change the file meanwhile as
// another program would; everything else uses systemWriteCalls().
struct WriteCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
};

[[nodiscard]] const WriteCalls& systemWriteCalls();

enum class FileFailure {
    CannotOpen, // missing, no access, or failed while reading
    NotAFile,   // a folder, device or pipe
    TooLarge,   // above kMaxScenarioBytes, or more than memory holds
    ReadOnly,   // no write bit, or not writable by us
    HardLinked, // other names share the file; a replace would split them
    OtherOwner, // the owner or group could not be kept
    Changed,    // another program changed or replaced it since it was read
    CannotWrite,
};

struct FileError {
    FileFailure kind;
    // The system's words, with the step that failed when that helps
    // ("could not flush it to disk: No space left on device").
    std::string reason;
};

// What tells one version of a file from another: a replace goes ahead only
// while the path still names exactly what was read.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
};

[[nodiscard]] bool operator==(const FileIdentity& a, const FileIdentity& b);

struct FileContents {
    std::string bytes;
    FileIdentity identity;
};

// The whole file as bytes, with the identity it had while it was read.
// Refuses anything but a regular file without waiting on it, so a pipe named
// *.scn cannot hang a pass, and a file above kMaxScenarioBytes before reading.
[[nodiscard]] std::expected<FileContents, FileError> readFileBytes(const std::string& path);

// Why replaceFileBytes would refuse the file as it is now, before anything is
// written: read-only, other hard links, an owner or group we cannot keep.
// Shared with the preview, so that a dry run refuses what the rewrite would.
[[nodiscard]] std::expected<void, FileError> checkReplaceable(const std::string& path);

// Replaces the file's contents so that a failure at any step leaves it as it
// was: the bytes go to a temporary file beside it, are flushed, and only then
// renamed over it, after which the folder is flushed too. A symbolic link is
// followed and its target replaced, so the link stays a link. Mode, owner,
// group and extended attributes (ACLs among them) are kept. When the path no
// longer names the version that was read (`expected`), nothing is replaced.
[[nodiscard]] std::expected<void, FileError>
replaceFileBytes(const std::string& path, std::string_view bytes, const FileIdentity& expected,
                 const WriteCalls& calls = systemWriteCalls());

} // namespace zentadial
