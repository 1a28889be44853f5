#include "core/date_text.h"

#include "core/date_pattern.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <set>

// dateFromText reads in two stages.
//
// 1. Exact: the text is matched against the three shapes dateToText writes
//    (date, blank, time; date alone; time alone), field by field, with the
//    pattern's literal text; only blanks may differ in number, and letters in
//    case. Whatever dateToText writes is read back here.
// 2. General: markers are taken out, the rest is cut into numbers, month
//    names and the separators between them, and the numbers are read as a
//    date of three and a time of up to three (see readGeneral).

namespace zentadial {
namespace {

using detail::Pattern;
using detail::PatternElement;
using detail::PatternField;

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

// ---------------------------------------------------------------- characters

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// Letters of words: ASCII letters and every byte of a non-ASCII character.
bool isWordByte(char c) {
    return isAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}
char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

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

// Tabs, line ends, no-break space (U+00A0), thin space (U+2009) and narrow
// no-break space (U+202F) become plain blanks.
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

// ------------------------------------------------------------------- markers

struct Markers {
    std::string am;
    std::string pm;
};

// The form's texts, or "AM" and "PM" when the form's are empty or alike (a
// marker that cannot tell morning from afternoon would lose the time).
Markers effectiveMarkers(const RegionalForm& form) {
    const std::string am{trimBlanks(normalizeBlanks(form.amText))};
    const std::string pm{trimBlanks(normalizeBlanks(form.pmText))};
    if (am.empty() || pm.empty() || equalsIgnoringCase(am, pm)) {
        return {"AM", "PM"};
    }
    return {am, pm};
}

enum class Half { None, Am, Pm };

struct MarkerText {
    std::string text;
    Half half;
};

// Every text read as a marker, longest first.
std::vector<MarkerText> markerTexts(const RegionalForm& form) {
    const Markers m = effectiveMarkers(form);
    std::vector<MarkerText> list = {
        {m.am, Half::Am}, {m.pm, Half::Pm}, {"AM", Half::Am}, {"PM", Half::Pm}};
    std::ranges::stable_sort(list, [](const MarkerText& a, const MarkerText& b) {
        return a.text.size() > b.text.size();
    });
    return list;
}

// ----------------------------------------------------------------- rendering

void appendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    out += digits;
}

// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
int pivotYear(int twoDigits) {
    return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits;
}

int weekdayIndex(const CivilTime& t) {
    namespace chr = std::chrono;
    const chr::sys_days days{chr::year{t.year} / chr::month{static_cast<unsigned>(t.month)} /
                             chr::day{static_cast<unsigned>(t.day)}};
    return static_cast<int>(chr::weekday{days}.c_encoding());
}

std::string render(const Pattern& pattern, const CivilTime& t, const Markers& markers) {
    const bool twelveHour = detail::hasMarker(pattern);
    std::string out;
    for (const PatternElement& e : pattern) {
        switch (e.field) {
        case PatternField::Literal:
            out += e.literal;
            break;
        case PatternField::Day:
            appendNumber(out, t.day, e.width);
            break;
        case PatternField::DayName: {
            const std::string_view name = kDayNames[static_cast<std::size_t>(weekdayIndex(t))];
            out += e.width == 3 ? name.substr(0, 3) : name;
            break;
        }
        case PatternField::Month:
            appendNumber(out, t.month, e.width);
            break;
        case PatternField::MonthName: {
            const std::string_view name = kMonthNames[static_cast<std::size_t>(t.month - 1)];
            out += e.width == 3 ? name.substr(0, 3) : name;
            break;
        }
        case PatternField::Year:
            // yy writes all four digits for a year that two would not read
            // back as (outside 1930-2029).
            if (e.width == 2 && pivotYear(t.year % 100) == t.year) {
                appendNumber(out, t.year % 100, 2);
            } else {
                appendNumber(out, t.year, 4);
            }
            break;
        case PatternField::Hour: {
            int hour = t.hour;
            if (twelveHour && !e.twentyFour) {
                hour = hour % 12 == 0 ? 12 : hour % 12;
            }
            appendNumber(out, hour, e.width);
            break;
        }
        case PatternField::Minute:
            appendNumber(out, t.minute, e.width);
            break;
        case PatternField::Second:
            appendNumber(out, t.second, e.width);
            break;
        case PatternField::Marker: {
            const std::string& text = t.hour < 12 ? markers.am : markers.pm;
            out += e.lowerCase ? lowerAscii(text) : upperAscii(text);
            break;
        }
        }
    }
    return out;
}

// ------------------------------------------------------------ reading values

// Fields as read; -1 for a field the text did not give.
struct ReadFields {
    int year = -1;
    int yearDigits = 0;
    int month = -1;
    int day = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
    bool twelveHour = false; // the hour is 1-12 and takes the marker
    Half half = Half::None;
};

// The SerialDate of the fields: a missing date is day 0, a missing time
// 00:00:00.
std::optional<SerialDate> serialOf(const ReadFields& f) {
    CivilTime t;
    const bool hasDate = f.year >= 0 || f.month >= 0 || f.day >= 0;
    if (hasDate) {
        if (f.year < 0 || f.month < 0 || f.day < 0) {
            return std::nullopt;
        }
        t.year = f.yearDigits <= 2 ? pivotYear(f.year) : f.year;
        t.month = f.month;
        t.day = f.day;
    }
    if (f.hour >= 0) {
        if (f.twelveHour) {
            if (f.half == Half::None || f.hour < 1 || f.hour > 12) {
                return std::nullopt;
            }
            t.hour = f.hour % 12 + (f.half == Half::Pm ? 12 : 0);
        } else {
            t.hour = f.hour;
        }
    } else if (f.half != Half::None) {
        return std::nullopt;
    }
    t.minute = std::max(f.minute, 0);
    t.second = std::max(f.second, 0);
    if (f.minute < 0 && f.second >= 0) {
        return std::nullopt;
    }
    const Conv<SerialDate> serial = serialFromCivil(t);
    if (!serial) {
        return std::nullopt;
    }
    return *serial;
}

// ------------------------------------------------------------ stage 1: exact

class ExactReader {
public:
    ExactReader(std::string_view text, const Pattern& pattern,
                const std::vector<MarkerText>& markers)
        : text_(text), pattern_(pattern), markers_(markers) {}

