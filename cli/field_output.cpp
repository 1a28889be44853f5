#include "cli/field_output.h"

#include "cli/utf8.h"
#include "core/number_text.h"

#include <array>

namespace zentadial {
namespace {

void appendColumn(std::string& out, std::string_view text) {
    for (const char c : text) {
        out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
}

} // namespace

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

std::string fieldLines(const FieldTexts& fields) {
    std::string out;
    const std::array<std::pair<std::string_view, Field>, 4> rows = {{
        {"date", Field::Date},
        {"mjd", Field::Mjd},
        {"epoch", Field::Epoch},
        {"jd", Field::Julian},
    }};
    for (const auto& [name, field] : rows) {
        out.append(name).append("\t");
        appendColumn(out, fields[field]);
        out += '\n';
    }
    return out;
}

std::string fieldRow(const FieldTexts& fields) {
    std::string out;
    for (const Field field : {Field::Date, Field::Mjd, Field::Epoch, Field::Julian}) {
        appendColumn(out, fields[field]);
        out += field == Field::Julian ? '\n' : '\t';
    }
    return out;
}

std::string fieldJson(const EntryResult& entry, const RegionalForm& form) {
    const FieldTexts& fields = entry.fields;
    const auto number = [&](const std::string& text) -> std::string {
        const Conv<double> value = valueOfFieldText(text, form);
        if (text.empty() || !value) {
            return "null";
        }
        std::string digits = spacedNumberText(*value);
        return digits.front() == ' ' ? digits.substr(1) : digits;
    };
    const std::string& date = fields[Field::Date];
    std::string out = "{\"date\":" + (date.empty() ? "null" : jsonString(date)) +
                      ",\"mjd\":" + number(fields[Field::Mjd]) +
                      ",\"epoch\":" + number(fields[Field::Epoch]) +
                      ",\"jd\":" + number(fields[Field::Julian]) + ",\"scale\":\"" +
                      std::string(keyOf(entry.scale)) + "\"";
    if (!entry.problem.empty()) {
        out += ",\"error\":" + jsonString(entry.problem);
    }
    return out + "}\n";
}

} // namespace zentadial
