#include "core/date_pattern.h"

#include <algorithm>

namespace zentadial::detail {
namespace {

void appendLiteral(Pattern& out, std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (out.empty() || out.back().field != PatternField::Literal) {
        out.push_back({PatternField::Literal, 0, false, false, {}});
    }
    out.back().literal.append(text);
}

std::size_t runLength(std::string_view s, std::size_t pos) {
    std::size_t n = 1;
    while (pos + n < s.size() && s[pos + n] == s[pos]) {
        ++n;
    }
    return n;
}

} // namespace

Pattern parsePattern(std::string_view p) {
    Pattern out;
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c == '\'') {
            if (i + 1 < p.size() && p[i + 1] == '\'') { // '' outside quotes
                appendLiteral(out, "'");
                i += 2;
                continue;
            }
            ++i;
            std::string text;
            while (i < p.size()) {
                if (p[i] == '\'') {
                    if (i + 1 < p.size() && p[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        continue;
                    }
                    ++i; // closing quote
                    break;
                }
                text += p[i++];
            }
            appendLiteral(out, text);
            continue;
        }
        const std::size_t run = runLength(p, i);
        PatternElement e;
        std::size_t used = 0;
        switch (c) {
        case 'd':
        case 'M':
            used = std::min<std::size_t>(run, 4);
            e.width = static_cast<int>(used);
            if (c == 'd') {
                e.field = used >= 3 ? PatternField::DayName : PatternField::Day;
            } else {
                e.field = used >= 3 ? PatternField::MonthName : PatternField::Month;
            }
            break;
        case 'y':
            if (run >= 4) {
                used = 4;
            } else if (run >= 2) {
                used = 2;
            }
            if (used != 0) {
                e.field = PatternField::Year;
                e.width = static_cast<int>(used);
            }
            break;
        case 'h':
        case 'H':
        case 'm':
        case 's':
            used = std::min<std::size_t>(run, 2);
            e.width = static_cast<int>(used);
            e.field = c == 'm'   ? PatternField::Minute
                      : c == 's' ? PatternField::Second
                                 : PatternField::Hour;
            e.twentyFour = c == 'H';
            break;
        case 'A':
        case 'a':
            used = (i + 1 < p.size() && (p[i + 1] == 'P' || p[i + 1] == 'p')) ? 2 : 1;
            e.field = PatternField::Marker;
            e.lowerCase = c == 'a';
            break;
        default:
            break;
        }
        if (used == 0) {
            appendLiteral(out, p.substr(i, 1));
            ++i;
        } else {
            out.push_back(std::move(e));
            i += used;
        }
    }
    return out;
}

bool hasMarker(const Pattern& pattern) {
    return std::ranges::any_of(
        pattern, [](const PatternElement& e) { return e.field == PatternField::Marker; });
}

std::string fieldOrder(const Pattern& pattern) {
    std::string order;
    for (const PatternElement& e : pattern) {
        char letter = 0;
        switch (e.field) {
        case PatternField::Day:
            letter = 'd';
            break;
        case PatternField::Month:
        case PatternField::MonthName:
            letter = 'M';
            break;
        case PatternField::Year:
            letter = 'y';
            break;
        default:
            break;
        }
        if (letter != 0 && order.find(letter) == std::string::npos) {
            order += letter;
        }
    }
    for (const char letter : {'M', 'd', 'y'}) {
        if (order.find(letter) == std::string::npos) {
            order += letter;
        }
    }
    return order;
}

} // namespace zentadial::detail
