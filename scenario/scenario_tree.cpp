#include "scenario/scenario_tree.h"

#include "scenario/folder_path.h"

#include <algorithm>
#include <cctype>
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

bool isQuicksave(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    const std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    constexpr std::string_view kName = "quicksave";
    return std::ranges::equal(name, kName, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

void walk(FileSystem& fs, const std::string& folder, std::vector<ScenarioTreeEntry>& entries,
          QuicksaveFolders quicksave) {
    appendListing(listScenarioFiles(folder, fs), entries);
    auto folders = subFolders(fs, folder);
    if (!folders) {
        entries.emplace_back(std::unexpected(std::move(folders.error())));
        return;
    }
    for (const auto& sub : *folders) {
        if (quicksave == QuicksaveFolders::Skip && isQuicksave(sub)) {
            continue;
        }
        walk(fs, sub, entries, quicksave);
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

std::vector<ScenarioTreeEntry> listScenarioTree(std::string_view folderText, FileSystem& fs,
                                                QuicksaveFolders quicksave) {
    std::vector<ScenarioTreeEntry> entries;
    walk(fs, std::string(folderText), entries, quicksave);
    return entries;
}

} // namespace zentadial
