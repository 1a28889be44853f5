#include "scenario/folder_path.h"
#include "scenario/scenario_rewrite.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

namespace zentadial {
namespace {

bool hasScenarioSuffix(std::string_view name) {
    constexpr std::string_view kSuffix = ".scn";
    if (name.size() < kSuffix.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - kSuffix.size());
    return std::equal(tail.begin(), tail.end(), kSuffix.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

enum class EntryKind { Other, File, LinkInside, LinkOutside };

// Links are followed only to a regular file of the listed folder itself, by
// a plain name (reachFile); where the system cannot read a link, it counts
// as leading out.
EntryKind kindOf(FileSystem& fs, const std::shared_ptr<const OpenFolder>& folder,
                 const FolderEntry& entry) {
    EntryType type = entry.type;
    if (type == EntryType::Unknown) {
        const auto info = fs.entryAt(*folder, entry.name);
        type = info ? info->type : EntryType::Other;
    }
    if (type == EntryType::File) {
        return EntryKind::File;
    }
    if (type != EntryType::Link) {
        return EntryKind::Other;
    }
    // A dangling link is no file; one that leads out is named.
    const auto reached = reachFile(fs, {folder, entry.name, {}});
    if (reached) {
        return EntryKind::LinkInside;
    }
    return reached.error().kind == FileFailure::LinkOutside ? EntryKind::LinkOutside
                                                            : EntryKind::Other;
}

} // namespace

std::expected<ScenarioListing, ScenarioFailure>
listScenarioFiles(std::shared_ptr<const OpenFolder> folder, FileSystem& fs) {
    ScenarioListing listing;
    auto names = listFolderNames(fs, *folder, [&](const FolderEntry& entry) {
        if (entry.hidden || !hasScenarioSuffix(entry.name)) {
            return false;
        }
        switch (kindOf(fs, folder, entry)) {
        case EntryKind::File:
        case EntryKind::LinkInside:
            return true;
        case EntryKind::LinkOutside:
            listing.skipped.push_back({.kind = ScenarioFailureKind::LinkOutside,
                                       .path = joinPath(folder->path, entry.name),
                                       .folderPass = true});
            return false;
        case EntryKind::Other:
            break;
        }
        return false;
    });
    if (!names) {
        return std::unexpected(ScenarioFailure{.kind = ScenarioFailureKind::CannotList,
                                               .path = folder->path,
                                               .reason = names.error().message(),
                                               .folderPass = true});
    }
    std::sort(listing.skipped.begin(), listing.skipped.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    for (const auto& name : *names) {
        listing.files.push_back(joinPath(folder->path, name));
    }
    listing.folder = std::move(folder);
    return listing;
}

std::expected<ScenarioListing, ScenarioFailure> listScenarioFiles(std::string_view folderText,
                                                                  FileSystem& fs) {
    const std::string folder(folderText);
    auto fail = [&](ScenarioFailureKind kind, std::error_code error) {
        return std::unexpected(ScenarioFailure{.kind = kind,
                                               .path = folder,
                                               .reason = error ? error.message() : std::string{},
                                               .folderPass = true});
    };
    if (folder.empty()) {
        return fail(ScenarioFailureKind::NoFolderGiven, {});
    }
    auto opened = fs.openFolder(folder);
    if (!opened) {
        if (opened.error() == std::errc::not_a_directory) {
            return fail(ScenarioFailureKind::NotAFolder, {});
        }
        return fail(opened.error() == std::errc::no_such_file_or_directory
                        ? ScenarioFailureKind::FolderMissing
                        : ScenarioFailureKind::CannotList,
                    opened.error());
    }
    return listScenarioFiles(std::make_shared<const OpenFolder>(std::move(*opened)), fs);
}

std::vector<std::string> leftoverTemporaries(std::string_view folderText, FileSystem& fs) {
    auto folder = fs.openFolder(std::string(folderText));
    return folder ? leftoverTemporaries(*folder, fs) : std::vector<std::string>{};
}

std::vector<std::string> leftoverTemporaries(const OpenFolder& folder, FileSystem& fs) {
    auto names = listFolderNames(fs, folder, [](const FolderEntry& entry) {
        return entry.name.starts_with(kTemporaryPrefix);
    });
    std::vector<std::string> paths;
    if (names) {
        for (const auto& name : *names) {
            paths.push_back(joinPath(folder.path, name));
        }
    }
    return paths;
}

} // namespace zentadial
