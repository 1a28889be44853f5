#include "cli/journal_words.h"

#include "cli/argument_bytes.h"
#include "platform/journal_location.h"

#include <cstdio>

namespace zentadial {

std::string journalRoot() {
    return journalFolder().toStdString();
}

std::string journalTimeWords(const std::string& time) {
    constexpr std::size_t kDateLength = 10;
    if (time.size() != kDateLength + 10 || time[kDateLength] != 'T' || time.back() != 'Z') {
        return time;
    }
    return time.substr(0, kDateLength) + " " + time.substr(kDateLength + 1, 8) + " UTC";
}

std::string byteCount(std::uint64_t bytes) {
    constexpr std::uint64_t kKiB = 1024;
    if (bytes < kKiB) {
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    }
    const bool mebibytes = bytes >= kKiB * kKiB;
    const std::uint64_t unit = mebibytes ? kKiB * kKiB : kKiB;
    if (bytes % unit == 0) {
        return std::to_string(bytes / unit) + (mebibytes ? " MiB" : " KiB");
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s",
                  static_cast<double>(bytes) / static_cast<double>(unit),
                  mebibytes ? "MiB" : "KiB");
    return text;
}

std::string notKeptNote(const JournalOutcome& outcome) {
    switch (outcome.state) {
    case JournalState::Kept:
    case JournalState::NothingReplaced:
        return {};
    case JournalState::TooLarge:
        return "this pass is larger than the undo journal keeps (" + byteCount(kJournalMaxBytes) +
               "), so it cannot be undone.";
    case JournalState::CannotWrite:
        return "the undo journal in \"" + printableBytes(journalRoot()) +
               "\" could not be written" +
               (outcome.reason.empty() ? "" : " (" + outcome.reason + ")") +
               ", so this pass cannot be undone.";
    }
    return {};
}

std::string journalHelp() {
    return "The undo journal is kept in\n  " + printableBytes(journalRoot()) +
           "\n(or in the folder " + kJournalFolderVariable + " names). It keeps the last " +
           std::to_string(kJournalMaxPasses) + " passes or " + byteCount(kJournalMaxBytes) +
           ",\nwhichever is less.\n";
}

std::optional<int> startJournalCommand(QCommandLineParser& parser, const QStringList& arguments,
                                       CliStreams& io, std::string_view command,
                                       std::string_view usage, std::string_view more) {
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")});
    const std::string help = std::string(more) + "\n" + journalHelp();
    if (const auto done = startCommand(parser, arguments, io, command, usage, help)) {
        return done;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return reportUsage(io,
                           usageError(QStringLiteral("unexpected argument '%1'.")
                                          .arg(parser.positionalArguments().first())),
                           command);
    }
    return std::nullopt;
}

} // namespace zentadial
