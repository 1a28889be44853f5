#include "platform/owned_file.h"

#include "platform/path_text.h"
#include "scenario/folder_path.h"

#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>
#include <aclapi.h>
#include <vector>
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zentadial {

#ifdef Q_OS_WIN

// Windows: every look is made on a handle opened as the entry itself, a
// reparse point included, so a link swapped in after a look is judged, never
// followed. Names stay UTF-16 here: the wide calls take Qt's own text as it
// is, with no byte form in between.
namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    [[nodiscard]] HANDLE get() const { return handle_; }
    [[nodiscard]] bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

QString systemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length > 0
                         ? QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed()
                         : QStringLiteral("error %1").arg(error);
    ::LocalFree(text);
    return reason;
}

std::unexpected<OwnedWriteFailure> failed(DWORD error) {
    return std::unexpected(OwnedWriteFailure{OwnedFileState::Usable, systemReason(error)});
}

// The entry itself, for a look at its attributes and owner; a folder opens
// too, so that it can be told apart.
HANDLE openToLook(const std::wstring& path, DWORD access) {
    return ::CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES | READ_CONTROL,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                         nullptr);
}

std::vector<char> tokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
    DWORD size = 0;
    (void)::GetTokenInformation(token, kind, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (size == 0 || !::GetTokenInformation(token, kind, buffer.data(), size, &size)) {
        buffer.clear();
    }
    return buffer;
}

// Whose file this is. The owner must be the user running the program, or
// the owner its token gives every file it creates: run elevated, that is the
// Administrators group, so a settings file this very program wrote elevated
// is still the user's own. Administrators may take any file anyway; the
// group gives nobody a way in they did not have. A volume that keeps no
// owners (FAT, exFAT) lets every user write every file, so there is nobody
// to tell apart there.
bool ownedByUser(HANDLE file) {
    DWORD volumeFlags = 0;
    if (::GetVolumeInformationByHandleW(file, nullptr, 0, nullptr, nullptr, &volumeFlags, nullptr,
                                        0) &&
        (volumeFlags & FILE_PERSISTENT_ACLS) == 0) {
        return true;
    }
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                          nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    bool own = false;
    HANDLE token = nullptr;
    if (owner != nullptr && ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        const std::vector<char> user = tokenInformation(token, TokenUser);
        const std::vector<char> creator = tokenInformation(token, TokenOwner);
        own = (!user.empty() &&
               ::EqualSid(owner, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid)) ||
              (!creator.empty() &&
               ::EqualSid(owner, reinterpret_cast<const TOKEN_OWNER*>(creator.data())->Owner));
        ::CloseHandle(token);
    }
    ::LocalFree(descriptor);
    return own;
}

OwnedFileState stateOf(HANDLE file) {
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info)) {
        return OwnedFileState::NotPlain;
    }
    if ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return OwnedFileState::Link;
    }
    if ((info.FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 ||
        ::GetFileType(file) != FILE_TYPE_DISK) {
        return OwnedFileState::NotPlain;
    }
    if (!ownedByUser(file)) {
        return OwnedFileState::OtherOwner;
    }
    return (info.FileAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? OwnedFileState::ReadOnly
                                                                : OwnedFileState::Usable;
}

// A name that cannot be opened even to look at it is no file of the user's.
OwnedFileState stateOfUnopened(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return OwnedFileState::Missing;
    case ERROR_ACCESS_DENIED:
        return OwnedFileState::OtherOwner;
    default:
        return OwnedFileState::NotPlain;
    }
}

bool writeAll(HANDLE file, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        const auto chunk = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!::WriteFile(file, bytes.data() + done, chunk, &n, nullptr) || n == 0) {
            return false;
        }
        done += static_cast<qsizetype>(n);
    }
    return true;
}

// Puts the file open as `file` in the place of the name `target`, by the
// handle: the name it had cannot be swapped meanwhile, and a rename replaces
// whatever entry holds the target name, a link included, never what a link
// leads to.
bool renameOver(HANDLE file, const std::wstring& target) {
    // The verbatim form, so that no length limit applies; a share's path
    // takes its own prefix.
    const std::wstring name =
        target.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + target.substr(2) : L"\\\\?\\" + target;
    const std::size_t nameBytes = name.size() * sizeof(wchar_t);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::copy(name.begin(), name.end(), info->FileName);
    return ::SetFileInformationByHandle(file, FileRenameInfo, info,
                                        static_cast<DWORD>(buffer.size())) != 0;
}

