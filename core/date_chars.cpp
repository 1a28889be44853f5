#include "core/date_chars.h"

#include <algorithm>

namespace zentadial::detail {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isWordByte(char c) {
    return isAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}
char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
namespace {

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(), [](char c) { return lowerAscii(c); });
    return out;
}

std::string upperAscii(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(), [](char c) { return upperAscii(c); });
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool matchesAt(std::string_view text, std::size_t pos, std::string_view word) {
    return !word.empty() && pos + word.size() <= text.size() &&
           equalsIgnoringCase(text.substr(pos, word.size()), word);
}

std::string normalizeBlanks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\t' || c == '\n' || c == '\r') {
            out += ' ';
        } else if (s.substr(i, 2) == "\xC2\xA0") {
            out += ' ';
            i += 1;
        } else if (s.substr(i, 3) == "\xE2\x80\xAF" || s.substr(i, 3) == "\xE2\x80\x89") {
            out += ' ';
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string_view trimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace zentadial::detail
