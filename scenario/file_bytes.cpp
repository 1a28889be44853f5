#include "scenario/file_bytes.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
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

// Closes the descriptor and removes the temporary file unless released:
// every early return of a replace must leave the folder as it found it.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] const std::string& path() const { return path_; }
    // Returns close()'s error, if any; the file itself still goes on failure.
    int close() {
        const int rc = ::close(std::exchange(fd_, -1));
        return rc == 0 ? 0 : errno;
    }
    void keep() { path_.clear(); }

private:
    int fd_;
    std::string path_;
};

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

} // namespace

const WriteCalls& systemWriteCalls() {
    static const WriteCalls calls{
        [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
    };
    return calls;
}

std::expected<std::string, FileError> readFileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return failure(FileFailure::CannotOpen, "", errno);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return failure(FileFailure::CannotOpen, "", errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return failure(FileFailure::NotAFile,
                       S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file", 0);
    }

    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2); // the file grew while we read it
        }
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
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
    return bytes;
}

std::expected<void, FileError> replaceFileBytes(const std::string& path, std::string_view bytes,
                                                const WriteCalls& calls) {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec) {
        return failure(FileFailure::CannotWrite, "", ec.value());
    }
    const std::string targetText = target.string();

    struct stat st {};
    if (::stat(targetText.c_str(), &st) != 0) {
        return failure(FileFailure::CannotWrite, "", errno);
    }
    // As root access() always grants writing, so a mode without any write
    // bit counts as read-only too.
    constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if ((st.st_mode & kAnyWrite) == 0) {
        return failure(FileFailure::ReadOnly, "", 0);
    }
    if (::access(targetText.c_str(), W_OK) != 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return failure(FileFailure::ReadOnly, error == EROFS ? systemWords(error) : "", 0);
        }
        return failure(FileFailure::CannotWrite, "", error);
    }

    // A hidden name that does not end in .scn, so no listing takes it for a
    // scenario should one be left behind by a power cut.
    std::string hiddenName(1, '.');
    hiddenName += target.filename().string();
    hiddenName += ".XXXXXX";
    const std::string pattern = (target.parent_path() / hiddenName).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return failure(FileFailure::CannotWrite, "could not create a temporary file beside it",
                       errno);
    }
    TemporaryFile temp(fd, std::string(name.data()));

    // Keeping the owner only works for root or when nothing changes; a file
    // that ends up ours is still readable and writable as before.
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
        (void)::fchown(temp.fd(), st.st_uid, st.st_gid);
    }
    if (::fchmod(temp.fd(), st.st_mode & 07777) != 0) {
        return failure(FileFailure::CannotWrite, "could not set its permissions", errno);
    }
    if (const int error = writeAll(calls, temp.fd(), bytes); error != 0) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    if (calls.sync(temp.fd()) != 0) {
        return failure(FileFailure::CannotWrite, "could not flush it to disk", errno);
    }
    if (const int error = temp.close(); error != 0) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    if (::rename(temp.path().c_str(), targetText.c_str()) != 0) {
        return failure(FileFailure::CannotWrite, "could not put the new version in place", errno);
    }
    temp.keep();
    return {};
}

} // namespace zentadial
