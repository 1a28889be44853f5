#pragma once

#include "cli/cli_support.h"
#include "scenario/journal_pass.h"

#include <QCommandLineParser>
#include <cstdint>
#include <optional>
#include <string>

namespace zentadial {

// The undo journal's folder, as the library takes it (UTF-8).
[[nodiscard]] std::string journalRoot();

// "2026-12-09 18:04:05 UTC" for the journal's 2026-12-09T18:04:05Z.
[[nodiscard]] std::string journalTimeWords(const std::string& time);

// "1.4 MiB", "812 bytes".
[[nodiscard]] std::string byteCount(std::uint64_t bytes);

// Why a pass that ran cannot be undone; empty when it can, or when it
// replaced nothing.
[[nodiscard]] std::string notKeptNote(const JournalOutcome& outcome);

// Where the journal is and what it keeps, for the help of undo and history.
[[nodiscard]] std::string journalHelp();

// The start undo and history share: --help (with the journal's own help
// after `more`) as the last option, then parse; PATHs are refused. An exit
// status when the command is done already.
[[nodiscard]] std::optional<int> startJournalCommand(QCommandLineParser& parser,
                                                     const QStringList& arguments, CliStreams& io,
                                                     std::string_view command,
                                                     std::string_view usage, std::string_view more);

} // namespace zentadial
