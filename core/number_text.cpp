#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace zentadial {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The pieces of a decimal number as read from a text.
struct DecimalParts {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    std::int64_t exponent = 0; // saturated far beyond the double range
};

constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Reads digits from s at i as an exponent magnitude, saturating.
std::int64_t readExponentDigits(std::string_view s, std::size_t& i) {
    std::int64_t value = 0;
    while (i < s.size() && isDigit(s[i])) {
        if (value < kExponentCap) {
            value = value * 10 + (s[i] - '0');
        }
        ++i;
    }
    return value;
}

// The double nearest the decimal number; Overflow beyond the double range,
// a signed zero below it.
Conv<double> toDouble(const DecimalParts& p) {
    const double zero = p.negative ? -0.0 : 0.0;
    // The decimal order: the value lies in [10^(order-1), 10^order).
    const std::size_t firstInteger = p.integerDigits.find_first_not_of('0');
    std::int64_t order = 0;
    if (firstInteger != std::string::npos) {
        order = static_cast<std::int64_t>(p.integerDigits.size() - firstInteger);
    } else {
        const std::size_t firstFraction = p.fractionDigits.find_first_not_of('0');
        if (firstFraction == std::string::npos) {
            return zero;
        }
        order = -static_cast<std::int64_t>(firstFraction);
    }
    order += p.exponent;
    if (order > 400) {
        return std::unexpected(ConvError::Overflow);
    }
    if (order < -400) {
        return zero;
    }
    std::string text = p.integerDigits.empty() ? std::string("0") : p.integerDigits;
    if (!p.fractionDigits.empty()) {
        text += '.';
        text += p.fractionDigits;
    }
    text += 'e';
    text += std::to_string(p.exponent);
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars says so for underflow too: only a large order overflows.
        if (order > 0) {
            return std::unexpected(ConvError::Overflow);
        }
        return zero;
    }
    if (ec != std::errc{} || ptr != text.data() + text.size()) {
        return zero; // cannot happen: the text is well formed
    }
    return p.negative ? -value : value;
}

bool startsWith(std::string_view s, std::size_t i, std::string_view prefix) {
    return !prefix.empty() && s.substr(i).starts_with(prefix);
}

// The width of the decimal point at i: the user's own, or "." in any form,
// since numbers copied from scenario files and ephemerides always use it.
std::size_t pointWidth(std::string_view s, std::size_t i, std::string_view point) {
    if (startsWith(s, i, point)) {
        return point.size();
    }
    return startsWith(s, i, ".") ? 1 : 0;
}

// What counts as a blank around a number pasted from elsewhere: line ends
// and tabs of a spreadsheet cell, the no-break and narrow spaces of typeset
// text.
constexpr std::string_view kBlankBytes = " \t\r\n";
constexpr std::array<std::string_view, 3> kWideBlanks = {"\u00A0", "\u2009", "\u202F"};
constexpr std::string_view kMinusSign = "\u2212";

std::string_view trimmedBlanks(std::string_view s) {
    for (bool trimmed = true; trimmed && !s.empty();) {
        trimmed = false;
        if (kBlankBytes.find(s.front()) != std::string_view::npos) {
            s.remove_prefix(1);
            trimmed = true;
        } else if (kBlankBytes.find(s.back()) != std::string_view::npos) {
            s.remove_suffix(1);
            trimmed = true;
        }
        for (const auto blank : kWideBlanks) {
            if (s.starts_with(blank)) {
                s.remove_prefix(blank.size());
                trimmed = true;
            }
            if (s.ends_with(blank)) {
                s.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return s;
}

// The text without its surrounding blanks, U+2212 read as "-".
std::string pastedNumber(std::string_view text) {
    const std::string_view s = trimmedBlanks(text);
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (s.substr(i).starts_with(kMinusSign)) {
            out += '-';
            i += kMinusSign.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

// numberFromText's grammar on a text already trimmed. `group` separates
// digits of the integer part in groups of three (the first of one to three
// digits); an empty group allows none.
Conv<double> wholeNumber(std::string_view s, std::string_view point, std::string_view group) {
    const auto mismatch = std::unexpected(ConvError::TypeMismatch);
    if (s.empty()) {
        return mismatch;
    }
    DecimalParts p;
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') {
        p.negative = s[i] == '-';
        ++i;
    }
    std::size_t run = 0; // digits since the start or the last separator
    bool grouped = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            p.integerDigits += s[i++];
            ++run;
        } else if (run > 0 && startsWith(s, i, group)) {
            if (grouped ? run != 3 : run > 3) {
                return mismatch;
            }
            grouped = true;
            run = 0;
            i += group.size();
        } else {
            break;
        }
    }
    if (grouped && run != 3) {
        return mismatch;
    }
    if (const std::size_t width = pointWidth(s, i, point)) {
        i += width;
        while (i < s.size() && isDigit(s[i])) {
            p.fractionDigits += s[i++];
        }
    }
    if (p.integerDigits.empty() && p.fractionDigits.empty()) {
        return mismatch;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        if (i >= s.size() || !isDigit(s[i])) {
            return mismatch;
        }
        const std::int64_t e = readExponentDigits(s, i);
        p.exponent = negativeExponent ? -e : e;
    }
    if (i != s.size()) {
        return mismatch;
    }
    return toDouble(p);
}

// valueOfText's grammar with `point`, or "." as well, as the decimal point.
Conv<double> leadingNumber(std::string_view text, std::string_view point) {
    if (point.empty()) {
        point = ".";
    }
    std::string s;
    s.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s += c;
        }
    }
    DecimalParts p;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        p.negative = s[i] == '-';
        ++i;
    }
    while (i < s.size() && isDigit(s[i])) {
        p.integerDigits += s[i++];
    }
    if (const std::size_t width = pointWidth(s, i, point)) {
        i += width;
        while (i < s.size() && isDigit(s[i])) {
            p.fractionDigits += s[i++];
        }
    }
    if (p.integerDigits.empty() && p.fractionDigits.empty()) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            const std::int64_t e = readExponentDigits(s, j);
            p.exponent = negativeExponent ? -e : e;
        }
    }
    return toDouble(p);
}

