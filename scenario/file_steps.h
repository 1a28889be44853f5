#pragma once

#include "scenario/file_system.h"

#include <expected>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zentadial {

// A file as a pass meets it: a folder opened once, and a name in it.
struct FileInFolder {
    std::shared_ptr<const OpenFolder> folder;
    std::string name;
    std::string path; // the folder's text joined with the name, for messages
};

// Where a file's bytes are once its links are followed: a name in the same
// folder, and the links that led there with the names they held, each read
// again before the replace.
struct ReachedFile {
    std::shared_ptr<const OpenFolder> folder;
    std::string name;
    std::vector<std::pair<std::string, std::string>> links; // link, name it held
};

// A link's text that names an entry of the link's own folder.
[[nodiscard]] bool isPlainName(std::string_view text);

// The file a user named by a path: its folder opened once (links in the
// folder's text followed, as the user wrote it), then the name in it, taken
// as a folder pass takes its entries.
[[nodiscard]] std::expected<FileInFolder, FileError> openNamedFile(FileSystem& fs,
                                                                   const std::string& path);

// Follows the file's links, each only to a plain name of the same folder: a
// link another user can retarget must not lead a pass out of the folder.
// Anything but a regular file is refused without opening it.
[[nodiscard]] std::expected<ReachedFile, FileError> reachFile(FileSystem& fs,
                                                              const FileInFolder& file);

// The whole file as bytes, with the identity it had while it was read; a file
// above kMaxScenarioBytes is refused before reading it.
[[nodiscard]] std::expected<FileContents, FileError> readFile(FileSystem& fs,
                                                              const ReachedFile& file);

// A file a user named, as it is now: where it was found and what it holds;
// openNamedFile, reachFile and readFile in one.
struct NamedFile {
    ReachedFile file;
    FileContents contents;
};
[[nodiscard]] std::expected<NamedFile, FileError> readNamedFile(FileSystem& fs,
                                                                const std::string& path);

// Why replaceFile would refuse the file as it is now, before anything is
// written.
[[nodiscard]] std::expected<void, FileError> checkReplaceable(FileSystem& fs,
                                                              const ReachedFile& file);

// A new version written and flushed beside the file, not yet in its place.
struct StagedReplace {
    ReachedFile file;
    FileIdentity expected; // of the version read
    std::string temporary;
};

// The first half of a replace: a temporary file beside the file, given the
// old one's owner, group, mode and access list, written and flushed. When the
// name (or a link on the way) no longer leads to the version that was read
// (`expected`), nothing is written. A temporary file that cannot be removed
// after a failure is named in the reason.
[[nodiscard]] std::expected<StagedReplace, FileError> stageReplace(FileSystem& fs,
                                                                   const ReachedFile& file,
                                                                   std::string_view bytes,
                                                                   const FileIdentity& expected);

// The second half: the staged version takes the file's place in one step,
// and the version it replaced is compared with `asRead`, what was read. If
// another program changed the file at any moment before the step, its
// version is put back and the file is named changed; nothing is lost either
// way. The folder is not flushed: a caller over many files flushes each
// folder once, after its files. On failure the temporary file is gone.
[[nodiscard]] std::expected<void, FileError>
commitReplace(FileSystem& fs, const StagedReplace& staged, std::string_view asRead);

// Both halves for one file, then its folder flushed: a failure at any step
// leaves the file as it was, or as another program wrote it.
[[nodiscard]] std::expected<void, FileError> replaceFile(FileSystem& fs, const ReachedFile& file,
                                                         std::string_view bytes,
                                                         const FileContents& asRead);

} // namespace zentadial
