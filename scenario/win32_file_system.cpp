#include "scenario/win32_file_system.h"

#include "scenario/file_steps.h"
#include "scenario/folder_path.h"

#include <algorithm>
#include <cstdint>
#include <new>
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
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
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

HANDLE handleOf(const SystemHandle& handle) {
    return reinterpret_cast<HANDLE>(handle.value());
}

std::error_code closeHandle(std::intptr_t handle) {
    return ::CloseHandle(reinterpret_cast<HANDLE>(handle)) ? std::error_code{}
                                                           : errorCode(::GetLastError());
}

SystemHandle owned(HANDLE handle) {
    return SystemHandle(reinterpret_cast<std::intptr_t>(handle), closeHandle);
}

std::wstring wideIn(const OpenFolder& folder, const std::string& name) {
    return widePath(joinPath(folder.systemPath, name));
}

// Links and junctions are name surrogates; other reparse points (files
// deduplicated or kept in the cloud) stand for their own data.
bool isLink(DWORD attributes, DWORD tag) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsReparseTagNameSurrogate(tag);
}

std::expected<FILE_ATTRIBUTE_TAG_INFO, DWORD> attributesOf(HANDLE handle) {
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info)) {
        return std::unexpected(::GetLastError());
    }
    return info;
}

bool samePath(const std::string& a, const std::string& b) {
    const std::wstring wa = widePath(a);
    const std::wstring wb = widePath(b);
    return ::CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                  static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

// Whether a handle opened by a name of the folder is an entry of that very
// folder: a name redirected meanwhile shows here. Where the system cannot
// tell (Wine beyond MAX_PATH), the folder's own handle is all there is.
bool inFolder(HANDLE handle, const OpenFolder& folder) {
    const auto path = finalPathOf(handle);
    const auto folderPath = finalPathOf(handleOf(folder.handle));
    if (!path || !folderPath) {
        return (!path && path.error() == ERROR_MORE_DATA) ||
               (!folderPath && folderPath.error() == ERROR_MORE_DATA);
    }
    return samePath(folderOf(*path), *folderPath) && samePath(*folderPath, folder.systemPath);
}

// A program that opened the file without letting others write or delete it
// (an editor holding it, the simulator loading it) makes the replace fail;
// say so before anything is written, in the system's words.
std::expected<void, FileError> checkNotHeld(const std::wstring& path) {
    const Handle handle(openExisting(path, GENERIC_WRITE | DELETE, FILE_FLAG_OPEN_REPARSE_POINT));
    if (!handle.valid()) {
        const DWORD error = ::GetLastError();
        return failure(error == ERROR_ACCESS_DENIED ? FileFailure::ReadOnly
                                                    : FileFailure::CannotWrite,
                       "", error);
    }
    return {};
}

std::expected<OpenFolder, std::error_code> folderFrom(HANDLE raw, std::string path,
                                                      const std::wstring& wide, bool linksRefused) {
    if (raw == INVALID_HANDLE_VALUE) {
        return std::unexpected(errorCode(::GetLastError()));
    }
    SystemHandle handle = owned(raw);
    const auto info = infoOf(raw);
    const auto tag = attributesOf(raw);
    if (!info || !tag) {
        return std::unexpected(errorCode(!info ? info.error() : tag.error()));
    }
    if (linksRefused && isLink(tag->FileAttributes, tag->ReparseTag)) {
        return std::unexpected(std::make_error_code(std::errc::too_many_symbolic_link_levels));
    }
    if ((info->attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::unexpected(std::make_error_code(std::errc::not_a_directory));
    }
    auto final = finalPathOf(raw);
    // Wine answers only up to MAX_PATH; the full path is the best left then.
    if (!final && final.error() == ERROR_MORE_DATA) {
        final = fullPathOf(wide);
    }
    if (!final) {
        return std::unexpected(errorCode(final.error()));
    }
    return OpenFolder{std::move(handle), info->identity, std::move(path), std::move(*final)};
}

// Others may read and write in the folder, but not rename or remove it while
// a pass works in it.
constexpr DWORD kFolderShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD kFolderAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

HANDLE openFolderHandle(const std::wstring& path, DWORD flags) {
    return ::CreateFileW(path.c_str(), kFolderAccess, kFolderShare, nullptr, OPEN_EXISTING,
                         flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

EntryType typeOfAttributes(DWORD attributes, DWORD reparseTag) {
    if (isLink(attributes, reparseTag)) {
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

unsigned long replaceKeepingBackup(const wchar_t* replaced, const wchar_t* replacement,
                                   const wchar_t* backup) {
    return ::ReplaceFileW(replaced, replacement, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                          nullptr)
               ? 0UL
               : ::GetLastError();
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

std::expected<OpenFolder, std::error_code> Win32FileSystem::openFolder(const std::string& path) {
    const std::wstring wide = widePath(path);
    return folderFrom(openFolderHandle(wide, 0), path, wide, false);
}

std::expected<OpenFolder, std::error_code> Win32FileSystem::openFolderAt(const OpenFolder& parent,
                                                                         const std::string& name) {
    if (!isPlainName(name)) {
        return std::unexpected(std::make_error_code(std::errc::invalid_argument));
    }
    const std::wstring wide = wideIn(parent, name);
    auto folder = folderFrom(openFolderHandle(wide, FILE_FLAG_OPEN_REPARSE_POINT),
                             joinPath(parent.path, name), wide, true);
    if (folder && !inFolder(handleOf(folder->handle), parent)) {
        return std::unexpected(std::make_error_code(std::errc::no_such_file_or_directory));
    }
    return folder;
}

std::expected<std::vector<FolderEntry>, std::error_code>
Win32FileSystem::listFolder(const OpenFolder& folder) {
    // Read through the folder's own handle, from its start each time.
    constexpr std::size_t kBufferBytes = 64 * 1024;
    std::vector<std::uint64_t> buffer(kBufferBytes / sizeof(std::uint64_t));
    std::vector<FolderEntry> entries;
    for (FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;;
         kind = FileIdBothDirectoryInfo) {
        if (!::GetFileInformationByHandleEx(handleOf(folder.handle), kind, buffer.data(),
                                            static_cast<DWORD>(kBufferBytes))) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_NO_MORE_FILES) {
                return entries;
            }
            return std::unexpected(errorCode(error));
        }
        const auto* bytes = reinterpret_cast<const char*>(buffer.data());
        for (std::size_t offset = 0;;) {
            const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes + offset);
            const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(wchar_t));
            if (name != L"." && name != L"..") {
                constexpr DWORD kUnlisted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
                // For a reparse point the size of the extended attributes is
                // its tag.
                entries.push_back({utf8Path(name),
                                   typeOfAttributes(info->FileAttributes, info->EaSize),
                                   (info->FileAttributes & kUnlisted) != 0});
            }
            if (info->NextEntryOffset == 0) {
                break;
            }
            offset += info->NextEntryOffset;
        }
    }
}

std::expected<EntryInfo, std::error_code> Win32FileSystem::entryAt(const OpenFolder& folder,
                                                                   const std::string& name) {
    if (name.empty()) {
        return std::unexpected(std::make_error_code(std::errc::no_such_file_or_directory));
    }
    const Handle handle(
        openExisting(wideIn(folder, name), FILE_READ_ATTRIBUTES, FILE_FLAG_OPEN_REPARSE_POINT));
    if (!handle.valid()) {
        return std::unexpected(errorCode(::GetLastError()));
    }
    const auto info = infoOf(handle.get());
    const auto tag = attributesOf(handle.get());
    if (!info || !tag) {
        return std::unexpected(errorCode(!info ? info.error() : tag.error()));
    }
    EntryType type = typeOfAttributes(tag->FileAttributes, tag->ReparseTag);
    if (type == EntryType::File && ::GetFileType(handle.get()) != FILE_TYPE_DISK) {
        type = EntryType::Other;
    }
    return EntryInfo{type, info->identity};
}

std::expected<std::string, std::error_code> Win32FileSystem::readLink(const OpenFolder&,
                                                                      const std::string&) {
    // Reading a link's target needs its reparse data; a pass follows no link
    // here at all.
    return std::unexpected(std::make_error_code(std::errc::operation_not_supported));
}

std::expected<SystemHandle, FileError> Win32FileSystem::openForReading(const OpenFolder& folder,
                                                                       const std::string& name) {
    const std::wstring wide = wideIn(folder, name);
    HANDLE raw = openExisting(wide, GENERIC_READ, FILE_FLAG_OPEN_REPARSE_POINT);
    if (raw == INVALID_HANDLE_VALUE) {
        return failure(FileFailure::CannotOpen, "", ::GetLastError());
    }
    SystemHandle handle = owned(raw);
    const auto tag = attributesOf(raw);
    if (!tag) {
        return failure(FileFailure::CannotOpen, "", tag.error());
    }
    if (isLink(tag->FileAttributes, tag->ReparseTag)) {
        return changedMeanwhile(); // a link where a file was a moment ago
    }
    if ((tag->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return failure(FileFailure::NotAFile, "it is a folder", 0);
    }
    if (::GetFileType(raw) != FILE_TYPE_DISK) {
        return failure(FileFailure::NotAFile, "it is not a regular file", 0);
    }
    if ((tag->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // Its data is reached through the system's handler: opened again,
        // and taken only if it is still the same file.
        const auto first = infoOf(raw);
        HANDLE data = openExisting(wide, GENERIC_READ);
        if (data == INVALID_HANDLE_VALUE) {
            return failure(FileFailure::CannotOpen, "", ::GetLastError());
        }
        handle = owned(data);
        const auto second = infoOf(data);
        if (!first || !second || first->identity.file != second->identity.file ||
            first->identity.device != second->identity.device) {
            return changedMeanwhile();
        }
    }
    if (!inFolder(handleOf(handle), folder)) {
        return changedMeanwhile();
    }
    return handle;
}

std::expected<FileIdentity, std::error_code> Win32FileSystem::identityOf(const SystemHandle& file) {
    const auto info = infoOf(handleOf(file));
    if (!info) {
        return std::unexpected(errorCode(info.error()));
    }
    return info->identity;
}

std::expected<std::size_t, std::error_code>
Win32FileSystem::readSome(const SystemHandle& file, char* data, std::size_t size) {
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    DWORD got = 0;
    if (!::ReadFile(handleOf(file), data, static_cast<DWORD>(std::min(size, kChunk)), &got,
                    nullptr)) {
        return std::unexpected(errorCode(::GetLastError()));
    }
    return got;
}

std::expected<void, FileError> Win32FileSystem::checkReplaceable(const OpenFolder& folder,
                                                                 const std::string& name,
                                                                 const SystemHandle& file) {
    const auto info = infoOf(handleOf(file));
    if (!info) {
        return failure(FileFailure::CannotWrite, "", info.error());
    }
    if (auto refused = checkInfo(*info); !refused) {
        return refused;
    }
    return checkNotHeld(wideIn(folder, name));
}

std::expected<SystemHandle, std::error_code> Win32FileSystem::createFile(const OpenFolder& folder,
                                                                         const std::string& name) {
    HANDLE raw = ::CreateFileW(wideIn(folder, name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) {
        return std::unexpected(errorCode(::GetLastError()));
    }
    SystemHandle handle = owned(raw);
    if (!inFolder(raw, folder)) {
        // Made somewhere else: removed through its own handle, not its name.
        FILE_DISPOSITION_INFO dispose{TRUE};
        (void)::SetFileInformationByHandle(raw, FileDispositionInfo, &dispose, sizeof dispose);
        return std::unexpected(std::make_error_code(std::errc::no_such_file_or_directory));
    }
    return handle;
}

std::expected<void, FileError> Win32FileSystem::copyMetadata(const SystemHandle&,
                                                             const SystemHandle&) {
    return {}; // ReplaceFileW gives the new version the old one's
}

std::expected<std::size_t, std::error_code>
Win32FileSystem::writeSome(const SystemHandle& file, const char* data, std::size_t size) {
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    unsigned long written = 0;
    if (const unsigned long error = calls_.write(
            handleOf(file), data, static_cast<unsigned long>(std::min(size, kChunk)), &written);
        error != 0) {
        return std::unexpected(errorCode(error));
    }
    return written;
}

std::error_code Win32FileSystem::sync(const SystemHandle& file) {
    const unsigned long error = calls_.flush(handleOf(file));
    return error == 0 ? std::error_code{} : errorCode(error);
}

std::expected<std::string, std::error_code> Win32FileSystem::exchange(const OpenFolder& folder,
                                                                      const std::string& temporary,
                                                                      const std::string& name) {
    // ReplaceFileW takes names only; the folder is held open, so they still
    // name its entries as long as its path is what it was.
    const auto now = finalPathOf(handleOf(folder.handle));
    if (now && !samePath(*now, folder.systemPath)) {
        return std::unexpected(std::make_error_code(std::errc::no_such_file_or_directory));
    }
    // Beside the temporary file and named after it, so that a pass cut short
    // here leaves a name the next pass reports.
    std::string backup = temporary + "~";
    const std::wstring target = wideIn(folder, name);
    const std::wstring wideBackup = wideIn(folder, backup);
    const DWORD error =
        calls_.replace(target.c_str(), wideIn(folder, temporary).c_str(), wideBackup.c_str());
    switch (error) {
    case 0:
        return backup;
    // Where the volume cannot merge the two (some network shares), or takes
    // no backup name; both files keep their names.
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NOT_SUPPORTED:
        return std::unexpected(std::make_error_code(std::errc::operation_not_supported));
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        // The old version went to the backup name and the new one could not
        // follow it: the old one goes back under its name.
        (void)::MoveFileExW(wideBackup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        break;
    default:
        break;
    }
    return std::unexpected(errorCode(error));
}

std::expected<void, FileError> Win32FileSystem::putBack(const OpenFolder& folder,
                                                        const std::string& keptAside,
                                                        const std::string& name) {
    // The backup is the old file itself, with its own attributes, ACLs and
    // streams: moved back, it drops the new version.
    if (!::MoveFileExW(wideIn(folder, keptAside).c_str(), wideIn(folder, name).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return failure(FileFailure::CannotWrite, "could not put its own version back",
                       ::GetLastError());
    }
    return {};
}

std::expected<void, FileError> Win32FileSystem::putInPlace(const OpenFolder& folder,
                                                           const std::string& temporary,
                                                           const std::string& name) {
    const auto now = finalPathOf(handleOf(folder.handle));
    if (now && !samePath(*now, folder.systemPath)) {
        return changedMeanwhile();
    }
    // A plain move still replaces it all at once, without the attributes.
    if (!::MoveFileExW(wideIn(folder, temporary).c_str(), wideIn(folder, name).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return failure(FileFailure::CannotWrite, "could not put the new version in place",
                       ::GetLastError());
    }
    return {};
}

std::error_code Win32FileSystem::removeEntry(const OpenFolder& folder, const std::string& name) {
    return ::DeleteFileW(wideIn(folder, name).c_str()) ? std::error_code{}
                                                       : errorCode(::GetLastError());
}

std::error_code Win32FileSystem::syncFolder(const OpenFolder&) {
    // Windows gives a program no flush of a folder's entries; ReplaceFileW
    // and MOVEFILE_WRITE_THROUGH are what it offers.
    return {};
}

} // namespace zentadial
