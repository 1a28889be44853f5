#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zentadial {

// No scenario comes near this size; a larger file named *.scn is something
// else, and reading it whole could exhaust memory.
inline constexpr std::size_t kMaxScenarioBytes = std::size_t{16} * 1024 * 1024;

// Temporary files of a rewrite start with this, short enough that a name of
// 248 bytes and more still leaves room for it, and recognisable when a power
// cut leaves one behind. Hidden and not ending in .scn, so no listing takes
// it for a scenario.
inline constexpr std::string_view kTemporaryPrefix = ".zentadial-";

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

// The refusals both implementations give for a file they will not read whole.
[[nodiscard]] inline FileError tooLargeToRead() {
    return {FileFailure::TooLarge, "it is larger than " +
                                       std::to_string(kMaxScenarioBytes / (1024 * 1024)) +
                                       " MiB, which no scenario file reaches"};
}

[[nodiscard]] inline FileError tooLittleMemoryToRead() {
    return {FileFailure::TooLarge, "there is not enough memory to read it"};
}

// What tells one version of a file from another: a replace goes ahead only
// while the path still names exactly what was read.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

struct FileContents {
    std::string bytes;
    FileIdentity identity;
};

enum class EntryType { File, Folder, Link, Other, Unknown };

struct FolderEntry {
    std::string name;
    EntryType type = EntryType::Unknown; // Unknown where the listing does not tell
    // A name starting with "." on POSIX systems; the hidden or system
    // attribute on Windows. No pass looks into such entries.
    bool hidden = false;
};

// Every call a scenario pass makes on the file system, so that the rewriter
// is the same on every system and tests can step in between its calls.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file as bytes, with the identity it had while it was read.
    // Refuses anything but a regular file without waiting on it, so a pipe
    // named *.scn cannot hang a pass, and a file above kMaxScenarioBytes
    // before reading it.
    [[nodiscard]] virtual std::expected<FileContents, FileError>
    readFile(const std::string& path) = 0;

    // Why replaceFile would refuse the file as it is now, before anything is
    // written: read-only, other hard links, an owner or group that cannot be
    // kept, a folder that takes no new file.
    [[nodiscard]] virtual std::expected<void, FileError>
    checkReplaceable(const std::string& path) = 0;

    // Replaces the file's contents so that a failure at any step leaves it as
    // it was: a temporary file beside it, flushed, then put in its place,
    // after which the folder is flushed too. A link is followed and its target
    // replaced. What the file carries besides its bytes (mode, owner, group,
    // attributes) is kept. When the path no longer names the version that was
    // read (`expected`), nothing is replaced.
    [[nodiscard]] virtual std::expected<void, FileError>
    replaceFile(const std::string& path, std::string_view bytes, const FileIdentity& expected) = 0;

    // The entries of the folder, "." and ".." left out, in no order.
    [[nodiscard]] virtual std::expected<std::vector<FolderEntry>, std::error_code>
    listFolder(const std::string& folder) = 0;

    // What the path names; a link as a link unless followed.
    [[nodiscard]] virtual std::expected<EntryType, std::error_code> typeOf(const std::string& path,
                                                                           bool followLinks) = 0;

    // The path with every link resolved, absolute.
    [[nodiscard]] virtual std::expected<std::string, std::error_code>
    realPath(const std::string& path) = 0;
};

// The file system of the computer the program runs on.
[[nodiscard]] FileSystem& systemFileSystem();

} // namespace zentadial
