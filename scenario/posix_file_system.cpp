#include "scenario/posix_file_system.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zentadial {
namespace {

std::string systemWords(int error) {
    return std::generic_category().message(error);
}

std::unexpected<FileError> failure(FileFailure kind, std::string step, int error) {
    std::string reason = std::move(step);
    if (error != 0) {
        if (!reason.empty()) {
            reason += ": ";
        }
        reason += systemWords(error);
    }
    return std::unexpected(FileError{kind, std::move(reason)});
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int get() const { return fd_; }
    // Returns close()'s error, if any.
    int close() {
        const int rc = ::close(std::exchange(fd_, -1));
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Closes the descriptor and removes the temporary file unless released:
// every early return of a replace must leave the folder as it found it.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    [[nodiscard]] int fd() const { return fd_.get(); }
    [[nodiscard]] const std::string& path() const { return path_; }
    int close() { return fd_.close(); }
    void keep() { path_.clear(); }

private:
    Descriptor fd_;
    std::string path_;
};

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * kNanosecondsPerSecond + t.tv_nsec;
}

FileIdentity identityOf(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size), nanoseconds(st.st_mtim),
            nanoseconds(st.st_ctim)};
}

EntryType typeOfMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return EntryType::File;
    }
    if (S_ISDIR(mode)) {
        return EntryType::Folder;
    }
    return S_ISLNK(mode) ? EntryType::Link : EntryType::Other;
}

EntryType typeOfDirent(unsigned char type) {
    switch (type) {
    case DT_REG:
        return EntryType::File;
    case DT_DIR:
        return EntryType::Folder;
    case DT_LNK:
        return EntryType::Link;
    case DT_UNKNOWN:
        return EntryType::Unknown;
    default:
        return EntryType::Other;
    }
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

int writeAll(const WriteCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return EIO; // a write that makes no progress would spin for ever
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

bool inOurGroups(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.end();
}

std::expected<void, FileError> checkStat(const std::filesystem::path& target,
                                         const struct stat& st) {
    // As root access() always grants writing, so a mode without any write
    // bit counts as read-only too.
    constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if ((st.st_mode & kAnyWrite) == 0) {
        return failure(FileFailure::ReadOnly, "", 0);
    }
    if (::access(target.c_str(), W_OK) != 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return failure(FileFailure::ReadOnly, error == EROFS ? systemWords(error) : "", 0);
        }
        return failure(FileFailure::CannotWrite, "", error);
    }
    if (st.st_nlink > 1) {
        return failure(FileFailure::HardLinked,
                       "it has " + std::to_string(st.st_nlink - 1) +
                           " other hard link(s), which a rewrite would split from it",
                       0);
    }
    // The new version is created by us: only root can hand it back to another
    // owner, and only a group we are in can it keep. Taking a file from its
    // owner through a shared group's write bit is not ours to do.
    if (::geteuid() != 0 && st.st_uid != ::geteuid()) {
        return failure(FileFailure::OtherOwner,
                       "it belongs to another user, who would no longer own it", 0);
    }
    if (::geteuid() != 0 && !inOurGroups(st.st_gid)) {
        return failure(FileFailure::OtherOwner, "its group could not be kept", 0);
    }
    if (::access(target.parent_path().c_str(), W_OK) != 0) {
        return failure(FileFailure::CannotWrite,
                       "no new file can be created in its folder, which a safe rewrite needs",
                       errno);
    }
    return {};
}

// Extended attributes carry ACLs, security labels and the like; the new
// version gets them all. Where the file system keeps none, there is nothing
// to carry.
std::expected<void, FileError> copyAttributes(const std::filesystem::path& from, int to) {
    const ssize_t listSize = ::listxattr(from.c_str(), nullptr, 0);
    if (listSize < 0) {
        if (errno == ENOTSUP) {
            return {};
        }
        return failure(FileFailure::CannotWrite, "could not read its extended attributes", errno);
    }
    std::string names(static_cast<std::size_t>(listSize), '\0');
    const ssize_t got = ::listxattr(from.c_str(), names.data(), names.size());
    if (got < 0) {
        return failure(FileFailure::CannotWrite, "could not read its extended attributes", errno);
    }
    names.resize(static_cast<std::size_t>(got));
    for (std::size_t pos = 0; pos < names.size();) {
        const std::string name = names.c_str() + pos;
        pos += name.size() + 1;
        const ssize_t valueSize = ::getxattr(from.c_str(), name.c_str(), nullptr, 0);
        if (valueSize < 0) {
            return failure(FileFailure::CannotWrite, "could not read its attribute " + name, errno);
        }
        std::string value(static_cast<std::size_t>(valueSize), '\0');
        const ssize_t read = ::getxattr(from.c_str(), name.c_str(), value.data(), value.size());
        if (read < 0 ||
            ::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0) != 0) {
            return failure(FileFailure::CannotWrite, "could not keep its attribute " + name, errno);
        }
    }
    return {};
}

std::unexpected<FileError> changedMeanwhile() {
    return failure(FileFailure::Changed, "", 0);
}

// A failed flush of the folder leaves the new version in place, only less
// certain to survive a power cut; it is no reason to call the rewrite failed.
void syncFolder(const WriteCalls& calls, const std::filesystem::path& folder) {
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        (void)calls.sync(dir.get());
    }
}

} // namespace

