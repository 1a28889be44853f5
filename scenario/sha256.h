#pragma once

#include <string>
#include <string_view>

namespace zentadial {

// The SHA-256 digest of the bytes as 64 lower-case hex digits. The journal
// tells the version a pass wrote from any later edit by it: a size and a
// modification time can both come out the same after another program's save.
[[nodiscard]] std::string sha256Hex(std::string_view bytes);

} // namespace zentadial
