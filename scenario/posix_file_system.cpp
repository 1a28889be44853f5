#include "scenario/posix_file_system.h"

#include "scenario/file_steps.h"
#include "scenario/folder_path.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zentadial {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::unexpected<FileError> failure(FileFailure kind, std::string step, int error) {
    std::string reason = std::move(step);
    if (error != 0) {
        reason += (reason.empty() ? "" : ": ") + std::generic_category().message(error);
    }
    return std::unexpected(FileError{kind, std::move(reason)});
}

int fdOf(const SystemHandle& handle) {
    return static_cast<int>(handle.value());
}

int fdOf(const OpenFolder& folder) {
    return fdOf(folder.handle);
}

std::error_code closeDescriptor(std::intptr_t fd) {
    return ::close(static_cast<int>(fd)) == 0 ? std::error_code{} : lastError();
}

SystemHandle owned(int fd) {
    return SystemHandle(fd, closeDescriptor);
}

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * kNanosecondsPerSecond + t.tv_nsec;
}

FileIdentity identityOfStat(const struct stat& st) {
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

std::expected<OpenFolder, std::error_code> folderFrom(int fd, std::string path) {
    if (fd < 0) {
        return std::unexpected(lastError());
    }
    SystemHandle handle = owned(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return std::unexpected(lastError());
    }
    return OpenFolder{std::move(handle), identityOfStat(st), std::move(path), {}};
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

// The append-only and immutable marks (chattr +a, +i): they refuse a rename
// over the file, or any change to the folder's entries, even to root. None
// where the file system keeps no such marks.
int inodeFlags(int fd) {
    int flags = 0;
    return ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? flags : 0;
}

std::expected<void, FileError> checkMarks(int fd, bool folder) {
    const int flags = inodeFlags(fd);
    const char* mark = (flags & FS_IMMUTABLE_FL) != 0 ? "immutable"
                       : (flags & FS_APPEND_FL) != 0  ? "append-only"
                                                      : nullptr;
    if (mark == nullptr) {
        return {};
    }
    if (folder) {
        return failure(
            FileFailure::CannotWrite,
            std::string("its folder is marked ") + mark + ", so no file in it can be replaced", 0);
    }
    return failure(FileFailure::ReadOnly, std::string("it is marked ") + mark, 0);
}

constexpr const char* kAccessList = "system.posix_acl_access";

// Extended attributes carry the access list, security labels and the like;
// the new version gets the old one's, and no access list the old one did not
// have: a folder's default list would otherwise let in users the old version
// kept out.
std::expected<void, FileError> copyAttributes(int from, int to) {
    const ssize_t listSize = ::flistxattr(from, nullptr, 0);
    if (listSize < 0) {
        if (errno == ENOTSUP) {
            return {};
        }
        return failure(FileFailure::CannotWrite, "could not read its extended attributes", errno);
    }
    std::string names(static_cast<std::size_t>(listSize), '\0');
    const ssize_t got = ::flistxattr(from, names.data(), names.size());
    if (got < 0) {
        return failure(FileFailure::CannotWrite, "could not read its extended attributes", errno);
    }
    names.resize(static_cast<std::size_t>(got));
    bool hadAccessList = false;
    for (std::size_t pos = 0; pos < names.size();) {
        const std::string name = names.c_str() + pos;
        pos += name.size() + 1;
        hadAccessList = hadAccessList || name == kAccessList;
        const ssize_t valueSize = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (valueSize < 0) {
            return failure(FileFailure::CannotWrite, "could not read its attribute " + name, errno);
        }
        std::string value(static_cast<std::size_t>(valueSize), '\0');
        const ssize_t read = ::fgetxattr(from, name.c_str(), value.data(), value.size());
        if (read < 0 ||
            ::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0) != 0) {
            return failure(FileFailure::CannotWrite, "could not keep its attribute " + name, errno);
        }
    }
    if (!hadAccessList && ::fremovexattr(to, kAccessList) != 0 && errno != ENODATA &&
        errno != ENOTSUP) {
        return failure(FileFailure::CannotWrite, "could not keep its permissions", errno);
    }
    return {};
}

} // namespace

int exchangeNames(int folder, const char* first, const char* second) {
    return ::renameat2(folder, first, folder, second, RENAME_EXCHANGE);
}

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

