#include "core/date_general_reader.h"

#include "core/date_chars.h"
#include "core/date_fields.h"

#include <algorithm>

namespace zentadial::detail {
namespace {

// A literal as the general reader sees separators: blanks dropped, a word the
// form knows as '#', other characters kept.
std::string canonicalLiteral(std::string_view literal, std::set<std::string>* collect) {
    std::string out;
    std::size_t i = 0;
    while (i < literal.size()) {
        if (isWordByte(literal[i])) {
            std::size_t j = i;
            while (j < literal.size() && isWordByte(literal[j])) {
                ++j;
            }
            if (collect != nullptr) {
                collect->insert(lowerAscii(literal.substr(i, j - i)));
            }
            out += '#';
            i = j;
        } else {
            if (literal[i] != ' ') {
                out += literal[i];
            }
            ++i;
        }
    }
    return out;
}

struct Component {
    bool monthName = false;
    int value = 0;
    int digits = 0;
};

struct Lexed {
    std::vector<Component> components;
    std::vector<std::string> links; // links[i] before components[i]; one more at the end
    Half half = Half::None;
};

// Takes the markers out of the text (a blank in the place of each). A marker
// that begins or ends with an ASCII letter must not touch another letter there.
std::optional<Half> takeMarkers(std::string& text, const std::vector<MarkerText>& markers) {
    Half half = Half::None;
    int found = 0;
    std::string rest;
    rest.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const MarkerText* hit = nullptr;
        for (const MarkerText& m : markers) {
            if (!matchesAt(text, i, m.text)) {
                continue;
            }
            const std::size_t end = i + m.text.size();
            const bool cleanStart =
                !isAsciiLetter(m.text.front()) || i == 0 || !isAsciiLetter(text[i - 1]);
            const bool cleanEnd =
                !isAsciiLetter(m.text.back()) || end == text.size() || !isAsciiLetter(text[end]);
            if (cleanStart && cleanEnd) {
                hit = &m;
                break;
            }
        }
        if (hit != nullptr) {
            half = hit->half;
            ++found;
            rest += ' ';
            i += hit->text.size();
        } else {
            rest += text[i++];
        }
    }
    if (found > 1) {
        return std::nullopt;
    }
    text = std::move(rest);
    return half;
}

std::optional<int> monthOfName(std::string_view word) {
    for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
        if (equalsIgnoringCase(word, kMonthNames[m]) ||
            equalsIgnoringCase(word, kMonthNames[m].substr(0, 3)) ||
            (m == 8 && equalsIgnoringCase(word, "Sept"))) {
            return static_cast<int>(m) + 1;
        }
    }
    return std::nullopt;
}

bool isDayName(std::string_view word) {
    return std::ranges::any_of(kDayNames, [word](std::string_view day) {
        return equalsIgnoringCase(word, day) || equalsIgnoringCase(word, day.substr(0, 3));
    });
}

std::optional<Lexed> lex(std::string text, const FormClues& clues,
                         const std::vector<MarkerText>& markers) {
    const auto half = takeMarkers(text, markers);
    if (!half) {
        return std::nullopt;
    }
    Lexed out;
    out.half = *half;
    std::string link;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isDigit(c)) {
            std::size_t j = i;
            int value = 0;
            while (j < text.size() && isDigit(text[j])) {
                if (j - i < 5) {
                    value = value * 10 + (text[j] - '0');
                }
                ++j;
            }
            if (j - i > 4) {
                return std::nullopt; // no field has more than four digits
            }
            out.links.push_back(std::move(link));
            link.clear();
            out.components.push_back({false, value, static_cast<int>(j - i)});
            i = j;
        } else if (isWordByte(c)) {
            std::size_t j = i;
            while (j < text.size() && isWordByte(text[j])) {
                ++j;
            }
            const std::string_view word = std::string_view(text).substr(i, j - i);
            if (const auto month = monthOfName(word)) {
                out.links.push_back(std::move(link));
                link.clear();
                out.components.push_back({true, *month, 0});
            } else if (equalsIgnoringCase(word, "T")) {
                link += ' '; // ISO 8601 between date and time
            } else if (equalsIgnoringCase(word, "Z") && j == text.size() && i > 0 &&
                       isDigit(text[i - 1])) {
                // ISO 8601's mark of UTC right after the time: the date field
                // holds UTC already.
            } else if (isDayName(word) || clues.words.contains(lowerAscii(word))) {
                link += '#';
            } else {
                return std::nullopt;
            }
            i = j;
        } else {
            if (c != ' ' || link.empty() || link.back() != ' ') {
                link += c;
            }
            ++i;
        }
    }
    out.links.push_back(std::move(link));
    return out;
}

