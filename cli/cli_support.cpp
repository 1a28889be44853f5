#include "cli/cli_support.h"

#include "cli/argument_bytes.h"
#include "cli/scenario_words.h"
#include "platform/locale_form.h"

#include <QLocale>

namespace zentadial {
namespace {

// "utc, tdb or sim-now (UTC + 66.184 s)": a fixed offset is worth saying.
QString scaleChoices() {
    QStringList choices;
    for (const ScaleInfo& info : timeScales()) {
        QString choice =
            QString::fromUtf8(info.key.data(), static_cast<qsizetype>(info.key.size()));
        if (info.secondsAfterName != 0) {
            choice += QStringLiteral(" (%1)").arg(QString::fromStdString(scaleName(info.scale)));
        }
        choices << choice;
    }
    const QString last = choices.takeLast();
    return choices.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace

UsageError usageError(const QString& message) {
    return {message.toStdString()};
}

int reportUsage(CliStreams& io, const UsageError& error, std::string_view command) {
    std::string help = "zentadial-cli";
    if (!command.empty()) {
        help.append(" ").append(command);
    }
    // The message quotes what was given, which may hold control characters.
    io.err.write("zentadial-cli: " + printableBytes(error.message) + "\nTry '" + help +
                 " --help'.\n");
    return kExitUsage;
}

Usage<void> parseArguments(QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.parse(arguments)) {
        return std::unexpected(usageError(parser.errorText()));
    }
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1) {
            return std::unexpected(
                usageError(QStringLiteral("option '%1' is given more than once.").arg(name)));
        }
    }
    return {};
}

std::optional<std::string> optionText(const QCommandLineParser& parser, const QString& name) {
    if (!parser.isSet(name)) {
        return std::nullopt;
    }
    return parser.value(name).toStdString();
}

Usage<RegionalForm> regionalFormFor(const std::optional<std::string>& localeName) {
    if (!localeName) {
        return regionalFormFrom(QLocale::system());
    }
    const QString name = QString::fromStdString(*localeName);
    const QLocale locale(name);
    const bool asksForC = name == QLatin1String("C") || name.startsWith(QLatin1String("C.")) ||
                          name == QLatin1String("POSIX");
    if (locale.language() == QLocale::C && !asksForC) {
        return std::unexpected(
            usageError(QStringLiteral("option '--locale': unknown locale '%1'.").arg(name)));
    }
    return regionalFormFrom(locale);
}

void addDateOptions(QCommandLineParser& parser, const QString& description,
                    const QList<QCommandLineOption>& more) {
    parser.setApplicationDescription(description);
    parser.addOptions({
        {QStringLiteral("date"), QStringLiteral("The date and time in GMT, in the locale's forms."),
         QStringLiteral("TEXT")},
        {QStringLiteral("mjd"), QStringLiteral("The Modified Julian Date."), QStringLiteral("N")},
    });
    parser.addOptions(more);
    parser.addOptions({
        {QStringLiteral("now"), QStringLiteral("The present time from the computer's clock.")},
        {QStringLiteral("zone"),
         QStringLiteral("With --now: the local clock's offset from GMT, east positive, in "
                        "hours (-8, 5.5) or as +H:MM (default: the system's zone)."),
         QStringLiteral("Z")},
        {QStringLiteral("scale"),
         QStringLiteral("The time scale of the MJD, JD and Epoch: %1, tdb being the "
                        "simulator's clock; the date is always UTC (default: utc).")
             .arg(scaleChoices()),
         QStringLiteral("S")},
        {QStringLiteral("locale"),
         QStringLiteral("The forms of the dates read and printed, e.g. en_US, de_DE or C "
                        "(default: the system's)."),
         QStringLiteral("NAME")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")},
    });
}

std::optional<int> startCommand(QCommandLineParser& parser, const QStringList& arguments,
                                CliStreams& io, std::string_view command, std::string_view usage,
                                std::string_view more) {
    if (auto parsed = parseArguments(parser, arguments); !parsed) {
        return reportUsage(io, parsed.error(), command);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        io.out.write(helpText(parser, usage, more));
        return kExitSuccess;
    }
    return std::nullopt;
}

Usage<TimeScale> scaleOption(const QCommandLineParser& parser) {
    const auto key = optionText(parser, QStringLiteral("scale"));
    if (!key) {
        return TimeScale::Utc;
    }
    if (const auto scale = scaleWithKey(*key)) {
        return *scale;
    }
    return std::unexpected(
        usageError(QStringLiteral("option '--scale': '%1' is no time scale; give %2.")
                       .arg(QString::fromStdString(*key), QString::fromStdString(scaleKeyList()))));
}

void reportNotes(CliStreams& io, const ScaleNotes& notes) {
    const std::string text = scaleNotesText(notes);
    if (!text.empty()) {
        io.err.write("zentadial-cli: note: " + text + "\n");
    }
}

std::string helpText(const QCommandLineParser& parser, std::string_view usage,
                     std::string_view more) {
    // Qt's first line names the executable as it was started; ours names the
    // subcommand too.
    const QString generated = parser.helpText();
    const qsizetype firstLineEnd = generated.indexOf(QLatin1Char('\n'));
    std::string text = "Usage: " + std::string(usage) + "\n";
    text += generated.mid(firstLineEnd + 1).toStdString();
    if (!more.empty()) {
        text.append("\n").append(more);
    }
    return text;
}

} // namespace zentadial
