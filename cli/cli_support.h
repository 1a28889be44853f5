#pragma once

#include "cli/fd_io.h"
#include "core/regional_form.h"
#include "timescale/time_scale.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <expected>
#include <optional>
#include <string>

namespace zentadial {

// Exit statuses: scripts tell a failed entry or file from a wrong call.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;

struct CliStreams {
    FdLineReader& in;
    FdWriter& out;
    FdWriter& err;
};

// A wrong call, in words that name the argument at fault.
struct UsageError {
    std::string message;
};

template <class T> using Usage = std::expected<T, UsageError>;

[[nodiscard]] UsageError usageError(const QString& message);

// Writes "zentadial-cli: <message>" and the way to the help.
[[nodiscard]] int reportUsage(CliStreams& io, const UsageError& error, std::string_view command);

// parse() with the errors as UsageError; an option given twice is refused
// rather than letting the last one win unseen.
[[nodiscard]] Usage<void> parseArguments(QCommandLineParser& parser, const QStringList& arguments);

// The option's value when it was given.
[[nodiscard]] std::optional<std::string> optionText(const QCommandLineParser& parser,
                                                    const QString& name);

// The forms of the named locale ("en_US", "de", "C"), or of the system's
// when none is named, as the window reads them. A name Qt does not know is
// refused: Qt would quietly fall back to the C locale.
[[nodiscard]] Usage<RegionalForm> regionalFormFor(const std::optional<std::string>& localeName);

// The options convert and rewrite share: --date, --mjd, --now, --zone,
// --locale and --help, with `more` (each command's own) after --zone.
void addDateOptions(QCommandLineParser& parser, const QString& description,
                    const QList<QCommandLineOption>& more);

// The start every command makes: parse, and answer --help. An exit status
// when the command is done already (a wrong call, or the help shown).
[[nodiscard]] std::optional<int> startCommand(QCommandLineParser& parser,
                                              const QStringList& arguments, CliStreams& io,
                                              std::string_view command, std::string_view usage,
                                              std::string_view more);

// --scale, UTC when it is not given.
[[nodiscard]] Usage<TimeScale> scaleOption(const QCommandLineParser& parser);

// What the user must know about the figures in the scale, as one line on
// standard error; nothing when there is nothing to say.
void reportNotes(CliStreams& io, const ScaleNotes& notes);

// The usage line, the description and the options of the parser, for --help.
[[nodiscard]] std::string helpText(const QCommandLineParser& parser, std::string_view usage,
                                   std::string_view more = {});

} // namespace zentadial
