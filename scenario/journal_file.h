#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zentadial {

// The undo journal's own files. The FileSystem interface replaces scenario
// files that exist; the journal makes new files of its own, appends to them
// and flushes them, so it has this small writer beside it. Paths are UTF-8.
class JournalFile {
public:
    // A new file; one that exists already is an error, so two programs
    // never write into the same pass.
    [[nodiscard]] static std::expected<JournalFile, std::error_code>
    create(const std::string& path);

    JournalFile(JournalFile&& other) noexcept;
    JournalFile& operator=(JournalFile&& other) noexcept;
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;
    ~JournalFile();

    [[nodiscard]] std::error_code append(std::string_view bytes);
    // Overwrites bytes already appended.
    [[nodiscard]] std::error_code writeAt(std::uint64_t offset, std::string_view bytes);
    [[nodiscard]] std::error_code sync();
    // What has been appended so far.
    [[nodiscard]] std::uint64_t size() const { return size_; }

private:
    explicit JournalFile(std::intptr_t handle) : handle_(handle) {}
    void close();

    std::intptr_t handle_; // a descriptor, or a HANDLE on Windows
    std::uint64_t size_ = 0;
};

// `size` bytes from `offset`; fewer bytes than that is an error.
[[nodiscard]] std::expected<std::string, std::error_code>
readJournalBytes(const std::string& path, std::uint64_t offset, std::uint64_t size);
[[nodiscard]] std::expected<std::string, std::error_code> readJournalFile(const std::string& path);

// The folder and the folders above it.
[[nodiscard]] std::error_code makeJournalFolder(const std::string& path);
// Creates exactly this folder; one that exists already is an error.
[[nodiscard]] std::error_code makeNewJournalFolder(const std::string& path);
// Flushes the folder's own entries, so that a new file in it survives a
// power cut.
void syncJournalFolder(const std::string& path);
[[nodiscard]] std::error_code removeJournalFolder(const std::string& path);
// The names of the folder's entries, in no order.
[[nodiscard]] std::expected<std::vector<std::string>, std::error_code>
journalFolderNames(const std::string& path);
// The bytes of every file in the folder together.
[[nodiscard]] std::uint64_t journalFolderBytes(const std::string& path);
// The absolute form of a path, resolved against the current folder only, so
// that undo finds the file from wherever it is started.
[[nodiscard]] std::string absoluteJournalPath(const std::string& path);

} // namespace zentadial
