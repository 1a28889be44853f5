#pragma once

#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// folder + "/" + name, without doubling a separator the folder text already
// ends in (as the picker gives for "/").
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

// Decides on one entry of a folder: its joined path, its name, and the type
// the listing reports for it (a dirent d_type, DT_UNKNOWN where not known).
using EntryFilter =
    std::function<bool(const std::string& path, std::string_view name, unsigned char type)>;

// The joined paths of the entries the filter keeps, in byte order of their
// names so that a pass is repeatable; the errno when the folder cannot be read.
[[nodiscard]] std::expected<std::vector<std::string>, int>
listFolderPaths(const std::string& folder, const EntryFilter& keep);

} // namespace zentadial