std::string withoutBlanks(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

bool onlyChars(std::string_view s, std::string_view allowed) {
    return std::ranges::all_of(
        s, [allowed](char c) { return allowed.find(c) != std::string_view::npos; });
}

// The first `dateCount` components (0 or 3) as a date, the rest as a time.
std::optional<SerialDate> interpret(const Lexed& lx, std::size_t dateCount,
                                    const FormClues& clues) {
    const std::size_t n = lx.components.size();
    const std::size_t timeCount = n - dateCount;
    if (timeCount > 3 || (dateCount == 0 && timeCount == 0)) {
        return std::nullopt;
    }
    if (timeCount == 1 && lx.half == Half::None) {
        return std::nullopt; // a lone number is an hour only with a marker
    }
    for (std::size_t i = dateCount; i < n; ++i) {
        if (lx.components[i].monthName) {
            return std::nullopt;
        }
    }
    // Separators.
    if (!onlyChars(withoutBlanks(lx.links.front()), clues.leadingChars) ||
        !onlyChars(withoutBlanks(lx.links.back()), clues.trailingChars)) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < dateCount; ++i) {
        const std::string bare = withoutBlanks(lx.links[i]);
        const bool besideName = lx.components[i - 1].monthName || lx.components[i].monthName;
        const bool known = clues.dateLinks.contains(bare) ||
                           (bare.size() == 1 && onlyChars(bare, clues.dateLinkChars));
        if ((!bare.empty() && !known) || (lx.links[i].empty() && !besideName)) {
            return std::nullopt;
        }
    }
    if (dateCount > 0 && timeCount > 0) {
        const std::string& link = lx.links[dateCount];
        const std::string bare = withoutBlanks(link);
        if (link.find(' ') == std::string::npos || !onlyChars(bare, clues.dateTimeChars)) {
            return std::nullopt;
        }
    }
    for (std::size_t i = dateCount + 1; i < n; ++i) {
        if (!clues.timeLinks.contains(withoutBlanks(lx.links[i]))) {
            return std::nullopt;
        }
    }
    ReadFields f;
    if (dateCount == 3) {
        // Which component is which: a month name is the month; a first
        // number of three or four digits puts the year first; otherwise the
        // form's order.
        const auto begin = lx.components.begin();
        if (std::ranges::count_if(begin, begin + 3,
                                  [](const Component& c) { return c.monthName; }) > 1) {
            return std::nullopt;
        }
        const auto firstNumber =
            std::ranges::find_if(begin, begin + 3, [](const Component& c) { return !c.monthName; });
        std::string order = firstNumber->digits >= 3 ? std::string("yMd") : clues.order;
        if (std::ranges::any_of(begin, begin + 3, [](const Component& c) { return c.monthName; })) {
            std::erase(order, 'M');
        }
        std::size_t next = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const Component& c = lx.components[i];
            if (c.monthName) {
                if (f.month >= 0) {
                    return std::nullopt;
                }
                f.month = c.value;
                continue;
            }
            if (next >= order.size()) {
                return std::nullopt; // two month names
            }
            const char letter = order[next++];
            if (letter == 'y') {
                f.year = c.value;
                f.yearDigits = c.digits;
            } else if (c.digits > 2) {
                return std::nullopt;
            } else if (letter == 'M') {
                f.month = c.value;
            } else {
                f.day = c.value;
            }
        }
    }
    int ReadFields::*const timeSlots[3] = {&ReadFields::hour, &ReadFields::minute,
                                           &ReadFields::second};
    for (std::size_t k = 0; k < timeCount; ++k) {
        const Component& c = lx.components[dateCount + k];
        if (c.digits > 2) {
            return std::nullopt;
        }
        f.*timeSlots[k] = c.value;
    }
    f.half = lx.half;
    f.twelveHour = lx.half != Half::None;
    return serialOf(f);
}

} // namespace

FormClues cluesOf(const Pattern& date, const Pattern& time,
                  const std::vector<MarkerText>& markers) {
    FormClues c;
    c.order = fieldOrder(date);
    const auto canonical = [&c](const PatternElement& e) {
        return canonicalLiteral(e.literal, &c.words);
    };
    for (const Pattern* p : {&date, &time}) {
        for (std::size_t i = 0; i < p->size(); ++i) {
            const PatternElement& e = (*p)[i];
            if (e.field != PatternField::Literal) {
                continue;
            }
            const std::string canon = canonical(e);
            if (i == 0) {
                c.leadingChars += canon;
                c.dateTimeChars += p == &time ? canon : std::string();
            }
            if (i + 1 == p->size()) {
                c.trailingChars += canon;
                c.dateTimeChars += p == &date ? canon : std::string();
            }
            if (p == &date && i > 0 && i + 1 < p->size()) {
                c.dateLinkChars += canon;
                c.dateLinks.insert(canon);
            }
        }
    }
    // Marker words are no pattern words: they are taken out on their own.
    for (const MarkerText& m : markers) {
        c.words.erase(lowerAscii(m.text));
    }
    // Separators between hour, minute and second in the time pattern.
    const auto isTimeField = [](const PatternElement& e) {
        return e.field == PatternField::Hour || e.field == PatternField::Minute ||
               e.field == PatternField::Second;
    };
    for (std::size_t i = 0; i + 2 < time.size(); ++i) {
        if (isTimeField(time[i]) && time[i + 1].field == PatternField::Literal &&
            isTimeField(time[i + 2])) {
            c.timeLinks.insert(canonicalLiteral(time[i + 1].literal, nullptr));
        }
    }
    return c;
}

std::optional<SerialDate> readGeneral(std::string_view text, const FormClues& clues,
                                      const std::vector<MarkerText>& markers) {
    const auto lx = lex(std::string(text), clues, markers);
    if (!lx) {
        return std::nullopt;
    }
    const std::size_t n = lx->components.size();
    if (n >= 3) {
        if (const auto v = interpret(*lx, 3, clues)) {
            return v;
        }
    }
    if (n <= 3) {
        return interpret(*lx, 0, clues);
    }
    return std::nullopt;
}

} // namespace zentadial::detail