const WriteCalls& systemWriteCalls() {
    static const WriteCalls calls{
        [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
    };
    return calls;
}

PosixFileSystem::PosixFileSystem(WriteCalls calls) : calls_(std::move(calls)) {}

FileSystem& systemFileSystem() {
    static PosixFileSystem system;
    return system;
}

std::expected<FileContents, FileError> PosixFileSystem::readFile(const std::string& path) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        return failure(FileFailure::CannotOpen, "", errno);
    }
    struct stat before {};
    if (::fstat(fd.get(), &before) != 0) {
        return failure(FileFailure::CannotOpen, "", errno);
    }
    if (!S_ISREG(before.st_mode)) {
        return failure(FileFailure::NotAFile,
                       S_ISDIR(before.st_mode) ? "it is a folder" : "it is not a regular file", 0);
    }
    if (static_cast<std::uintmax_t>(before.st_size) > kMaxScenarioBytes) {
        return std::unexpected(tooLargeToRead());
    }

    FileContents contents;
    try {
        std::string& bytes = contents.bytes;
        bytes.resize(static_cast<std::size_t>(before.st_size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                if (bytes.size() > kMaxScenarioBytes) {
                    return std::unexpected(tooLargeToRead()); // it grew while we read it
                }
                bytes.resize(bytes.size() * 2);
            }
            const ssize_t n = ::read(fd.get(), bytes.data() + used, bytes.size() - used);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return failure(FileFailure::CannotOpen, "could not read it", errno);
            }
            if (n == 0) {
                break;
            }
            used += static_cast<std::size_t>(n);
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        return std::unexpected(tooLittleMemoryToRead());
    }

    struct stat after {};
    if (::fstat(fd.get(), &after) != 0) {
        return failure(FileFailure::CannotOpen, "", errno);
    }
    contents.identity = identityOf(after);
    if (!(identityOf(before) == contents.identity) ||
        static_cast<std::size_t>(after.st_size) != contents.bytes.size()) {
        return changedMeanwhile();
    }
    return contents;
}

std::expected<void, FileError> PosixFileSystem::checkReplaceable(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec) {
        return failure(FileFailure::CannotWrite, "", ec.value());
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return failure(FileFailure::CannotWrite, "", errno);
    }
    return checkStat(target, st);
}

std::expected<void, FileError> PosixFileSystem::replaceFile(const std::string& path,
                                                            std::string_view bytes,
                                                            const FileIdentity& expected) {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec) {
        return ec == std::errc::no_such_file_or_directory
                   ? changedMeanwhile()
                   : failure(FileFailure::CannotWrite, "", ec.value());
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return failure(FileFailure::CannotWrite, "", errno);
    }
    // A link pointed elsewhere since the read lands here too: the target is
    // another file.
    if (!(identityOf(st) == expected)) {
        return changedMeanwhile();
    }
    if (auto refused = checkStat(target, st); !refused) {
        return refused;
    }

    const std::string pattern =
        (target.parent_path() / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return failure(FileFailure::CannotWrite, "could not create a temporary file beside it",
                       errno);
    }
    TemporaryFile temp(fd, std::string(name.data()));

    const bool otherOwner = st.st_uid != ::geteuid();
    const bool otherGroup = st.st_gid != ::getegid();
    if ((otherOwner || otherGroup) &&
        ::fchown(temp.fd(), otherOwner ? st.st_uid : static_cast<uid_t>(-1),
                 otherGroup ? st.st_gid : static_cast<gid_t>(-1)) != 0) {
        return failure(FileFailure::OtherOwner, "could not keep its owner and group", errno);
    }
    if (::fchmod(temp.fd(), st.st_mode & 07777) != 0) {
        return failure(FileFailure::CannotWrite, "could not set its permissions", errno);
    }
    if (auto copied = copyAttributes(target, temp.fd()); !copied) {
        return copied;
    }
    if (const int error = writeAll(calls_, temp.fd(), bytes); error != 0) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    if (calls_.sync(temp.fd()) != 0) {
        return failure(FileFailure::CannotWrite, "could not flush it to disk", errno);
    }
    if (const int error = temp.close(); error != 0) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    // The last moment to notice another program's save, append or half-done
    // write: after the rename its version would be gone.
    struct stat now {};
    if (::stat(target.c_str(), &now) != 0 || !(identityOf(now) == expected) ||
        std::filesystem::canonical(path, ec) != target) {
        return changedMeanwhile();
    }
    if (::rename(temp.path().c_str(), target.c_str()) != 0) {
        return failure(FileFailure::CannotWrite, "could not put the new version in place", errno);
    }
    temp.keep();
    syncFolder(calls_, target.parent_path());
    return {};
}

std::expected<std::vector<FolderEntry>, std::error_code>
PosixFileSystem::listFolder(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return std::unexpected(lastError());
    }
    struct DirCloser {
        DIR* dir;
        ~DirCloser() { ::closedir(dir); }
    } closer{dir};

    std::vector<FolderEntry> entries;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0) {
                return std::unexpected(lastError());
            }
            break;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            entries.push_back(
                {std::string(name), typeOfDirent(entry->d_type), name.starts_with('.')});
        }
    }
    return entries;
}

std::expected<EntryType, std::error_code> PosixFileSystem::typeOf(const std::string& path,
                                                                  bool followLinks) {
    struct stat st {};
    if ((followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) {
        return std::unexpected(lastError());
    }
    return typeOfMode(st.st_mode);
}

std::expected<std::string, std::error_code> PosixFileSystem::realPath(const std::string& path) {
    std::error_code ec;
    auto real = std::filesystem::canonical(path, ec);
    if (ec) {
        return std::unexpected(ec);
    }
    return real.string();
}

} // namespace zentadial
