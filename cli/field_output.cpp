#include "cli/field_output.h"

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/utf8_sequence.h"

#include <array>
#include <cstdio>

namespace zentadial {
namespace {

constexpr int kLastYear = 9999;

std::string dateText(const std::optional<SerialDate>& date, const RegionalForm& form) {
    return date ? dateToText(*date, form) : std::string();
}

std::string numberText(const std::optional<double>& x) {
    return x ? plainNumberText(*x) : std::string();
}

// A locale's date text may hold a tab; the columns must stay four.
void appendColumn(std::string& out, std::string_view text) {
    for (const char c : text) {
        out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
}

} // namespace

std::string plainNumberText(double x) {
    std::string digits = spacedNumberText(x);
    return digits.starts_with(' ') ? digits.substr(1) : digits;
}

std::string jsonNumber(std::optional<double> x) {
    return x ? plainNumberText(*x) : std::string("null");
}

std::string isoUtcText(SerialDate date) {
    CivilTime t = civilFromSerial(date);
    if (date < kSerialDateEnd && t.year > kLastYear) {
        // The last half second of the range, as the date field shows it.
        t = {kLastYear, 12, 31, 23, 59, 59};
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month,
                  t.day, t.hour, t.minute, t.second);
    return text.data();
}

std::string jsonString(std::string_view text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out = "\"";
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8Length(text);
        if (length == 0) {
            out += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out += '"';
    return out;
}

std::string fieldLines(const EntryResult& entry, const RegionalForm& form) {
    const std::array<std::pair<std::string_view, std::string>, 4> rows = {{
        {"date", dateText(entry.date, form)},
        {"mjd", numberText(entry.mjd)},
        {"epoch", numberText(entry.epoch)},
        {"jd", numberText(entry.julian)},
    }};
    std::string out;
    for (const auto& [name, text] : rows) {
        out.append(name).append("\t");
        appendColumn(out, text);
        out += '\n';
    }
    return out;
}

std::string fieldRow(const EntryResult& entry, const RegionalForm& form) {
    std::string out;
    appendColumn(out, dateText(entry.date, form));
    out.append("\t")
        .append(numberText(entry.mjd))
        .append("\t")
        .append(numberText(entry.epoch))
        .append("\t")
        .append(numberText(entry.julian))
        .append("\n");
    return out;
}

std::string fieldJson(const EntryResult& entry, const RegionalForm& form) {
    std::string out = "{\"date\":" + (entry.date ? jsonString(dateToText(*entry.date, form))
                                                 : std::string("null"));
    out += ",\"utc\":" + (entry.date ? "\"" + isoUtcText(*entry.date) + "\"" : std::string("null"));
    out += ",\"mjd\":" + jsonNumber(entry.mjd) + ",\"epoch\":" + jsonNumber(entry.epoch) +
           ",\"jd\":" + jsonNumber(entry.julian) + ",\"scale\":" + jsonString(keyOf(entry.scale));
    if (!entry.problem.empty()) {
        out += ",\"error\":" + jsonString(entry.problem);
    }
    return out + "}\n";
}

} // namespace zentadial
