#include "scenario/folder_path.h"

#include <algorithm>
#include <utility>

namespace zentadial {
namespace {

#ifdef _WIN32
constexpr bool kBackslashSeparates = true;
#else
constexpr bool kBackslashSeparates = false;
#endif

std::size_t lastSeparator(std::string_view path) {
    return kBackslashSeparates ? path.find_last_of("/\\") : path.rfind('/');
}

// "C:" before the separator: the separator is the drive's root.
bool isDriveRoot(std::string_view path, std::size_t separator) {
    return kBackslashSeparates && separator == 2 && path[1] == ':';
}

// The separator a name is joined to folder with: on Windows the one the
// folder text already uses, "\" when it uses none.
char separatorFor(std::string_view folder) {
    if (!kBackslashSeparates) {
        return '/';
    }
    const bool slashes =
        folder.find('/') != std::string_view::npos && folder.find('\\') == std::string_view::npos;
    return slashes ? '/' : '\\';
}

} // namespace

bool isPathSeparator(char c) {
    return c == '/' || (kBackslashSeparates && c == '\\');
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || !isPathSeparator(path.back())) {
        path += separatorFor(folder);
    }
    path += name;
    return path;
}

std::string folderOf(std::string_view path) {
    const auto separator = lastSeparator(path);
    if (separator == std::string_view::npos) {
        return ".";
    }
    if (separator == 0 || isDriveRoot(path, separator)) {
        return std::string(path.substr(0, separator + 1));
    }
    return std::string(path.substr(0, separator));
}

std::string fileNameOf(std::string_view path) {
    const auto separator = lastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::expected<std::vector<std::string>, std::error_code>
listFolderNames(FileSystem& fs, const OpenFolder& folder, const EntryFilter& keep) {
    auto entries = fs.listFolder(folder);
    if (!entries) {
        return std::unexpected(entries.error());
    }
    std::vector<std::string> names;
    for (FolderEntry& entry : *entries) {
        if (keep(entry)) {
            names.push_back(std::move(entry.name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace zentadial
