#pragma once

#include <cstddef>
#include <string_view>

namespace zentadial {

// The length of the UTF-8 sequence at the start of a text that is not
// empty, or 0 when it is none (overlong forms, surrogates and values beyond
// U+10FFFF included).
[[nodiscard]] std::size_t utf8Length(std::string_view text);

} // namespace zentadial
