#pragma once

#include <cstddef>
#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zentadial {

// The system calls that put a rewritten file on disk. Tests swap them to make
// a write or the flush fail part-way; everything else uses systemWriteCalls().
struct WriteCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
};

[[nodiscard]] const WriteCalls& systemWriteCalls();

enum class FileFailure {
    CannotOpen, // missing, no access, or failed while reading
    NotAFile,   // a folder, device or pipe
    ReadOnly,
    CannotWrite,
};

struct FileError {
    FileFailure kind;
    // The system's words, with the step that failed when that helps
    // ("could not flush it to disk: No space left on device").
    std::string reason;
};

// The whole file as bytes. Refuses anything but a regular file without
// waiting on it, so a pipe named *.scn cannot hang a pass.
[[nodiscard]] std::expected<std::string, FileError> readFileBytes(const std::string& path);

// Replaces the file's contents so that a failure at any step leaves it as it
// was: the bytes go to a temporary file beside it, are flushed, and only then
// renamed over it. A symbolic link is followed and its target replaced, so
// the link stays a link. The permission bits are kept and, where allowed,
// the owner. A file the user may not write, or whose mode has no write bit
// at all, is refused: the rename would otherwise get around its protection.
[[nodiscard]] std::expected<void, FileError>
replaceFileBytes(const std::string& path, std::string_view bytes,
                 const WriteCalls& calls = systemWriteCalls());

} // namespace zentadial
