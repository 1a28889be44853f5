#pragma once

#include <string>
#include <string_view>

namespace zentadial {

// folder + "/" + name, without doubling a separator the folder text already
// ends in (as the picker gives for "/").
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

} // namespace zentadial
