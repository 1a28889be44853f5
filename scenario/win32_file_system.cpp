#include "scenario/win32_file_system.h"

#include "scenario/folder_path.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <windows.h>

namespace zentadial {
namespace {

// The system's own words for a Win32 error, as the user sees them elsewhere.
class Win32Category final : public std::error_category {
public:
    [[nodiscard]] const char* name() const noexcept override { return "win32"; }
    [[nodiscard]] std::string message(int code) const override {
        wchar_t* buffer = nullptr;
        const DWORD length = ::FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        std::string text;
        if (length > 0 && buffer != nullptr) {
            text = utf8Path(std::wstring_view(buffer, length));
        }
        ::LocalFree(buffer);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                                 text.back() == '.')) {
            text.pop_back();
        }
        return text.empty() ? "Windows error " + std::to_string(code) : text;
    }
};

const std::error_category& win32Category() {
    static const Win32Category category;
    return category;
}

// The errors the passes test for by condition come as the generic ones.
std::error_code errorCode(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_DIRECTORY:
        return std::make_error_code(std::errc::not_a_directory);
    default:
        return {static_cast<int>(error), win32Category()};
    }
}

std::string systemWords(DWORD error) {
    return win32Category().message(static_cast<int>(error));
}

std::unexpected<FileError> failure(FileFailure kind, std::string step, DWORD error) {
    std::string reason = std::move(step);
    if (error != 0) {
        if (!reason.empty()) {
            reason += ": ";
        }
        reason += systemWords(error);
    }
    return std::unexpected(FileError{kind, std::move(reason)});
}

std::unexpected<FileError> changedMeanwhile() {
    return failure(FileFailure::Changed, "", 0);
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    [[nodiscard]] HANDLE get() const { return handle_; }
    [[nodiscard]] bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Returns CloseHandle's error, if any.
    DWORD close() {
        if (!valid()) {
            return 0;
        }
        const BOOL closed = ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
        return closed ? 0 : ::GetLastError();
    }

private:
    HANDLE handle_;
};

// Another program may read the file, write it or rename it while we hold it:
// we hold it only to read it or to look at it.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE openExisting(const std::wstring& path, DWORD access, DWORD flags = 0) {
    return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                         flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::int64_t fileTimeNs(LARGE_INTEGER time) {
    constexpr std::int64_t kNanosecondsPerTick = 100;
    return time.QuadPart * kNanosecondsPerTick;
}

struct HandleInfo {
    FileIdentity identity;
    DWORD attributes = 0;
    DWORD links = 0;
};

std::expected<HandleInfo, DWORD> infoOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandle(handle, &info) ||
        !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
        return std::unexpected(::GetLastError());
    }
    HandleInfo result;
    result.identity = {
        .device = info.dwVolumeSerialNumber,
        .file = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
        .size = static_cast<std::int64_t>((std::uint64_t{info.nFileSizeHigh} << 32) |
                                          info.nFileSizeLow),
        .modifiedNs = fileTimeNs(basic.LastWriteTime),
        .changedNs = fileTimeNs(basic.ChangeTime),
    };
    result.attributes = info.dwFileAttributes;
    result.links = info.nNumberOfLinks;
    return result;
}

// The path with "\\?\" taken off, as the user writes it.
std::string plainFinalPath(std::wstring path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        path.replace(0, 8, L"\\\\");
    } else if (path.starts_with(L"\\\\?\\")) {
        path.erase(0, 4);
    }
    return utf8Path(path);
}

std::expected<std::string, DWORD> finalPathOf(HANDLE handle) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            handle, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
        if (length == 0) {
            const DWORD error = ::GetLastError();
            constexpr std::size_t kLongestPath = 32768;
            if ((error != ERROR_MORE_DATA && error != ERROR_NOT_ENOUGH_MEMORY) ||
                buffer.size() >= kLongestPath) {
                return std::unexpected(error);
            }
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return plainFinalPath(std::move(buffer));
        }
        buffer.resize(length);
    }
}