    std::optional<SerialDate> read() {
        ReadFields fields;
        if (match(0, 0, fields)) {
            return result_;
        }
        return std::nullopt;
    }

private:
    bool finish(std::size_t pos, const ReadFields& f) {
        while (pos < text_.size() && text_[pos] == ' ') {
            ++pos;
        }
        if (pos != text_.size()) {
            return false;
        }
        result_ = serialOf(f);
        return result_.has_value();
    }

    // Reads exactly `count` digits at pos.
    std::optional<int> digitsAt(std::size_t pos, std::size_t count) const {
        if (pos + count > text_.size()) {
            return std::nullopt;
        }
        int value = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const char c = text_[pos + k];
            if (!isDigit(c)) {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        if (pos + count < text_.size() && isDigit(text_[pos + count])) {
            return std::nullopt; // a longer number than the field takes
        }
        return value;
    }

    // The literal, blanks in it matching one or more blanks of the text.
    std::optional<std::size_t> literalAt(std::size_t pos, std::string_view literal) const {
        std::size_t i = 0;
        while (i < literal.size()) {
            if (literal[i] == ' ') {
                while (i < literal.size() && literal[i] == ' ') {
                    ++i;
                }
                if (pos >= text_.size() || text_[pos] != ' ') {
                    return std::nullopt;
                }
                while (pos < text_.size() && text_[pos] == ' ') {
                    ++pos;
                }
                continue;
            }
            if (pos >= text_.size() || lowerAscii(text_[pos]) != lowerAscii(literal[i])) {
                return std::nullopt;
            }
            ++pos;
            ++i;
        }
        return pos;
    }

    bool match(std::size_t index, std::size_t pos, ReadFields f) {
        if (index == pattern_.size()) {
            return finish(pos, f);
        }
        const PatternElement& e = pattern_[index];
        const auto numeric = [&](std::initializer_list<std::size_t> widths, int ReadFields::*slot) {
            for (const std::size_t w : widths) {
                if (const auto v = digitsAt(pos, w)) {
                    ReadFields g = f;
                    g.*slot = *v;
                    if (slot == &ReadFields::year) {
                        g.yearDigits = static_cast<int>(w);
                    }
                    if (e.field == PatternField::Hour) {
                        g.twelveHour = twelveHour_;
                    }
                    if (match(index + 1, pos + w, g)) {
                        return true;
                    }
                }
            }
            return false;
        };
        const auto oneOrTwo = [&](int ReadFields::*slot) {
            return e.width == 1 ? numeric({2, 1}, slot) : numeric({2}, slot);
        };
        switch (e.field) {
        case PatternField::Literal: {
            const auto next = literalAt(pos, e.literal);
            return next && match(index + 1, *next, f);
        }
        case PatternField::Day:
            return oneOrTwo(&ReadFields::day);
        case PatternField::Month:
            return oneOrTwo(&ReadFields::month);
        case PatternField::Hour:
            return oneOrTwo(&ReadFields::hour);
        case PatternField::Minute:
            return oneOrTwo(&ReadFields::minute);
        case PatternField::Second:
            return oneOrTwo(&ReadFields::second);
        case PatternField::Year:
            return e.width == 4 ? numeric({4}, &ReadFields::year)
                                : numeric({4, 2}, &ReadFields::year);
        case PatternField::MonthName:
            for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
                for (const std::string_view name : {kMonthNames[m], kMonthNames[m].substr(0, 3)}) {
                    if (matchesAt(text_, pos, name)) {
                        ReadFields g = f;
                        g.month = static_cast<int>(m) + 1;
                        if (match(index + 1, pos + name.size(), g)) {
                            return true;
                        }
                    }
                }
            }
            return false;
        case PatternField::DayName:
            for (const std::string_view day : kDayNames) {
                for (const std::string_view name : {day, day.substr(0, 3)}) {
                    if (matchesAt(text_, pos, name) && match(index + 1, pos + name.size(), f)) {
                        return true;
                    }
                }
            }
            return false;
        case PatternField::Marker:
            for (const MarkerText& m : markers_) {
                if (matchesAt(text_, pos, m.text)) {
                    ReadFields g = f;
                    g.half = m.half;
                    if (match(index + 1, pos + m.text.size(), g)) {
                        return true;
                    }
                }
            }
            return false;
        }
        return false;
    }

