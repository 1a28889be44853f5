#pragma once

#include "scenario/file_system.h"

#include <functional>
#include <sys/types.h>

namespace zentadial {

// The system calls that put a rewritten file on disk. Tests swap them to make
// a write or the flush fail part-way, or to change the file meanwhile as
// another program would.
struct WriteCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
};

[[nodiscard]] const WriteCalls& systemWriteCalls();

// The file system through POSIX calls. Owner and group are kept where the
// user may set them; extended attributes (ACLs among them) are copied.
class PosixFileSystem final : public FileSystem {
public:
    explicit PosixFileSystem(WriteCalls calls = systemWriteCalls());

    [[nodiscard]] std::expected<FileContents, FileError> readFile(const std::string& path) override;
    [[nodiscard]] std::expected<void, FileError> checkReplaceable(const std::string& path) override;
    [[nodiscard]] std::expected<void, FileError> replaceFile(const std::string& path,
                                                             std::string_view bytes,
                                                             const FileIdentity& expected) override;
    [[nodiscard]] std::expected<std::vector<FolderEntry>, std::error_code>
    listFolder(const std::string& folder) override;
    [[nodiscard]] std::expected<EntryType, std::error_code> typeOf(const std::string& path,
                                                                   bool followLinks) override;
    [[nodiscard]] std::expected<std::string, std::error_code>
    realPath(const std::string& path) override;

private:
    WriteCalls calls_;
};

} // namespace zentadial