std::expected<std::string, DWORD> fullPathOf(const std::wstring& path) {
    std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length = full.empty()
                             ? 0
                             : ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()),
                                                  full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return std::unexpected(::GetLastError());
    }
    full.resize(length);
    return plainFinalPath(std::move(full));
}

// What a path names once every link is followed: its full path, and what the
// system says of the file, both read through one handle.
struct Target {
    std::string path;
    HandleInfo info;
};

std::expected<Target, DWORD> targetOf(const std::string& path) {
    const std::wstring wide = widePath(path);
    const Handle handle(openExisting(wide, FILE_READ_ATTRIBUTES));
    if (!handle.valid()) {
        return std::unexpected(::GetLastError());
    }
    const auto info = infoOf(handle.get());
    if (!info) {
        return std::unexpected(info.error());
    }
    auto final = finalPathOf(handle.get());
    // Wine answers only up to MAX_PATH; the full path is the best left then.
    if (!final && final.error() == ERROR_MORE_DATA) {
        final = fullPathOf(wide);
    }
    if (!final) {
        return std::unexpected(final.error());
    }
    return Target{std::move(*final), *info};
}

std::expected<void, FileError> checkInfo(const HandleInfo& info) {
    if ((info.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return failure(FileFailure::ReadOnly, "", 0);
    }
    if (info.links > 1) {
        return failure(FileFailure::HardLinked,
                       "it has " + std::to_string(info.links - 1) +
                           " other hard link(s), which a rewrite would split from it",
                       0);
    }
    return {};
}

// A program that opened the file without letting others write or delete it
// (an editor holding it, the simulator loading it) makes the replace fail;
// say so before anything is written, in the system's words.
std::expected<void, FileError> checkNotHeld(const std::wstring& path) {
    const Handle handle(openExisting(path, GENERIC_WRITE | DELETE));
    if (!handle.valid()) {
        const DWORD error = ::GetLastError();
        return failure(error == ERROR_ACCESS_DENIED ? FileFailure::ReadOnly
                                                    : FileFailure::CannotWrite,
                       "", error);
    }
    return {};
}

// Why the file cannot be replaced as it is now, if it cannot.
std::expected<void, FileError> refusalOf(const Target& target) {
    if (auto refused = checkInfo(target.info); !refused) {
        return refused;
    }
    return checkNotHeld(widePath(target.path));
}

// Removes the temporary file unless released: every early return of a
// replace must leave the folder as it found it.
class TemporaryFile {
public:
    TemporaryFile(HANDLE handle, std::wstring path) : handle_(handle), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        handle_.close();
        if (!path_.empty()) {
            ::DeleteFileW(path_.c_str());
        }
    }
    [[nodiscard]] HANDLE get() const { return handle_.get(); }
    [[nodiscard]] const std::wstring& path() const { return path_; }
    DWORD close() { return handle_.close(); }
    void keep() { path_.clear(); }

private:
    Handle handle_;
    std::wstring path_;
};

std::expected<std::unique_ptr<TemporaryFile>, DWORD>
createTemporaryBeside(const std::string& target) {
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int kAttempts = 100;
    constexpr int kNameLetters = 6;
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    const std::string folder = folderOf(target);
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kAttempts && error == ERROR_FILE_EXISTS; ++attempt) {
        std::string name(kTemporaryPrefix);
        for (int i = 0; i < kNameLetters; ++i) {
            name += kLetters[pick(random)];
        }
        std::wstring path = widePath(joinPath(folder, name));
        HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            return std::make_unique<TemporaryFile>(handle, std::move(path));
        }
        error = ::GetLastError();
    }
    return std::unexpected(error);
}