    std::string_view text_;
    const Pattern& pattern_;
    const std::vector<MarkerText>& markers_;
    bool twelveHour_ = detail::hasMarker(pattern_);
    std::optional<SerialDate> result_;
};

// Blanks of a pattern's literals normalized, so that they compare with the
// normalized text.
Pattern normalizedPattern(std::string_view pattern) {
    Pattern p = detail::parsePattern(pattern);
    for (PatternElement& e : p) {
        if (e.field == PatternField::Literal) {
            e.literal = normalizeBlanks(e.literal);
        }
    }
    return p;
}

std::optional<SerialDate> readExact(std::string_view text, const Pattern& date, const Pattern& time,
                                    const std::vector<MarkerText>& markers) {
    Pattern both = date;
    both.push_back({PatternField::Literal, 0, false, false, " "});
    both.insert(both.end(), time.begin(), time.end());
    for (const Pattern* p : {static_cast<const Pattern*>(&both), &date, &time}) {
        if (p->empty()) {
            continue;
        }
        if (const auto v = ExactReader(text, *p, markers).read()) {
            return v;
        }
    }
    return std::nullopt;
}

// ---------------------------------------------------------- stage 2: general

// Word and separator knowledge taken from the form's patterns.
struct FormClues {
    std::set<std::string> words; // literal words of the patterns, lower case
    // Between date numbers: one of these characters, or a literal that
    // stands between two date fields of the pattern (blanks aside).
    std::string dateLinkChars = "/-.,#";
    std::set<std::string> dateLinks;
    // Before the first number, after the last and between date and time:
    // the pattern's own literals there, a word the form knows, a comma.
    std::string leadingChars = ",#";
    std::string trailingChars = "#";
    std::string dateTimeChars = ",#";
    std::set<std::string> timeLinks = {":"};
    std::string order; // "Mdy" and the like
};

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

FormClues cluesOf(const Pattern& date, const Pattern& time,
                  const std::vector<MarkerText>& markers) {
    FormClues c;
    c.order = detail::fieldOrder(date);
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

} // namespace

Conv<SerialDate> dateFromText(std::string_view text, const RegionalForm& form) {
    const std::string normalized = normalizeBlanks(text);
    const std::string_view trimmed = trimBlanks(normalized);
    if (trimmed.empty()) {
        return std::unexpected(ConvError::TypeMismatch);
    }
    const Pattern date = normalizedPattern(form.shortDatePattern);
    const Pattern time = normalizedPattern(form.longTimePattern);
    const std::vector<MarkerText> markers = markerTexts(form);
    if (const auto v = readExact(trimmed, date, time, markers)) {
        return *v;
    }
    if (const auto v = readGeneral(trimmed, cluesOf(date, time, markers), markers)) {
        return *v;
    }
    return std::unexpected(ConvError::TypeMismatch);
}

std::string dateToText(SerialDate date, const RegionalForm& form) {
    CivilTime t = civilFromSerial(date);
    if (date < kSerialDateEnd && t.year > 9999) {
        // The last half second of the range would round into the year 10000,
        // which reads back as no date: it shows 31 December 9999, 23:59:59.
        t = {9999, 12, 31, 23, 59, 59};
    }
    const bool dayZero = t.year == 1899 && t.month == 12 && t.day == 30;
    const bool midnight = t.hour == 0 && t.minute == 0 && t.second == 0;
    const Markers markers = effectiveMarkers(form);
    std::string out;
    if (!dayZero) {
        out = render(detail::parsePattern(form.shortDatePattern), t, markers);
    }
    if (!midnight || dayZero) {
        const std::string time = render(detail::parsePattern(form.longTimePattern), t, markers);
        if (!out.empty() && !time.empty()) {
            out += ' ';
        }
        out += time;
    }
    return out;
}

} // namespace zentadial
