#include "core/settings_file.h"

namespace zentadial {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr std::string_view kLineEnd = "\r\n";

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads items one after the other from the settings bytes.
class ItemReader {
public:
    explicit ItemReader(std::string_view bytes) : rest_(bytes) {}

    std::string next() {
        while (!rest_.empty() && rest_.front() == ' ') {
            rest_.remove_prefix(1);
        }
        if (!rest_.empty() && rest_.front() == kQuote) {
            rest_.remove_prefix(1);
            std::string item = quoted();
            skipPastSeparator();
            return item;
        }
        std::size_t end = 0;
        while (end < rest_.size() && rest_[end] != kComma && !isLineEnd(rest_[end])) {
            ++end;
        }
        std::string item(rest_.substr(0, end));
        rest_.remove_prefix(end);
        consumeSeparator();
        return item;
    }

private:
    std::string quoted() {
        std::string item;
        while (!rest_.empty()) {
            const char c = rest_.front();
            rest_.remove_prefix(1);
            if (c != kQuote) {
                item += c;
            } else if (!rest_.empty() && rest_.front() == kQuote) {
                item += kQuote;
                rest_.remove_prefix(1);
            } else {
                break;
            }
        }
        return item;
    }

    void skipPastSeparator() {
        while (!rest_.empty() && rest_.front() != kComma && !isLineEnd(rest_.front())) {
            rest_.remove_prefix(1);
        }
        consumeSeparator();
    }

    // A comma, or one line end: CR LF, CR or LF.
    void consumeSeparator() {
        if (rest_.empty()) {
            return;
        }
        const char c = rest_.front();
        rest_.remove_prefix(1);
        if (c == '\r' && !rest_.empty() && rest_.front() == '\n') {
            rest_.remove_prefix(1);
        }
    }

    std::string_view rest_;
};

bool needsQuotes(std::string_view folder) {
    return folder.find_first_of(",\r\n") != std::string_view::npos || folder.starts_with(' ') ||
           folder.starts_with(kQuote);
}

// A zone is only ever read back as one item, so only what would end or open
// an item needs quotes. A leading blank does not: the list's own entries
// (" 5") are written as they are and lose just the blank, not the offset.
bool zoneNeedsQuotes(std::string_view zone) {
    const std::size_t first = zone.find_first_not_of(' ');
    return zone.find_first_of(",\r\n") != std::string_view::npos ||
           (first != std::string_view::npos && zone[first] == kQuote);
}

std::string quote(std::string_view text) {
    std::string out(1, kQuote);
    for (const char c : text) {
        out += c;
        if (c == kQuote) {
            out += kQuote;
        }
    }
    out += kQuote;
    return out;
}

} // namespace

StoredSettings readSettings(std::string_view bytes) {
    ItemReader reader(bytes);
    StoredSettings settings;
    settings.folder = reader.next();
    settings.timeZone = reader.next();
    settings.timeScale = reader.next();
    return settings;
}

std::string writeSettings(const StoredSettings& settings) {
    std::string out = needsQuotes(settings.folder) ? quote(settings.folder) : settings.folder;
    out += kLineEnd;
    out += zoneNeedsQuotes(settings.timeZone) ? quote(settings.timeZone) : settings.timeZone;
    out += kLineEnd;
    if (!settings.timeScale.empty()) {
        out += needsQuotes(settings.timeScale) ? quote(settings.timeScale) : settings.timeScale;
        out += kLineEnd;
    }
    return out;
}

} // namespace zentadial
