#pragma once

#include "scenario/file_system.h"

#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zentadial {

// folder + "/" + name, without doubling a separator the folder text already
// ends in (as the picker gives for "/").
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

// Decides on one entry of a folder: its joined path, its name, and the type
// the listing reports for it (Unknown where the listing does not tell).
using EntryFilter =
    std::function<bool(const std::string& path, std::string_view name, EntryType type)>;

// The joined paths of the entries the filter keeps, in byte order of their
// names so that a pass is repeatable.
[[nodiscard]] std::expected<std::vector<std::string>, std::error_code>
listFolderPaths(FileSystem& fs, const std::string& folder, const EntryFilter& keep);

} // namespace zentadial
