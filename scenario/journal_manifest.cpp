#include "scenario/journal_manifest.h"

#include <charconv>

namespace zentadial {
namespace {

constexpr std::string_view kMagic = "zentadial-journal 1";
constexpr std::string_view kFilePrefix = "file state=";
constexpr std::string_view kPending = "pending ";
constexpr std::string_view kReplaced = "replaced";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::size_t kSha256HexLength = 64;

std::string_view kindWord(PassKind kind) {
    return kind == PassKind::Undo ? "undo" : "rewrite";
}

std::string_view notKeptWord(NotKept why) {
    return why == NotKept::TooLarge ? "too-large" : "cannot-write";
}

std::string escaped(std::string_view path) {
    std::string text;
    text.reserve(path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%') {
            text += '%';
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0xfu];
        } else {
            text += c;
        }
    }
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string path;
    path.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
}

std::optional<std::uint64_t> number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string versionText(const FileVersion& version) {
    return std::to_string(version.size) + ":" + version.sha256;
}

std::optional<FileVersion> version(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto size = number(text.substr(0, colon));
    const std::string_view hash = text.substr(colon + 1);
    if (!size || hash.size() != kSha256HexLength ||
        hash.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return std::nullopt;
    }
    return FileVersion{*size, std::string(hash)};
}

// Takes "key=value " off the front of the text.
std::optional<std::string_view> field(std::string_view& text, std::string_view key) {
    if (!text.starts_with(key) || text.size() <= key.size() || text[key.size()] != '=') {
        return std::nullopt;
    }
    text.remove_prefix(key.size() + 1);
    const auto end = text.find(' ');
    const std::string_view value = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    while (text.starts_with(' ')) {
        text.remove_prefix(1);
    }
    return value;
}

std::optional<JournalEntry> fileLine(std::string_view line) {
    line.remove_prefix(std::string_view("file ").size());
    JournalEntry entry;
    const auto state = field(line, "state");
    if (!state || (*state != "pending" && *state != kReplaced)) {
        return std::nullopt;
    }
    entry.replaced = *state == kReplaced;
    const auto before = field(line, "before");
    const auto after = field(line, "after");
    const auto at = field(line, "at");
    if (!before || !after || !at || !line.starts_with("path=")) {
        return std::nullopt;
    }
    const auto beforeVersion = version(*before);
    const auto afterVersion = version(*after);
    const auto offset = number(*at);
    auto path = unescaped(line.substr(std::string_view("path=").size()));
    if (!beforeVersion || !afterVersion || !offset || !path || path->empty()) {
        return std::nullopt;
    }
    entry.before = *beforeVersion;
    entry.after = *afterVersion;
    entry.offset = *offset;
    entry.path = std::move(*path);
    return entry;
}

// One line of the manifest into it; false for a line that does not read.
bool readLine(std::string_view line, PassManifest& manifest) {
    if (line.starts_with(kFilePrefix)) {
        auto entry = fileLine(line);
        if (entry) {
            manifest.files.push_back(std::move(*entry));
        }
        return entry.has_value();
    }
    if (line == kManifestEndLine.substr(0, kManifestEndLine.size() - 1)) {
        manifest.finished = true;
        return true;
    }
    const auto space = line.find(' ');
    if (space == std::string_view::npos) {
        return false;
    }
    const std::string_view key = line.substr(0, space);
    const std::string_view value = line.substr(space + 1);
    if (key == "pass" || key == "undoes") {
        const auto n = number(value);
        if (n) {
            (key == "pass" ? manifest.pass : manifest.undoes.emplace()) = *n;
        }
        return n.has_value();
    }
    if (key == "shift") {
        double days = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), days);
        if (error != std::errc{} || end != value.data() + value.size() || value.empty()) {
            return false;
        }
        manifest.shiftDays = days;
        return true;
    }
    if (key == "time") {
        manifest.time = std::string(value);
        return true;
    }
    if (key == "kind" &&
        (value == kindWord(PassKind::Rewrite) || value == kindWord(PassKind::Undo))) {
        manifest.kind = value == kindWord(PassKind::Undo) ? PassKind::Undo : PassKind::Rewrite;
        return true;
    }
    if (key == "not-kept" &&
        (value == notKeptWord(NotKept::TooLarge) || value == notKeptWord(NotKept::CannotWrite))) {
        manifest.notKept =
            value == notKeptWord(NotKept::TooLarge) ? NotKept::TooLarge : NotKept::CannotWrite;
        return true;
    }
    return false;
}

} // namespace

std::string manifestHeader(const PassManifest& manifest) {
    std::string text = std::string(kMagic) + "\npass " + std::to_string(manifest.pass) + "\ntime " +
                       manifest.time + "\nkind " + std::string(kindWord(manifest.kind)) + "\n";
    if (manifest.undoes) {
        text += "undoes " + std::to_string(*manifest.undoes) + "\n";
    }
    if (manifest.shiftDays) {
        // The shortest digits that read back as the same double, in no
        // locale: a later shift is compared with it exactly.
        char days[40];
        const auto written = std::to_chars(days, days + sizeof days, *manifest.shiftDays);
        text += "shift " + std::string(days, written.ptr) + "\n";
    }
    return text;
}

std::string manifestFileLine(const JournalEntry& entry) {
    return std::string(kFilePrefix) + std::string(stateWord(entry.replaced)) +
           " before=" + versionText(entry.before) + " after=" + versionText(entry.after) +
           " at=" + std::to_string(entry.offset) + " path=" + escaped(entry.path) + "\n";
}

std::size_t stateOffsetInLine() {
    return kFilePrefix.size();
}

std::string_view stateWord(bool replaced) {
    return replaced ? kReplaced : kPending;
}

std::string manifestNotKeptLine(NotKept why) {
    return "not-kept " + std::string(notKeptWord(why)) + "\n";
}

std::expected<PassManifest, ManifestError> readManifest(std::string_view text) {
    if (!text.starts_with(kMagic) || !text.substr(kMagic.size()).starts_with('\n')) {
        return std::unexpected(ManifestError::NotAManifest);
    }
    text.remove_prefix(kMagic.size() + 1);
    PassManifest manifest;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            break; // cut short while being written
        }
        if (!readLine(text.substr(0, end), manifest)) {
            return std::unexpected(ManifestError::DamagedLine);
        }
        text.remove_prefix(end + 1);
    }
    return manifest;
}

} // namespace zentadial
