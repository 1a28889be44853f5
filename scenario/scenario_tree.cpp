#include "scenario/scenario_tree.h"

#include "scenario/folder_path.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <system_error>

namespace zentadial {
namespace {

bool isRealFolder(const std::string& path, unsigned char type) {
    if (type == DT_DIR) {
        return true;
    }
    if (type != DT_UNKNOWN) {
        return false;
    }
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::expected<std::vector<std::string>, ScenarioFailure> subFolders(const std::string& folder) {
    auto fail = [&](int error) {
        return std::unexpected(ScenarioFailure{.kind = ScenarioFailureKind::CannotList,
                                               .path = folder,
                                               .reason = std::generic_category().message(error),
                                               .folderPass = true});
    };
    auto paths = listFolderPaths(
        folder, [](const std::string& path, std::string_view name, unsigned char type) {
            return !name.starts_with('.') && isRealFolder(path, type);
        });
    if (!paths) {
        return fail(paths.error());
    }
    return std::move(*paths);
}

void walk(const std::string& folder, std::vector<ScenarioTreeEntry>& entries) {
    appendListing(listScenarioFiles(folder), entries);
    auto folders = subFolders(folder);
    if (!folders) {
        entries.emplace_back(std::unexpected(std::move(folders.error())));
        return;
    }
    for (const auto& sub : *folders) {
        walk(sub, entries);
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

std::vector<ScenarioTreeEntry> listScenarioTree(std::string_view folderText) {
    std::vector<ScenarioTreeEntry> entries;
    walk(std::string(folderText), entries);
    return entries;
}

} // namespace zentadial
