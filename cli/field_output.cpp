#include "cli/field_output.h"

#include <array>

namespace zentadial {
namespace {

void appendColumn(std::string& out, std::string_view text) {
    for (const char c : text) {
        out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
}

// The length of the UTF-8 sequence at the start of the text, or 0 when it is
// not one (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
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
    const std::array<std::pair<std::string_view, const std::string*>, 4> rows = {{
        {"date", &fields.date},
        {"mjd", &fields.mjd},
        {"epoch", &fields.epoch},
        {"jd", &fields.jd},
    }};
    for (const auto& [name, text] : rows) {
        out.append(name).append("\t");
        appendColumn(out, *text);
        out += '\n';
    }
    return out;
}

std::string fieldRow(const FieldTexts& fields) {
    std::string out;
    out.reserve(fields.date.size() + fields.mjd.size() + fields.epoch.size() + fields.jd.size() +
                4);
    appendColumn(out, fields.date);
    out += '\t';
    appendColumn(out, fields.mjd);
    out += '\t';
    appendColumn(out, fields.epoch);
    out += '\t';
    appendColumn(out, fields.jd);
    out += '\n';
    return out;
}

std::string fieldJson(const FieldTexts& fields) {
    return "{\"date\":" + jsonString(fields.date) + ",\"mjd\":" + jsonString(fields.mjd) +
           ",\"epoch\":" + jsonString(fields.epoch) + ",\"jd\":" + jsonString(fields.jd) + "}\n";
}

} // namespace zentadial