void removeByHandle(HANDLE file) {
    FILE_DISPOSITION_INFO dispose{TRUE};
    (void)::SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose);
}

} // namespace

OwnedFileState ownedFileState(const QString& path) {
    const Handle file(openToLook(wide(path), 0));
    return file.valid() ? stateOf(file.get()) : stateOfUnopened(::GetLastError());
}

std::optional<QDateTime> lastWritten(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink() ? std::optional(info.lastModified()) : std::nullopt;
}

bool folderTakesFiles(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

std::optional<QByteArray> readOwnedFile(const QString& path, qsizetype maxBytes) {
    const Handle file(openToLook(wide(path), GENERIC_READ));
    if (!file.valid()) {
        return std::nullopt;
    }
    const OwnedFileState state = stateOf(file.get());
    if (state != OwnedFileState::Usable && state != OwnedFileState::ReadOnly) {
        return std::nullopt;
    }
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qsizetype size = 0;
    while (size < maxBytes) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), bytes.data() + size, static_cast<DWORD>(maxBytes - size), &n,
                        nullptr)) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        size += static_cast<qsizetype>(n);
    }
    bytes.truncate(size);
    return bytes;
}

// The folder is held open without letting anyone rename or remove it, so
// its path names that very folder until the end: nobody can put a junction
// in its place. The old file is judged through its own handle; the new
// version is a file created new (CREATE_NEW follows no link; it fails on any
// entry of that name) and renamed by its handle, which replaces the entry
// of the settings name itself, a link swapped in at the last moment
// included.
std::expected<void, OwnedWriteFailure> writeOwnedFile(const QString& path, QByteArrayView bytes) {
    const QFileInfo where(path);
    const Handle folder(::CreateFileW(wide(where.absolutePath()).c_str(),
                                      FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder.valid()) {
        return failed(::GetLastError());
    }
    const std::wstring target = wide(where.absoluteFilePath());
    if (const OwnedFileState state = ownedFileState(where.absoluteFilePath());
        state != OwnedFileState::Missing && state != OwnedFileState::Usable) {
        return std::unexpected(OwnedWriteFailure{state, {}});
    }

    constexpr int kAttempts = 16;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kAttempts && created == INVALID_HANDLE_VALUE; ++attempt) {
        const QString temporary =
            QStringLiteral(".%1.%2.tmp")
                .arg(where.fileName(), QString::number(QRandomGenerator::global()->generate(), 36));
        created = ::CreateFileW(wide(where.absoluteDir().filePath(temporary)).c_str(),
                                GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            return failed(::GetLastError());
        }
    }
    if (created == INVALID_HANDLE_VALUE) {
        return failed(ERROR_FILE_EXISTS);
    }
    const Handle file(created);
    if (!writeAll(file.get(), bytes) || !::FlushFileBuffers(file.get()) ||
        !renameOver(file.get(), target)) {
        const DWORD error = ::GetLastError();
        removeByHandle(file.get());
        return failed(error);
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
    if (::lstat(pathToUtf8(path).c_str(), &info) != 0) {
        return OwnedFileState::Missing;
    }
    return stateOf(info);
}

std::optional<QDateTime> lastWritten(const QString& path) {
    struct stat info {};
    if (::lstat(pathToUtf8(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    constexpr qint64 kNsPerMs = 1000000;
    return QDateTime::fromMSecsSinceEpoch(
        qint64{info.st_mtim.tv_sec} * 1000 + info.st_mtim.tv_nsec / kNsPerMs, Qt::UTC);
}

bool folderTakesFiles(const QString& folder) {
    const std::string bytes = pathToUtf8(folder);
    struct stat info {};
    return ::stat(bytes.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(bytes.c_str(), W_OK | X_OK) == 0;
}

std::optional<QByteArray> readOwnedFile(const QString& path, qsizetype maxBytes) {
    // Not blocking, so that a pipe in the file's place cannot hold the
    // window; not following a link in the last place.
    const Descriptor fd(::open(pathToUtf8(path).c_str(),
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
    const std::string where = pathToUtf8(path);
    // Everything happens relative to the folder opened once, so the folder
    // named cannot change under the steps.
    const Descriptor folder(::open(folderOf(where).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return failed(errno);
    }
    const QByteArray name = QByteArray::fromStdString(fileNameOf(where));
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
