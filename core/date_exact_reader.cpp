#include "core/date_exact_reader.h"

#include "core/date_chars.h"
#include "core/date_fields.h"

namespace zentadial::detail {
namespace {

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
    bool twelveHour_ = hasMarker(pattern_);
    std::optional<SerialDate> result_;
};

} // namespace

Pattern normalizedPattern(std::string_view pattern) {
    Pattern p = parsePattern(pattern);
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

} // namespace zentadial::detail
