#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zentadial {

// File names on Linux are bytes, not always UTF-8. An argument is decoded
// as UTF-8 where it is, and each byte that is not becomes a lone surrogate
// (U+DC80 to U+DCFF), so the parser sees text and the rewrite gets back the
// very bytes it was given: the window's path conversion, under the names the
// command line reads its arguments by.
[[nodiscard]] QString argumentFromBytes(std::string_view bytes);
[[nodiscard]] std::string bytesOfArgument(const QString& argument);

// The bytes with control characters written as escapes ("\n", "\t", "\x1b"),
// so that a file name cannot forge or break a line of the report.
[[nodiscard]] std::string printableBytes(std::string_view bytes);

} // namespace zentadial
