#include "scenario/folder_path.h"

namespace zentadial {

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.ends_with('/')) {
        path += '/';
    }
    path += name;
    return path;
}

} // namespace zentadial
