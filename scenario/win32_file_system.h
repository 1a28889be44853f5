#pragma once

#include "scenario/file_system.h"

#include <functional>

namespace zentadial {

// ReplaceFileW keeping the replaced version under the backup name; 0 or a
// Win32 error code.
unsigned long replaceKeepingBackup(const wchar_t* replaced, const wchar_t* replacement,
                                   const wchar_t* backup);

// The calls that put a rewritten file on disk, on HANDLEs (void* here, so
// that this header needs no <windows.h>). Tests swap them to make a write or
// the flush fail part-way, to change the file meanwhile as another program
// would, or to play a volume that refuses the replace. Each returns 0 or a
// Win32 error code.
struct Win32WriteCalls {
    std::function<unsigned long(void* handle, const void* data, unsigned long size,
                                unsigned long* written)>
        write;
    std::function<unsigned long(void* handle)> flush;
    std::function<unsigned long(const wchar_t* replaced, const wchar_t* replacement,
                                const wchar_t* backup)>
        replace = replaceKeepingBackup;
};

[[nodiscard]] const Win32WriteCalls& systemWin32WriteCalls();

// The file system through the wide (UTF-16) Win32 calls; paths arrive as
// UTF-8. Each folder is held open, so that it cannot be renamed or removed
// while a pass works in it, and every handle opened in it is checked against
// it. Links (any name-surrogate reparse point) are never followed. A rewrite
// puts the new version in place with ReplaceFileW, which keeps the
// attributes, ACLs and streams of the file it replaces, and the replaced
// version under a backup name until it has been compared with what was read.
class Win32FileSystem final : public FileSystem {
public:
    explicit Win32FileSystem(Win32WriteCalls calls = systemWin32WriteCalls());

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
    Win32WriteCalls calls_;
};

// The UTF-16 form of a UTF-8 path, and back; what the wide API takes.
[[nodiscard]] std::wstring widePath(std::string_view utf8);
[[nodiscard]] std::string utf8Path(std::wstring_view wide);

} // namespace zentadial
