#pragma once

#include "scenario/file_system.h"

#include <functional>

namespace zentadial {

// The calls that put a rewritten file on disk, on HANDLEs (void* here, so
// that this header needs no <windows.h>). Tests swap them to make a write or
// the flush fail part-way, or to change the file meanwhile as another program
// would. Each returns 0 or a Win32 error code.
struct Win32WriteCalls {
    std::function<unsigned long(void* handle, const void* data, unsigned long size,
                                unsigned long* written)>
        write;
    std::function<unsigned long(void* handle)> flush;
};

[[nodiscard]] const Win32WriteCalls& systemWin32WriteCalls();

// The file system through the wide (UTF-16) Win32 calls; paths arrive as
// UTF-8. A rewrite puts the new version in place with ReplaceFileW, which
// keeps the attributes, ACLs and streams of the file it replaces.
class Win32FileSystem final : public FileSystem {
public:
    explicit Win32FileSystem(Win32WriteCalls calls = systemWin32WriteCalls());

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
    Win32WriteCalls calls_;
};

// The UTF-16 form of a UTF-8 path, and back; what the wide API takes.
[[nodiscard]] std::wstring widePath(std::string_view utf8);
[[nodiscard]] std::string utf8Path(std::wstring_view wide);

} // namespace zentadial
