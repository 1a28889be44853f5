#include "scenario/journal_file.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#ifdef _WIN32
#include "scenario/win32_file_system.h"

#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zentadial {
namespace {

namespace stdfs = std::filesystem;

constexpr std::intptr_t kNoHandle = -1;

stdfs::path nativePath(const std::string& utf8) {
    return stdfs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const stdfs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32
HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::error_code lastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

std::error_code writeAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr)) {
            return lastError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(written);
    }
    return {};
}

std::error_code seek(HANDLE handle, std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return ::SetFilePointerEx(handle, to, nullptr, FILE_BEGIN) ? std::error_code{} : lastError();
}
#else
std::error_code lastError() {
    return {errno, std::generic_category()};
}

int descriptorOf(std::intptr_t handle) {
    return static_cast<int>(handle);
}

std::error_code writeAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        if (n == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return {};
}
#endif

} // namespace

std::expected<JournalFile, std::error_code> JournalFile::create(const std::string& path) {
#ifdef _WIN32
    // Readable meanwhile, so that a history taken during a pass shows it.
    const HANDLE handle =
        ::CreateFileW(widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::unexpected(lastError());
    }
    return JournalFile(reinterpret_cast<std::intptr_t>(handle));
#else
    // Readable by the user alone: the journal holds copies of their files.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return std::unexpected(lastError());
    }
    return JournalFile(fd);
#endif
}

JournalFile::JournalFile(JournalFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), size_(other.size_) {}

JournalFile& JournalFile::operator=(JournalFile&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kNoHandle);
        size_ = other.size_;
    }
    return *this;
}

JournalFile::~JournalFile() {
    close();
}

void JournalFile::close() {
    if (handle_ == kNoHandle) {
        return;
    }
#ifdef _WIN32
    ::CloseHandle(handleOf(handle_));
#else
    ::close(descriptorOf(handle_));
#endif
    handle_ = kNoHandle;
}

std::error_code JournalFile::append(std::string_view bytes) {
    const std::error_code error = writeAt(size_, bytes);
    if (!error) {
        size_ += bytes.size();
    }
    return error;
}

std::error_code JournalFile::writeAt(std::uint64_t offset, std::string_view bytes) {
#ifdef _WIN32
    if (const auto error = seek(handleOf(handle_), offset)) {
        return error;
    }
    return writeAll(handleOf(handle_), bytes);
#else
    return writeAll(descriptorOf(handle_), bytes, static_cast<off_t>(offset));
#endif
}

std::error_code JournalFile::sync() {
#ifdef _WIN32
    return ::FlushFileBuffers(handleOf(handle_)) ? std::error_code{} : lastError();
#else
    return ::fdatasync(descriptorOf(handle_)) == 0 ? std::error_code{} : lastError();
#endif
}

std::expected<std::string, std::error_code>
readJournalBytes(const std::string& path, std::uint64_t offset, std::uint64_t size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t used = 0;
#ifdef _WIN32
    const HANDLE handle = ::CreateFileW(widePath(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::unexpected(lastError());
    }
    std::error_code error = seek(handle, offset);
    while (!error && used < bytes.size()) {
        DWORD got = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - used, 1u << 30));
        if (!::ReadFile(handle, bytes.data() + used, chunk, &got, nullptr)) {
            error = lastError();
        } else if (got == 0) {
            break;
        }
        used += got;
    }
    ::CloseHandle(handle);
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::unexpected(lastError());
    }
    std::error_code error;
    while (used < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + used, bytes.size() - used,
                                  static_cast<off_t>(offset + used));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = lastError();
        }
        if (n <= 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
#endif
    if (error) {
        return std::unexpected(error);
    }
    if (used < bytes.size()) {
        return std::unexpected(std::make_error_code(std::errc::io_error)); // cut short
    }
    return bytes;
}

std::expected<std::string, std::error_code> readJournalFile(const std::string& path) {
    std::error_code error;
    const auto size = stdfs::file_size(nativePath(path), error);
    if (error) {
        return std::unexpected(error);
    }
    return readJournalBytes(path, 0, size);
}

std::error_code makeJournalFolder(const std::string& path) {
    std::error_code error;
    stdfs::create_directories(nativePath(path), error);
    return error;
}

std::error_code makeNewJournalFolder(const std::string& path) {
    std::error_code error;
    if (!stdfs::create_directory(nativePath(path), error) && !error) {
        error = std::make_error_code(std::errc::file_exists);
    }
    return error;
}

void syncJournalFolder([[maybe_unused]] const std::string& path) {
#ifndef _WIN32
    // Windows keeps a folder's entries in the file system's own log; only
    // POSIX systems need the folder flushed by hand.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
#endif
}

std::error_code removeJournalFolder(const std::string& path) {
    std::error_code error;
    stdfs::remove_all(nativePath(path), error);
    return error;
}

std::expected<std::vector<std::string>, std::error_code>
journalFolderNames(const std::string& path) {
    std::error_code error;
    std::vector<std::string> names;
    for (stdfs::directory_iterator it(nativePath(path), error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(utf8Of(it->path().filename()));
    }
    if (error) {
        return std::unexpected(error);
    }
    return names;
}

std::uint64_t journalFolderBytes(const std::string& path) {
    std::uint64_t bytes = 0;
    std::error_code error;
    for (stdfs::directory_iterator it(nativePath(path), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code sizeError;
        const auto size = it->file_size(sizeError);
        bytes += sizeError ? 0 : size;
    }
    return bytes;
}

std::string absoluteJournalPath(const std::string& path) {
    std::error_code error;
    const auto absolute = stdfs::absolute(nativePath(path), error);
    return error ? path : utf8Of(absolute);
}

} // namespace zentadial
