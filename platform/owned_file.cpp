#include "platform/owned_file.h"

#ifdef Q_OS_WIN
#include <QSaveFile>
#include <windows.h>
#else
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zentadial {

#ifdef Q_OS_WIN

// Windows: the attributes tell links (any reparse point) and folders apart;
// a file's owner is left to the folder's access rules, which Windows checks
// on every open. A file made read-only has the attribute.
namespace {

OwnedFileState stateOf(DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return OwnedFileState::Link;
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return OwnedFileState::NotPlain;
    }
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? OwnedFileState::ReadOnly
                                                       : OwnedFileState::Usable;
}

} // namespace

OwnedFileState ownedFileState(const QString& path) {
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
    return attributes == INVALID_FILE_ATTRIBUTES ? OwnedFileState::Missing : stateOf(attributes);
}

// Opened as the entry itself, a reparse point included, and judged by the
// handle's own attributes: nothing swapped in after a look is followed.
std::optional<QByteArray> readOwnedFile(const QString& path, qsizetype maxBytes) {
    const HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(file, &info) != 0 &&
        (stateOf(info.dwFileAttributes) == OwnedFileState::Usable ||
         stateOf(info.dwFileAttributes) == OwnedFileState::ReadOnly)) {
        QByteArray read(maxBytes, Qt::Uninitialized);
        qsizetype size = 0;
        bool failed = false;
        while (size < maxBytes) {
            DWORD n = 0;
            if (ReadFile(file, read.data() + size, static_cast<DWORD>(maxBytes - size), &n,
                         nullptr) == 0) {
                failed = true;
                break;
            }
            if (n == 0) {
                break;
            }
            size += static_cast<qsizetype>(n);
        }
        if (!failed) {
            read.truncate(size);
            bytes = std::move(read);
        }
    }
    CloseHandle(file);
    return bytes;
}

std::expected<void, OwnedWriteFailure> writeOwnedFile(const QString& path, QByteArrayView bytes) {
    const OwnedFileState state = ownedFileState(path);
    if (state != OwnedFileState::Missing && state != OwnedFileState::Usable) {
        return std::unexpected(OwnedWriteFailure{state, {}});
    }
    // QSaveFile would write to what a link names: the look just above keeps
    // it to plain files. Unbuffered, and flushed and checked before the
    // rename: a buffered write that fails only at the commit would put an
    // empty file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return std::unexpected(OwnedWriteFailure{OwnedFileState::Usable, reason});
    }
    if (!file.commit()) {
        return std::unexpected(OwnedWriteFailure{OwnedFileState::Usable, file.errorString()});
    }
    return {};
}

#else

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    // Closes it now, so that a failed close can be seen.
    [[nodiscard]] bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

OwnedFileState stateOf(const struct stat& info) {
    if (S_ISLNK(info.st_mode)) {
        return OwnedFileState::Link;
    }
    if (!S_ISREG(info.st_mode)) {
        return OwnedFileState::NotPlain;
    }
    if (info.st_uid != ::geteuid()) {
        return OwnedFileState::OtherOwner;
    }
    // The owner's write bit, not access(): root may write any file, but a
    // file its user made read-only still stays as it is.
    return (info.st_mode & S_IWUSR) != 0 ? OwnedFileState::Usable : OwnedFileState::ReadOnly;
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::unexpected<OwnedWriteFailure> failed(int error) {
    return std::unexpected(OwnedWriteFailure{OwnedFileState::Usable, systemReason(error)});
}

bool writeAll(int fd, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

OwnedFileState ownedFileState(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return OwnedFileState::Missing;
    }
    return stateOf(info);
}

std::optional<QByteArray> readOwnedFile(const QString& path, qsizetype maxBytes) {
    // Not blocking, so that a pipe in the file's place cannot hold the
    // window; not following a link in the last place.
    const Descriptor fd(::open(QFile::encodeName(path).constData(),
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        return std::nullopt;
    }
    const OwnedFileState state = stateOf(info);
    if (state != OwnedFileState::Usable && state != OwnedFileState::ReadOnly) {
        return std::nullopt;
    }
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qsizetype size = 0;
    while (size < maxBytes) {
        const ssize_t n =
            ::read(fd.get(), bytes.data() + size, static_cast<std::size_t>(maxBytes - size));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        size += n;
    }
    bytes.truncate(size);
    return bytes;
}

std::expected<void, OwnedWriteFailure> writeOwnedFile(const QString& path, QByteArrayView bytes) {
    const QFileInfo where(path);
    // Everything happens relative to the folder opened once, so the folder
    // named cannot change under the steps.
    const Descriptor folder(::open(QFile::encodeName(where.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return failed(errno);
    }
    const QByteArray name = QFile::encodeName(where.fileName());
    struct stat old {};
    const bool replacing =
        ::fstatat(folder.get(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!replacing && errno != ENOENT) {
        return failed(errno);
    }
    if (replacing && stateOf(old) != OwnedFileState::Usable) {
        return std::unexpected(OwnedWriteFailure{stateOf(old), {}});
    }

    // A new file takes the usual mode through the umask; a replacement
    // stays private until it has the old file's mode and group.
    const mode_t createMode = replacing ? S_IRUSR | S_IWUSR : 0666;
    QByteArray temporary;
    int created = -1;
    constexpr int kAttempts = 16;
    for (int attempt = 0; attempt < kAttempts && created < 0; ++attempt) {
        temporary = "." + name + "." +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        created = ::openat(folder.get(), temporary.constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        if (created < 0 && errno != EEXIST) {
            return failed(errno);
        }
    }
    if (created < 0) {
        return failed(EEXIST);
    }
    Descriptor file(created);
    const auto removeTemporary = [&] { ::unlinkat(folder.get(), temporary.constData(), 0); };
    // A group the user no longer belongs to cannot be given: the new file
    // then has the user's own group, which gets none of the old group's
    // rights.
    mode_t mode = old.st_mode & 07777;
    if (replacing && ::fchown(file.get(), static_cast<uid_t>(-1), old.st_gid) != 0) {
        mode &= ~static_cast<mode_t>(S_IRWXG);
    }
    if (!writeAll(file.get(), bytes) || (replacing && ::fchmod(file.get(), mode) != 0) ||
        ::fsync(file.get()) != 0 || !file.close()) {
        const int error = errno;
        removeTemporary();
        return failed(error);
    }
    if (::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) {
        const int error = errno;
        removeTemporary();
        return failed(error);
    }
    // The rename is done; a folder that cannot be synced changes nothing
    // the user could act on.
    static_cast<void>(::fsync(folder.get()));
    return {};
}

#endif

} // namespace zentadial
