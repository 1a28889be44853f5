#include "cli/argument_bytes.h"

#include "cli/utf8.h"

#include <array>

namespace zentadial {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscapedByte(char16_t unit) {
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

} // namespace

QString argumentFromBytes(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        const std::size_t length = utf8Length(bytes);
        if (length == 0) {
            text +=
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length));
        bytes.remove_prefix(length);
    }
    return text;
}

std::string bytesOfArgument(const QString& argument) {
    std::string bytes;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        bytes += argument.mid(runStart, end - runStart).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t unit = argument.at(i).unicode();
        const bool paired = i > 0 && argument.at(i - 1).isHighSurrogate();
        if (isEscapedByte(unit) && !paired) {
            flushRun(i);
            bytes += static_cast<char>(unit - kEscapeBase);
            runStart = i + 1;
        }
    }
    flushRun(argument.size());
    return bytes;
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