std::expected<OpenFolder, std::error_code> PosixFileSystem::openFolder(const std::string& path) {
    return folderFrom(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), path);
}

std::expected<OpenFolder, std::error_code> PosixFileSystem::openFolderAt(const OpenFolder& parent,
                                                                         const std::string& name) {
    if (!isPlainName(name)) {
        return std::unexpected(std::make_error_code(std::errc::invalid_argument));
    }
    return folderFrom(
        ::openat(fdOf(parent), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC),
        joinPath(parent.path, name));
}

std::expected<std::vector<FolderEntry>, std::error_code>
PosixFileSystem::listFolder(const OpenFolder& folder) {
    // The listing reads through a descriptor of its own, which closedir
    // closes; the folder's stays open for the steps after it.
    const int fd = ::fcntl(fdOf(folder), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        return std::unexpected(lastError());
    }
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        const auto error = lastError();
        ::close(fd);
        return std::unexpected(error);
    }
    struct DirCloser {
        DIR* dir;
        ~DirCloser() { ::closedir(dir); }
    } closer{dir};
    ::rewinddir(dir);

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

std::expected<EntryInfo, std::error_code> PosixFileSystem::entryAt(const OpenFolder& folder,
                                                                   const std::string& name) {
    struct stat st {};
    if (::fstatat(fdOf(folder), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::unexpected(lastError());
    }
    return EntryInfo{typeOfMode(st.st_mode), identityOfStat(st)};
}

std::expected<std::string, std::error_code> PosixFileSystem::readLink(const OpenFolder& folder,
                                                                      const std::string& name) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t n = ::readlinkat(fdOf(folder), name.c_str(), target.data(), target.size());
        if (n < 0) {
            return std::unexpected(lastError());
        }
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

std::expected<SystemHandle, FileError> PosixFileSystem::openForReading(const OpenFolder& folder,
                                                                       const std::string& name) {
    const int fd = ::openat(fdOf(folder), name.c_str(),
                            O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) {
        // A link where a file was a moment ago: swapped meanwhile.
        return failure(errno == ELOOP ? FileFailure::Changed : FileFailure::CannotOpen, "", errno);
    }
    SystemHandle handle = owned(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return failure(FileFailure::CannotOpen, "", errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return failure(FileFailure::NotAFile,
                       S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file", 0);
    }
    return handle;
}

std::expected<FileIdentity, std::error_code> PosixFileSystem::identityOf(const SystemHandle& file) {
    struct stat st {};
    if (::fstat(fdOf(file), &st) != 0) {
        return std::unexpected(lastError());
    }
    return identityOfStat(st);
}

std::expected<std::size_t, std::error_code>
PosixFileSystem::readSome(const SystemHandle& file, char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fdOf(file), data, size);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            return std::unexpected(lastError());
        }
    }
}

