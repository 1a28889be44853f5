#include "cli/argument_bytes.h"

#include "platform/path_text.h"

#include <array>

namespace zentadial {

QString argumentFromBytes(std::string_view bytes) {
    return pathFromUtf8(bytes);
}

std::string bytesOfArgument(const QString& argument) {
    return pathToUtf8(argument);
}

// On Windows "\\" separates the names of every path and no name holds a
// control character, so it stands for itself there.
#ifdef _WIN32
constexpr bool kEscapeBackslash = false;
#else
constexpr bool kEscapeBackslash = true;
#endif

std::string printableBytes(std::string_view bytes) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\\' && kEscapeBackslash) {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace zentadial
