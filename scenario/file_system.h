#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
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
    CannotOpen,  // missing, no access, or failed while reading
    NotAFile,    // a folder, device or pipe
    TooLarge,    // above kMaxScenarioBytes, or more than memory holds
    ReadOnly,    // no write bit, not writable by us, append-only or immutable
    HardLinked,  // other names share the file; a replace would split them
    OtherOwner,  // the owner or group could not be kept
    Changed,     // another program changed or replaced it since it was read
    LinkOutside, // a link that leads out of its folder, which no pass follows
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
// while the name still names exactly what was read.
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

// What one name of a folder is, the name itself and not what a link leads to.
struct EntryInfo {
    EntryType type = EntryType::Other;
    FileIdentity identity;
};

// A descriptor (POSIX) or HANDLE (Windows) the implementation opened, closed
// when dropped. The closer is the implementation's, so the shared steps can
// hold one without knowing which system gave it.
class SystemHandle {
public:
    using Closer = std::error_code (*)(std::intptr_t);

    SystemHandle() = default;
    SystemHandle(std::intptr_t value, Closer closer) : value_(value), closer_(closer) {}
    SystemHandle(SystemHandle&& other) noexcept
        : value_(other.value_), closer_(std::exchange(other.closer_, nullptr)) {}
    SystemHandle& operator=(SystemHandle&& other) noexcept {
        if (this != &other) {
            (void)close();
            value_ = other.value_;
            closer_ = std::exchange(other.closer_, nullptr);
        }
        return *this;
    }
    SystemHandle(const SystemHandle&) = delete;
    SystemHandle& operator=(const SystemHandle&) = delete;
    ~SystemHandle() { (void)close(); }

    [[nodiscard]] std::intptr_t value() const { return value_; }
    [[nodiscard]] bool open() const { return closer_ != nullptr; }
    // Some file systems report a failed write only here.
    std::error_code close() {
        return closer_ != nullptr ? std::exchange(closer_, nullptr)(value_) : std::error_code{};
    }

private:
    std::intptr_t value_ = 0;
    Closer closer_ = nullptr;
};

// A folder opened once. Every later step names its entries relative to it,
// so that a link or a folder another user swaps in meanwhile cannot send the
// pass elsewhere.
struct OpenFolder {
    SystemHandle handle;
    FileIdentity identity;
    std::string path;       // the text that reached it, for messages and joined names
    std::string systemPath; // what the implementation needs besides the handle, if anything
};

// The primitives a scenario pass needs of a file system, each on a folder
// opened once: POSIX and Win32 implement these and nothing else; the steps
// built on them (file_steps.h) are the same on every system, and tests can
// step in between any two of them.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The folder a text names, links in the text followed: the user chose it.
    [[nodiscard]] virtual std::expected<OpenFolder, std::error_code>
    openFolder(const std::string& path) = 0;
    // A folder reached from another by one name, never through a link.
    [[nodiscard]] virtual std::expected<OpenFolder, std::error_code>
    openFolderAt(const OpenFolder& parent, const std::string& name) = 0;
    // The entries of the folder, "." and ".." left out, in no order.
    [[nodiscard]] virtual std::expected<std::vector<FolderEntry>, std::error_code>
    listFolder(const OpenFolder& folder) = 0;
    // What the name is, a link as a link.
    [[nodiscard]] virtual std::expected<EntryInfo, std::error_code>
    entryAt(const OpenFolder& folder, const std::string& name) = 0;
    // The text a link holds; an error where links cannot be read.
    [[nodiscard]] virtual std::expected<std::string, std::error_code>
    readLink(const OpenFolder& folder, const std::string& name) = 0;

    // The regular file of that name, for reading, never through a link and
    // without waiting on it, so a pipe named *.scn cannot hang a pass.
    [[nodiscard]] virtual std::expected<SystemHandle, FileError>
    openForReading(const OpenFolder& folder, const std::string& name) = 0;
    [[nodiscard]] virtual std::expected<FileIdentity, std::error_code>
    identityOf(const SystemHandle& file) = 0;
    // Up to size bytes; 0 at the end.
    [[nodiscard]] virtual std::expected<std::size_t, std::error_code>
    readSome(const SystemHandle& file, char* data, std::size_t size) = 0;

    // Why the opened file could not be replaced as it is now, before anything
    // is written: read-only, append-only or immutable, other hard links, an
    // owner or group that cannot be kept, a folder that takes no new file or
    // lets none be replaced.
    [[nodiscard]] virtual std::expected<void, FileError>
    checkReplaceable(const OpenFolder& folder, const std::string& name,
                     const SystemHandle& file) = 0;
    // A new file that nobody else can read yet; errc::file_exists when the
    // name is taken.
    [[nodiscard]] virtual std::expected<SystemHandle, std::error_code>
    createFile(const OpenFolder& folder, const std::string& name) = 0;
    // Gives the new version exactly the old one's owner, group, mode and
    // access list, taking off whatever it inherited from its folder.
    [[nodiscard]] virtual std::expected<void, FileError> copyMetadata(const SystemHandle& from,
                                                                      const SystemHandle& to) = 0;
    [[nodiscard]] virtual std::expected<std::size_t, std::error_code>
    writeSome(const SystemHandle& file, const char* data, std::size_t size) = 0;
    [[nodiscard]] virtual std::error_code sync(const SystemHandle& file) = 0;
    // Puts the temporary file in the place of the name in one step, and keeps
    // the version the name held beside it, under the name returned, so that
    // it can be compared with what was read and put back. Fails with
    // errc::operation_not_supported where the file system refuses such a
    // step, and with errc::no_such_file_or_directory when the name is gone.
    [[nodiscard]] virtual std::expected<std::string, std::error_code>
    exchange(const OpenFolder& folder, const std::string& temporary, const std::string& name) = 0;
    // Puts the version that exchange kept aside back under the name, in one
    // step, and removes the version that had taken its place.
    [[nodiscard]] virtual std::expected<void, FileError>
    putBack(const OpenFolder& folder, const std::string& keptAside, const std::string& name) = 0;
    // Puts the temporary file in the place of the name, in one step, the
    // version it replaces gone: only where the file system refuses exchange.
    [[nodiscard]] virtual std::expected<void, FileError>
    putInPlace(const OpenFolder& folder, const std::string& temporary, const std::string& name) = 0;
    [[nodiscard]] virtual std::error_code removeEntry(const OpenFolder& folder,
                                                      const std::string& name) = 0;
    [[nodiscard]] virtual std::error_code syncFolder(const OpenFolder& folder) = 0;
};

// The file system of the computer the program runs on.
[[nodiscard]] FileSystem& systemFileSystem();

} // namespace zentadial
