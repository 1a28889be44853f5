#include "scenario/folder_path.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>

namespace zentadial {

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.ends_with('/')) {
        path += '/';
    }
    path += name;
    return path;
}

std::expected<std::vector<std::string>, int> listFolderPaths(const std::string& folder,
                                                             const EntryFilter& keep) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return std::unexpected(errno);
    }
    struct DirCloser {
        DIR* dir;
        ~DirCloser() { ::closedir(dir); }
    } closer{dir};

    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0) {
                return std::unexpected(errno);
            }
            break;
        }
        const std::string_view name = entry->d_name;
        if (keep(joinPath(folder, name), name, entry->d_type)) {
            names.emplace_back(name);
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