DWORD writeAll(const Win32WriteCalls& calls, HANDLE handle, std::string_view bytes) {
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    while (!bytes.empty()) {
        const auto size = static_cast<unsigned long>(std::min(bytes.size(), kChunk));
        unsigned long written = 0;
        if (const unsigned long error = calls.write(handle, bytes.data(), size, &written);
            error != 0) {
            return error;
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT; // no progress: retrying would spin for ever
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

EntryType typeOfAttributes(DWORD attributes, DWORD reparseTag) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
        (reparseTag == IO_REPARSE_TAG_SYMLINK || reparseTag == IO_REPARSE_TAG_MOUNT_POINT)) {
        return EntryType::Link;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryType::Folder : EntryType::File;
}

} // namespace

std::wstring widePath(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    // Without <windows.h> to read, cppcheck takes the call for one that keeps
    // the pointer.
    // cppcheck-suppress [danglingTemporaryLifetime, invalidLifetime]
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    // Beyond MAX_PATH the calls take only the "\\?\" form of a full path,
    // which the system uses as it stands: made full and plain first.
    constexpr std::size_t kRoomForTemporaryName = 16;
    if (wide.size() + kRoomForTemporaryName < MAX_PATH || wide.starts_with(L"\\\\?\\")) {
        return wide;
    }
    const DWORD fullLength = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (fullLength == 0) {
        return wide;
    }
    std::wstring full(fullLength, L'\0');
    full.resize(::GetFullPathNameW(wide.c_str(), fullLength, full.data(), nullptr));
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

std::string utf8Path(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

const Win32WriteCalls& systemWin32WriteCalls() {
    static const Win32WriteCalls calls{
        [](void* handle, const void* data, unsigned long size, unsigned long* written) {
            return ::WriteFile(handle, data, size, written, nullptr) ? 0UL : ::GetLastError();
        },
        [](void* handle) { return ::FlushFileBuffers(handle) ? 0UL : ::GetLastError(); },
    };
    return calls;
}

Win32FileSystem::Win32FileSystem(Win32WriteCalls calls) : calls_(std::move(calls)) {}

FileSystem& systemFileSystem() {
    static Win32FileSystem system;
    return system;
}

std::expected<FileContents, FileError> Win32FileSystem::readFile(const std::string& path) {
    const std::wstring wide = widePath(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return failure(FileFailure::CannotOpen, "", ::GetLastError());
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return failure(FileFailure::NotAFile, "it is a folder", 0);
    }
    const Handle handle(::CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid()) {
        return failure(FileFailure::CannotOpen, "", ::GetLastError());
    }
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK) {
        return failure(FileFailure::NotAFile, "it is not a regular file", 0);
    }
    const auto before = infoOf(handle.get());
    if (!before) {
        return failure(FileFailure::CannotOpen, "", before.error());
    }
    if (static_cast<std::uint64_t>(before->identity.size) > kMaxScenarioBytes) {
        return std::unexpected(tooLargeToRead());
    }

    FileContents contents;
    try {
        std::string& bytes = contents.bytes;
        bytes.resize(static_cast<std::size_t>(before->identity.size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                if (bytes.size() > kMaxScenarioBytes) {
                    return std::unexpected(tooLargeToRead()); // it grew while we read it
                }
                bytes.resize(bytes.size() * 2);
            }
            DWORD got = 0;
            if (!::ReadFile(handle.get(), bytes.data() + used,
                            static_cast<DWORD>(bytes.size() - used), &got, nullptr)) {
                return failure(FileFailure::CannotOpen, "could not read it", ::GetLastError());
            }
            if (got == 0) {
                break;
            }
            used += got;
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        return std::unexpected(tooLittleMemoryToRead());
    }

    const auto after = infoOf(handle.get());
    if (!after) {
        return failure(FileFailure::CannotOpen, "", after.error());
    }
    contents.identity = after->identity;
    if (!(before->identity == contents.identity) ||
        static_cast<std::size_t>(after->identity.size) != contents.bytes.size()) {
        return changedMeanwhile();
    }
    return contents;
}

std::expected<void, FileError> Win32FileSystem::checkReplaceable(const std::string& path) {
    const auto target = targetOf(path);
    if (!target) {
        return failure(FileFailure::CannotWrite, "", target.error());
    }
    return refusalOf(*target);
}

std::expected<void, FileError> Win32FileSystem::replaceFile(const std::string& path,
                                                            std::string_view bytes,
                                                            const FileIdentity& expected) {
    const auto target = targetOf(path);
    if (!target) {
        return errorCode(target.error()) == std::errc::no_such_file_or_directory
                   ? changedMeanwhile()
                   : failure(FileFailure::CannotWrite, "", target.error());
    }
    // A link pointed elsewhere since the read lands here too: the target is
    // another file.
    if (!(target->info.identity == expected)) {
        return changedMeanwhile();
    }
    if (auto refused = refusalOf(*target); !refused) {
        return refused;
    }

    auto temp = createTemporaryBeside(target->path);
    if (!temp) {
        return failure(FileFailure::CannotWrite, "could not create a temporary file beside it",
                       temp.error());
    }
    if (const DWORD error = writeAll(calls_, (*temp)->get(), bytes); error != 0) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    if (const unsigned long error = calls_.flush((*temp)->get()); error != 0) {
        return failure(FileFailure::CannotWrite, "could not flush it to disk", error);
    }
    if (const DWORD error = (*temp)->close(); error != 0) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    // The last moment to notice another program's save, append or half-done
    // write: after the replace its version would be gone.
    const auto now = targetOf(path);
    if (!now || now->path != target->path || !(now->info.identity == expected)) {
        return changedMeanwhile();
    }
    const std::wstring wideTarget = widePath(target->path);
    if (!::ReplaceFileW(wideTarget.c_str(), (*temp)->path().c_str(), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        const DWORD error = ::GetLastError();
        // Where the volume cannot merge the two (some network shares), a
        // plain move still replaces it all at once, without the attributes.
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_INVALID_PARAMETER &&
            error != ERROR_NOT_SUPPORTED) {
            return failure(FileFailure::CannotWrite, "could not put the new version in place",
                           error);
        }
        if (!::MoveFileExW((*temp)->path().c_str(), wideTarget.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return failure(FileFailure::CannotWrite, "could not put the new version in place",
                           ::GetLastError());
        }
    }
    (*temp)->keep();
    return {};
}

std::expected<std::vector<FolderEntry>, std::error_code>
Win32FileSystem::listFolder(const std::string& folder) {
    const std::wstring pattern = widePath(joinPath(folder, "*"));
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return std::vector<FolderEntry>{}; // an empty drive root lists nothing at all
        }
        return std::unexpected(errorCode(error));
    }
    struct SearchCloser {
        HANDLE search;
        ~SearchCloser() { ::FindClose(search); }
    } closer{search};

    std::vector<FolderEntry> entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        constexpr DWORD kUnlisted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        entries.push_back({utf8Path(name),
                           typeOfAttributes(found.dwFileAttributes, found.dwReserved0),
                           (found.dwFileAttributes & kUnlisted) != 0});
    } while (::FindNextFileW(search, &found));
    if (const DWORD error = ::GetLastError(); error != ERROR_NO_MORE_FILES) {
        return std::unexpected(errorCode(error));
    }
    return entries;
}

std::expected<EntryType, std::error_code> Win32FileSystem::typeOf(const std::string& path,
                                                                  bool followLinks) {
    const std::wstring wide = widePath(path);
    if (!followLinks) {
        WIN32_FIND_DATAW found{};
        const DWORD attributes = ::GetFileAttributesW(wide.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return std::unexpected(errorCode(::GetLastError()));
        }
        DWORD tag = 0;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            HANDLE search = ::FindFirstFileW(wide.c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                tag = found.dwReserved0;
                ::FindClose(search);
            }
        }
        return typeOfAttributes(attributes, tag);
    }
    const Handle handle(openExisting(wide, FILE_READ_ATTRIBUTES));
    if (!handle.valid()) {
        return std::unexpected(errorCode(::GetLastError()));
    }
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK) {
        return EntryType::Other;
    }
    const auto info = infoOf(handle.get());
    if (!info) {
        return std::unexpected(errorCode(info.error()));
    }
    return (info->attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryType::Folder : EntryType::File;
}

std::expected<std::string, std::error_code> Win32FileSystem::realPath(const std::string& path) {
    auto target = targetOf(path);
    if (!target) {
        return std::unexpected(errorCode(target.error()));
    }
    return std::move(target->path);
}

} // namespace zentadial
