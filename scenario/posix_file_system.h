#pragma once

#include "scenario/file_system.h"

#include <functional>
#include <sys/types.h>

namespace zentadial {

// renameat2 with RENAME_EXCHANGE, both names in one folder.
int exchangeNames(int folder, const char* first, const char* second);

// The system calls that put a rewritten file on disk. Tests swap them to make
// a write or the flush fail part-way, to change the file meanwhile as another
// program would, or to play a file system that refuses the exchange.
struct WriteCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(int folder, const char* first, const char* second)> exchange = exchangeNames;
};

[[nodiscard]] const WriteCalls& systemWriteCalls();

// The file system through POSIX calls relative to open folder descriptors
// (openat, renameat and the like). Owner and group are kept where the user
// may set them; the access list and other extended attributes are copied.
class PosixFileSystem final : public FileSystem {
public:
    explicit PosixFileSystem(WriteCalls calls = systemWriteCalls());

    [[nodiscard]] std::expected<OpenFolder, std::error_code>
    openFolder(const std::string& path) override;
    [[nodiscard]] std::expected<OpenFolder, std::error_code>
    openFolderAt(const OpenFolder& parent, const std::string& name) override;
    [[nodiscard]] std::expected<std::vector<FolderEntry>, std::error_code>
    listFolder(const OpenFolder& folder) override;
    [[nodiscard]] std::expected<EntryInfo, std::error_code>
    entryAt(const OpenFolder& folder, const std::string& name) override;
    [[nodiscard]] std::expected<std::string, std::error_code>
    readLink(const OpenFolder& folder, const std::string& name) override;
    [[nodiscard]] std::expected<SystemHandle, FileError>
    openForReading(const OpenFolder& folder, const std::string& name) override;
    [[nodiscard]] std::expected<FileIdentity, std::error_code>
    identityOf(const SystemHandle& file) override;
    [[nodiscard]] std::expected<std::size_t, std::error_code>
    readSome(const SystemHandle& file, char* data, std::size_t size) override;
    [[nodiscard]] std::expected<void, FileError>
    checkReplaceable(const OpenFolder& folder, const std::string& name,
                     const SystemHandle& file) override;
    [[nodiscard]] std::expected<SystemHandle, std::error_code>
    createFile(const OpenFolder& folder, const std::string& name) override;
    [[nodiscard]] std::expected<void, FileError> copyMetadata(const SystemHandle& from,
                                                              const SystemHandle& to) override;
    [[nodiscard]] std::expected<std::size_t, std::error_code>
    writeSome(const SystemHandle& file, const char* data, std::size_t size) override;
    [[nodiscard]] std::error_code sync(const SystemHandle& file) override;
    [[nodiscard]] std::expected<std::string, std::error_code>
    exchange(const OpenFolder& folder, const std::string& temporary,
             const std::string& name) override;
    [[nodiscard]] std::expected<void, FileError> putBack(const OpenFolder& folder,
                                                         const std::string& keptAside,
                                                         const std::string& name) override;
    [[nodiscard]] std::expected<void, FileError> putInPlace(const OpenFolder& folder,
                                                            const std::string& temporary,
                                                            const std::string& name) override;
    [[nodiscard]] std::error_code removeEntry(const OpenFolder& folder,
                                              const std::string& name) override;
    [[nodiscard]] std::error_code syncFolder(const OpenFolder& folder) override;

private:
    WriteCalls calls_;
};

} // namespace zentadial
