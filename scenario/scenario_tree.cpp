#include "scenario/scenario_tree.h"

#include "scenario/folder_path.h"

#include <system_error>

namespace zentadial {
namespace {

bool isRealFolder(FileSystem& fs, const std::string& path, EntryType type) {
    if (type == EntryType::Folder) {
        return true;
    }
    return type == EntryType::Unknown && fs.typeOf(path, false) == EntryType::Folder;
}

std::expected<std::vector<std::string>, ScenarioFailure> subFolders(FileSystem& fs,
                                                                    const std::string& folder) {
    auto paths =
        listFolderPaths(fs, folder, [&fs](const std::string& path, const FolderEntry& entry) {
            return !entry.hidden && isRealFolder(fs, path, entry.type);
        });
    if (!paths) {
        return std::unexpected(ScenarioFailure{.kind = ScenarioFailureKind::CannotList,
                                               .path = folder,
                                               .reason = paths.error().message(),
                                               .folderPass = true});
    }
    return std::move(*paths);
}

void walk(FileSystem& fs, const std::string& folder, std::vector<ScenarioTreeEntry>& entries) {
    appendListing(listScenarioFiles(folder, fs), entries);
    auto folders = subFolders(fs, folder);
    if (!folders) {
        entries.emplace_back(std::unexpected(std::move(folders.error())));
        return;
    }
    for (const auto& sub : *folders) {
        walk(fs, sub, entries);
    }
}

} // namespace

void appendListing(std::expected<ScenarioListing, ScenarioFailure> listing,
                   std::vector<ScenarioTreeEntry>& entries) {
    if (!listing) {
        entries.emplace_back(std::unexpected(std::move(listing.error())));
        return;
    }
    for (auto& file : listing->files) {
        entries.emplace_back(std::move(file));
    }
    for (auto& skipped : listing->skipped) {
        entries.emplace_back(std::unexpected(std::move(skipped)));
    }
}

std::vector<ScenarioTreeEntry> listScenarioTree(std::string_view folderText, FileSystem& fs) {
    std::vector<ScenarioTreeEntry> entries;
    walk(fs, std::string(folderText), entries);
    return entries;
}

} // namespace zentadial
