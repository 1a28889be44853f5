#include "scenario/folder_path.h"

#include <algorithm>

namespace zentadial {

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.ends_with('/')) {
        path += '/';
    }
    path += name;
    return path;
}

std::expected<std::vector<std::string>, std::error_code>
listFolderPaths(FileSystem& fs, const std::string& folder, const EntryFilter& keep) {
    auto entries = fs.listFolder(folder);
    if (!entries) {
        return std::unexpected(entries.error());
    }
    std::vector<std::string> names;
    for (const FolderEntry& entry : *entries) {
        if (keep(joinPath(folder, entry.name), entry.name, entry.type)) {
            names.push_back(entry.name);
        }
    }
    std::sort(names.begin(), names.end());

    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const auto& name : names) {
        paths.push_back(joinPath(folder, name));
    }
    return paths;
}

} // namespace zentadial
