#include "scenario/file_steps.h"

#include "scenario/folder_path.h"

#include <algorithm>
#include <new>
#include <random>
#include <utility>

namespace zentadial {
namespace {

std::unexpected<FileError> failure(FileFailure kind, std::string step, std::error_code error = {}) {
    std::string reason = std::move(step);
    if (error) {
        reason += (reason.empty() ? "" : ": ") + error.message();
    }
    return std::unexpected(FileError{kind, std::move(reason)});
}

std::unexpected<FileError> changedMeanwhile() {
    return failure(FileFailure::Changed, "");
}

// A chain longer than this is a loop or a trap, as the system itself holds.
constexpr int kMostLinks = 8;

std::expected<void, FileError> readAll(FileSystem& fs, const SystemHandle& file,
                                       std::size_t expectedSize, std::string& bytes) {
    try {
        bytes.resize(expectedSize + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                if (bytes.size() > kMaxScenarioBytes) {
                    return std::unexpected(tooLargeToRead()); // it grew while we read it
                }
                bytes.resize(bytes.size() * 2);
            }
            const auto n = fs.readSome(file, bytes.data() + used, bytes.size() - used);
            if (!n) {
                return failure(FileFailure::CannotOpen, "could not read it", n.error());
            }
            if (*n == 0) {
                break;
            }
            used += *n;
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        return std::unexpected(tooLittleMemoryToRead());
    }
    return {};
}

std::error_code writeAll(FileSystem& fs, const SystemHandle& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto n = fs.writeSome(file, bytes.data(), bytes.size());
        if (!n) {
            return n.error();
        }
        if (*n == 0) {
            // A write that makes no progress would spin for ever.
            return std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(std::min(*n, bytes.size()));
    }
    return {};
}

struct Temporary {
    SystemHandle handle;
    std::string name;
};

// A new name beside the file: the prefix and random letters, tried until one
// is free, so that a name another user placed there is never opened.
std::expected<Temporary, FileError> createTemporary(FileSystem& fs, const OpenFolder& folder) {
    constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr int kAttempts = 100;
    constexpr int kNameLetters = 6;
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::error_code error = std::make_error_code(std::errc::file_exists);
    for (int attempt = 0; attempt < kAttempts && error == std::errc::file_exists; ++attempt) {
        std::string name(kTemporaryPrefix);
        for (int i = 0; i < kNameLetters; ++i) {
            name += kLetters[pick(random)];
        }
        auto handle = fs.createFile(folder, name);
        if (handle) {
            return Temporary{std::move(*handle), std::move(name)};
        }
        error = handle.error();
    }
    return failure(FileFailure::CannotWrite, "could not create a temporary file beside it", error);
}

// Whether the name, and every link on the way to it, still lead to the
// version that was read.
bool stillAsRead(FileSystem& fs, const ReachedFile& file, const FileIdentity& expected) {
    for (const auto& [link, name] : file.links) {
        const auto target = fs.readLink(*file.folder, link);
        if (!target || *target != name) {
            return false;
        }
    }
    const auto entry = fs.entryAt(*file.folder, file.name);
    return entry && entry->type == EntryType::File && entry->identity == expected;
}

std::expected<void, FileError> fillTemporary(FileSystem& fs, SystemHandle& old, Temporary& temp,
                                             std::string_view bytes) {
    if (auto copied = fs.copyMetadata(old, temp.handle); !copied) {
        return copied;
    }
    // Held no longer than needed: on Windows an open file cannot be replaced
    // by another program's save.
    (void)old.close();
    if (const auto error = writeAll(fs, temp.handle, bytes)) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    if (const auto error = fs.sync(temp.handle)) {
        return failure(FileFailure::CannotWrite, "could not flush it to disk", error);
    }
    if (const auto error = temp.handle.close()) {
        return failure(FileFailure::CannotWrite, "could not write it", error);
    }
    return {};
}

// The failure, with the temporary file removed, or named when it cannot be.
FileError withoutTemporary(FileSystem& fs, const OpenFolder& folder, const std::string& temporary,
                           FileError error) {
    if (const auto removal = fs.removeEntry(folder, temporary)) {
        std::string& reason = error.reason;
        reason += (reason.empty() ? "" : "; ") + std::string("its temporary file ") + temporary +
                  " could not be removed: " + removal.message();
    }
    return error;
}

// Whether the version an exchange put aside is the very file that was read,
// holding the very bytes: the change time is left out, as the exchange
// itself moves it.
bool cameOutAsRead(FileSystem& fs, const OpenFolder& folder, const std::string& aside,
                   const FileIdentity& expected, std::string_view asRead) {
    const auto handle = fs.openForReading(folder, aside);
    if (!handle) {
        return false;
    }
    const auto identity = fs.identityOf(*handle);
    if (!identity || identity->device != expected.device || identity->file != expected.file ||
        identity->size != expected.size || identity->modifiedNs != expected.modifiedNs) {
        return false;
    }
    std::string bytes;
    return readAll(fs, *handle, asRead.size(), bytes) && bytes == asRead;
}

std::expected<void, FileError> settleExchange(FileSystem& fs, const StagedReplace& staged,
                                              const std::string& aside, std::string_view asRead) {
    const OpenFolder& folder = *staged.file.folder;
    if (cameOutAsRead(fs, folder, aside, staged.expected, asRead)) {
        // What was read is what the journal keeps; the copy beside the file
        // is not needed. One that cannot be removed is reported by the next
        // pass as a leftover.
        (void)fs.removeEntry(folder, aside);
        return {};
    }
    // Another program wrote between the read and the exchange: its version
    // goes back under the name.
    if (auto back = fs.putBack(folder, aside, staged.file.name); !back) {
        return failure(FileFailure::Changed,
                       "its version was kept as " + aside + " (" + back.error().reason + ")");
    }
    return changedMeanwhile();
}

} // namespace

bool isPlainName(std::string_view text) {
    return !text.empty() && text != "." && text != ".." &&
           std::none_of(text.begin(), text.end(), isPathSeparator);
}

std::expected<FileInFolder, FileError> openNamedFile(FileSystem& fs, const std::string& path) {
    auto folder = fs.openFolder(folderOf(path));
    if (!folder) {
        return failure(FileFailure::CannotOpen, "", folder.error());
    }
    return FileInFolder{std::make_shared<const OpenFolder>(std::move(*folder)), fileNameOf(path),
                        path};
}

std::expected<ReachedFile, FileError> reachFile(FileSystem& fs, const FileInFolder& file) {
    ReachedFile reached{file.folder, file.name, {}};
    for (int links = 0;; ++links) {
        const auto entry = fs.entryAt(*reached.folder, reached.name);
        if (!entry) {
            return failure(FileFailure::CannotOpen, "", entry.error());
        }
        switch (entry->type) {
        case EntryType::File:
            return reached;
        case EntryType::Folder:
            return failure(FileFailure::NotAFile, "it is a folder");
        case EntryType::Link:
            break;
        case EntryType::Other:
        case EntryType::Unknown:
            return failure(FileFailure::NotAFile, "it is not a regular file");
        }
        if (links == kMostLinks) {
            return failure(FileFailure::CannotOpen, "",
                           std::make_error_code(std::errc::too_many_symbolic_link_levels));
        }
        auto target = fs.readLink(*reached.folder, reached.name);
        if (!target) {
            return target.error() == std::errc::operation_not_supported
                       ? failure(FileFailure::LinkOutside, "")
                       : failure(FileFailure::CannotOpen, "", target.error());
        }
        if (!isPlainName(*target)) {
            return failure(FileFailure::LinkOutside, "");
        }
        reached.links.emplace_back(reached.name, *target);
        reached.name = std::move(*target);
    }
}

std::expected<FileContents, FileError> readFile(FileSystem& fs, const ReachedFile& file) {
    const auto handle = fs.openForReading(*file.folder, file.name);
    if (!handle) {
        return std::unexpected(handle.error());
    }
    const auto before = fs.identityOf(*handle);
    if (!before) {
        return failure(FileFailure::CannotOpen, "", before.error());
    }
    if (before->size < 0 || static_cast<std::uint64_t>(before->size) > kMaxScenarioBytes) {
        return std::unexpected(tooLargeToRead());
    }
    FileContents contents;
    if (auto read = readAll(fs, *handle, static_cast<std::size_t>(before->size), contents.bytes);
        !read) {
        return std::unexpected(std::move(read.error()));
    }
    const auto after = fs.identityOf(*handle);
    if (!after) {
        return failure(FileFailure::CannotOpen, "", after.error());
    }
    contents.identity = *after;
    if (!(*before == *after) || static_cast<std::size_t>(after->size) != contents.bytes.size()) {
        return changedMeanwhile();
    }
    return contents;
}

std::expected<NamedFile, FileError> readNamedFile(FileSystem& fs, const std::string& path) {
    auto named = openNamedFile(fs, path);
    if (!named) {
        return std::unexpected(std::move(named.error()));
    }
    auto reached = reachFile(fs, *named);
    if (!reached) {
        return std::unexpected(std::move(reached.error()));
    }
    auto contents = readFile(fs, *reached);
    if (!contents) {
        return std::unexpected(std::move(contents.error()));
    }
    return NamedFile{std::move(*reached), std::move(*contents)};
}

std::expected<void, FileError> checkReplaceable(FileSystem& fs, const ReachedFile& file) {
    const auto handle = fs.openForReading(*file.folder, file.name);
    if (!handle) {
        return std::unexpected(handle.error());
    }
    return fs.checkReplaceable(*file.folder, file.name, *handle);
}

std::expected<StagedReplace, FileError> stageReplace(FileSystem& fs, const ReachedFile& file,
                                                     std::string_view bytes,
                                                     const FileIdentity& expected) {
    const OpenFolder& folder = *file.folder;
    if (!stillAsRead(fs, file, expected)) {
        return changedMeanwhile();
    }
    auto old = fs.openForReading(folder, file.name);
    if (!old) {
        return changedMeanwhile(); // it became a link or something else since the check
    }
    if (const auto identity = fs.identityOf(*old); !identity || !(*identity == expected)) {
        return changedMeanwhile();
    }
    if (auto refused = fs.checkReplaceable(folder, file.name, *old); !refused) {
        return std::unexpected(std::move(refused.error()));
    }
    auto temp = createTemporary(fs, folder);
    if (!temp) {
        return std::unexpected(std::move(temp.error()));
    }
    if (auto filled = fillTemporary(fs, *old, *temp, bytes); !filled) {
        (void)temp->handle.close();
        return std::unexpected(withoutTemporary(fs, folder, temp->name, std::move(filled.error())));
    }
    return StagedReplace{file, expected, std::move(temp->name)};
}

std::expected<void, FileError> commitReplace(FileSystem& fs, const StagedReplace& staged,
                                             std::string_view asRead) {
    const OpenFolder& folder = *staged.file.folder;
    const std::string& name = staged.file.name;
    std::expected<void, FileError> done;
    // A change that shows already spares the exchange and its way back.
    if (!stillAsRead(fs, staged.file, staged.expected)) {
        done = changedMeanwhile();
    } else if (auto aside = fs.exchange(folder, staged.temporary, name)) {
        return settleExchange(fs, staged, *aside, asRead);
    } else if (aside.error() == std::errc::operation_not_supported) {
        // A file system without the exchange: the check just above is the
        // last look before the rename, and an edit made between the two is
        // lost, as it always was there.
        done = fs.putInPlace(folder, staged.temporary, name);
    } else if (aside.error() == std::errc::no_such_file_or_directory) {
        done = changedMeanwhile(); // removed, or its folder moved, since the check
    } else {
        done = failure(FileFailure::CannotWrite, "could not put the new version in place",
                       aside.error());
    }
    if (!done) {
        return std::unexpected(
            withoutTemporary(fs, folder, staged.temporary, std::move(done.error())));
    }
    return done;
}

std::expected<void, FileError> replaceFile(FileSystem& fs, const ReachedFile& file,
                                           std::string_view bytes, const FileContents& asRead) {
    const auto staged = stageReplace(fs, file, bytes, asRead.identity);
    if (!staged) {
        return std::unexpected(staged.error());
    }
    if (auto done = commitReplace(fs, *staged, asRead.bytes); !done) {
        return done;
    }
    // A failed flush of the folder leaves the new version in place, only less
    // certain to survive a power cut; it is no reason to call the rewrite
    // failed.
    (void)fs.syncFolder(*file.folder);
    return {};
}

} // namespace zentadial