// "d.dddddddddddddd" and the decimal exponent of x rounded to 15 significant
// digits, trailing zeros of the digits dropped; x finite and not zero.
struct RoundedDigits {
    bool negative = false;
    std::string digits; // no point, at least one digit, no trailing zero unless "0"
    int exponent = 0;
};

RoundedDigits roundTo15(double x) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    const std::string_view s(buffer, static_cast<std::size_t>(result.ptr - buffer));
    RoundedDigits r;
    std::size_t i = 0;
    if (s[i] == '-') {
        r.negative = true;
        ++i;
    }
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] != '.') {
            r.digits += s[i];
        }
    }
    ++i; // 'e'
    const bool negativeExponent = s[i] == '-';
    ++i;
    int e = 0;
    for (; i < s.size(); ++i) {
        e = e * 10 + (s[i] - '0');
    }
    r.exponent = negativeExponent ? -e : e;
    const std::size_t last = r.digits.find_last_not_of('0');
    r.digits.resize(last == std::string::npos ? 1 : last + 1);
    return r;
}

std::string formatNumber(double x, std::string_view point) {
    if (!std::isfinite(x) || x == 0) {
        return "0";
    }
    const RoundedDigits r = roundTo15(x);
    std::string out = r.negative ? "-" : "";
    if (r.exponent >= 15 || r.exponent < -4) {
        out += r.digits[0];
        if (r.digits.size() > 1) {
            out += point;
            out.append(r.digits, 1);
        }
        out += 'E';
        out += r.exponent < 0 ? '-' : '+';
        const int magnitude = r.exponent < 0 ? -r.exponent : r.exponent;
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
    } else if (r.exponent >= 0) {
        const auto integerCount = static_cast<std::size_t>(r.exponent) + 1;
        if (r.digits.size() <= integerCount) {
            out += r.digits;
            out.append(integerCount - r.digits.size(), '0');
        } else {
            out.append(r.digits, 0, integerCount);
            out += point;
            out.append(r.digits, integerCount);
        }
    } else {
        out += '0';
        out += point;
        out.append(static_cast<std::size_t>(-r.exponent - 1), '0');
        out += r.digits;
    }
    return out;
}

} // namespace

Conv<double> valueOfText(std::string_view text) {
    return leadingNumber(text, ".");
}

Conv<double> valueOfFieldText(std::string_view text, const RegionalForm& form) {
    return leadingNumber(pastedNumber(text), form.decimalSeparator);
}

Conv<double> numberFromText(std::string_view text, const RegionalForm& form) {
    const std::string_view point =
        form.decimalSeparator.empty() ? std::string_view(".") : form.decimalSeparator;
    // A "." is always a decimal point, so it never separates groups.
    std::string_view group = form.thousandsSeparator;
    if (group == point || group == ".") {
        group = {};
    }
    return wholeNumber(pastedNumber(text), point, group);
}

Conv<double> plainNumberFromText(std::string_view text) {
    return wholeNumber(pastedNumber(text), ".", {});
}

std::string numberToText(double x, const RegionalForm& form) {
    return formatNumber(x, form.decimalSeparator.empty() ? std::string_view(".")
                                                         : std::string_view(form.decimalSeparator));
}

std::string spacedNumberText(double x) {
    std::string text = formatNumber(x, ".");
    if (text.front() != '-') {
        text.insert(text.begin(), ' ');
    }
    return text;
}

} // namespace zentadial
