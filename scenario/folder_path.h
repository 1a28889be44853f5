#pragma once

#include "scenario/file_system.h"

#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zentadial {

// Windows takes "\" and "/" alike; elsewhere only "/" separates names.
[[nodiscard]] bool isPathSeparator(char c);

// folder + separator + name, without doubling a separator the folder text
// already ends in (as the picker gives for "/" or "c:\"). On Windows the
// separator is the one the folder text already uses, "\" when it uses none.
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

// The folder part of a path: "." for a bare name, and a root with its
// separator ("/", "C:\").
[[nodiscard]] std::string folderOf(std::string_view path);

// The last name of a path.
[[nodiscard]] std::string fileNameOf(std::string_view path);

// Decides on one entry of a folder.
using EntryFilter = std::function<bool(const FolderEntry& entry)>;

// The names of the entries the filter keeps, in byte order so that a pass is
// repeatable.
[[nodiscard]] std::expected<std::vector<std::string>, std::error_code>
listFolderNames(FileSystem& fs, const OpenFolder& folder, const EntryFilter& keep);

} // namespace zentadial
