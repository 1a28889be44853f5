#include "scenario/scanned_number.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace zentadial {
namespace {

// The bytes isspace() takes in the C locale.
bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

struct Unsigned {
    double value = 0;
    std::size_t size = 0;
};

// from_chars reads no sign of its own here: the caller took it.
std::optional<Unsigned> readUnsigned(std::string_view text, std::chars_format format) {
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    double value = 0;
    const auto [ptr, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (ptr == text.data()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // strtod's answer: the largest magnitude, or none at all. Below the
        // range the digits hold a non-zero digit only before the exponent,
        // and a value that small is the same date as zero.
        const std::string_view digits = text.substr(0, static_cast<std::size_t>(ptr - text.data()));
        const std::size_t exponent =
            digits.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
        const bool tiny = exponent != std::string_view::npos &&
                          digits.find('-', exponent) != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return Unsigned{value, static_cast<std::size_t>(ptr - text.data())};
}

} // namespace

std::optional<ScannedNumber> scanNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isCSpace(text[pos])) {
        ++pos;
    }
    const std::size_t begin = pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view rest = text.substr(pos);
    std::optional<Unsigned> read;
    // "0x" needs a hexadecimal digit after it (or after its point); "0x"
    // alone reads as the 0.
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        const std::string_view hex = rest.substr(2);
        const bool digitFollows =
            isHexDigit(hex.front()) || (hex.front() == '.' && hex.size() > 1 && isHexDigit(hex[1]));
        if (digitFollows) {
            if (auto value = readUnsigned(hex, std::chars_format::hex)) {
                value->size += 2;
                read = value;
            }
        }
    }
    if (!read) {
        read = readUnsigned(rest, std::chars_format::general);
    }
    if (!read) {
        return std::nullopt;
    }
    return ScannedNumber{negative ? -read->value : read->value, begin, pos + read->size};
}

std::optional<double> plainDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos ||
        text.find_first_of("0123456789") == std::string_view::npos ||
        text.find('.') != text.rfind('.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace zentadial