std::expected<void, FileError> PosixFileSystem::checkReplaceable(const OpenFolder& folder,
                                                                 const std::string& name,
                                                                 const SystemHandle& file) {
    struct stat st {};
    if (::fstat(fdOf(file), &st) != 0) {
        return failure(FileFailure::CannotWrite, "", errno);
    }
    // As root access() always grants writing, so a mode without any write
    // bit counts as read-only too.
    constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if ((st.st_mode & kAnyWrite) == 0) {
        return failure(FileFailure::ReadOnly, "", 0);
    }
    if (auto marked = checkMarks(fdOf(file), false); !marked) {
        return marked;
    }
    if (::faccessat(fdOf(folder), name.c_str(), W_OK, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return failure(FileFailure::ReadOnly,
                           error == EROFS ? std::generic_category().message(error) : "", 0);
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
    if (auto marked = checkMarks(fdOf(folder), true); !marked) {
        return marked;
    }
    if (::faccessat(fdOf(folder), ".", W_OK, 0) != 0) {
        return failure(FileFailure::CannotWrite,
                       "no new file can be created in its folder, which a safe rewrite needs",
                       errno);
    }
    return {};
}

std::expected<SystemHandle, std::error_code> PosixFileSystem::createFile(const OpenFolder& folder,
                                                                         const std::string& name) {
    // 0600 until it has the old version's owner, group, mode and access list.
    const int fd = ::openat(fdOf(folder), name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return std::unexpected(lastError());
    }
    return owned(fd);
}

std::expected<void, FileError> PosixFileSystem::copyMetadata(const SystemHandle& from,
                                                             const SystemHandle& to) {
    struct stat old {};
    struct stat now {};
    if (::fstat(fdOf(from), &old) != 0 || ::fstat(fdOf(to), &now) != 0) {
        return failure(FileFailure::CannotWrite, "", errno);
    }
    // A set-group-ID folder gives a new file the folder's group, whatever the
    // old version had: compared with what the new file got, not with ours.
    const bool otherOwner = old.st_uid != now.st_uid;
    const bool otherGroup = old.st_gid != now.st_gid;
    if ((otherOwner || otherGroup) &&
        ::fchown(fdOf(to), otherOwner ? old.st_uid : static_cast<uid_t>(-1),
                 otherGroup ? old.st_gid : static_cast<gid_t>(-1)) != 0) {
        return failure(FileFailure::OtherOwner, "could not keep its owner and group", errno);
    }
    if (auto copied = copyAttributes(fdOf(from), fdOf(to)); !copied) {
        return copied;
    }
    // Last: a change of owner clears the set-ID bits.
    if (::fchmod(fdOf(to), old.st_mode & 07777) != 0) {
        return failure(FileFailure::CannotWrite, "could not set its permissions", errno);
    }
    if (::fstat(fdOf(to), &now) != 0) {
        return failure(FileFailure::CannotWrite, "", errno);
    }
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        return failure(FileFailure::OtherOwner, "could not keep its owner and group", 0);
    }
    if ((now.st_mode & 07777) != (old.st_mode & 07777)) {
        return failure(FileFailure::CannotWrite, "could not keep its permissions", 0);
    }
    return {};
}

std::expected<std::size_t, std::error_code>
PosixFileSystem::writeSome(const SystemHandle& file, const char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = calls_.write(fdOf(file), data, size);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            return std::unexpected(lastError());
        }
    }
}

std::error_code PosixFileSystem::sync(const SystemHandle& file) {
    return calls_.sync(fdOf(file)) == 0 ? std::error_code{} : lastError();
}

std::expected<std::string, std::error_code> PosixFileSystem::exchange(const OpenFolder& folder,
                                                                      const std::string& temporary,
                                                                      const std::string& name) {
    if (calls_.exchange(fdOf(folder), temporary.c_str(), name.c_str()) == 0) {
        return temporary; // the two names swapped their files
    }
    const int error = errno;
    // The refusals of a system without the exchange, where the rename is all
    // there is: EINVAL from a file system that does not know the flag (NFS,
    // FAT, most FUSE file systems), ENOSYS from a kernel older than 3.15 or a
    // sandbox that filters the call, EOPNOTSUPP from file systems that answer
    // an unknown flag so.
    if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP) {
        return std::unexpected(std::make_error_code(std::errc::operation_not_supported));
    }
    return std::unexpected(std::error_code{error, std::generic_category()});
}

std::expected<void, FileError> PosixFileSystem::putBack(const OpenFolder& folder,
                                                        const std::string& keptAside,
                                                        const std::string& name) {
    // Exchanged again rather than renamed over: the name holds a whole file
    // at every moment, and the new version is removed only once it is out.
    if (calls_.exchange(fdOf(folder), keptAside.c_str(), name.c_str()) != 0) {
        return failure(FileFailure::CannotWrite, "could not put its own version back", errno);
    }
    if (::unlinkat(fdOf(folder), keptAside.c_str(), 0) != 0) {
        return failure(FileFailure::CannotWrite,
                       "the new version could not be removed from " + keptAside, errno);
    }
    return {};
}

std::expected<void, FileError> PosixFileSystem::putInPlace(const OpenFolder& folder,
                                                           const std::string& temporary,
                                                           const std::string& name) {
    if (::renameat(fdOf(folder), temporary.c_str(), fdOf(folder), name.c_str()) != 0) {
        return failure(FileFailure::CannotWrite, "could not put the new version in place", errno);
    }
    return {};
}

std::error_code PosixFileSystem::removeEntry(const OpenFolder& folder, const std::string& name) {
    return ::unlinkat(fdOf(folder), name.c_str(), 0) == 0 ? std::error_code{} : lastError();
}

std::error_code PosixFileSystem::syncFolder(const OpenFolder& folder) {
    return calls_.sync(fdOf(folder)) == 0 ? std::error_code{} : lastError();
}

} // namespace zentadial
