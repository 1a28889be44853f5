#include "cli/convert_command.h"

#include "cli/batch_convert.h"
#include "cli/date_choice.h"
#include "cli/entry_fields.h"
#include "cli/field_output.h"
#include "core/number_text.h"

#include <array>
#include <vector>

namespace zentadial {
namespace {

constexpr std::string_view kUsage =
    "zentadial-cli convert (--date TEXT | --mjd N | --jd N | --epoch N | --now [--zone Z])\n"
    "                             [--scale S] [--locale NAME] [--json]\n"
    "       zentadial-cli convert --batch [--scale S] [--locale NAME] [--json] < ENTRIES";

constexpr std::string_view kMore =
    "Prints the instant on the four scales as the converter window shows it after the\n"
    "entry is typed into its field: date, mjd, epoch and jd, one a line, a tab before\n"
    "each value. The date is in the forms of --locale; the numbers always have '.' as\n"
    "the decimal point and no group separators, whatever the locale.\n"
    "\n"
    "With --batch, each input line is an entry: a keyword (date, mjd, epoch or jd, in\n"
    "any case), one blank, and the text, e.g. \"mjd 51544.5\", \"date 1/1/2004 6:00:00 PM\"\n"
    "or \"date 1969-07-20T20:17:40Z\". Blank lines and lines starting with '#' are\n"
    "skipped; a line over 64 KiB fails as one entry. Each entry gives one output line:\n"
    "date, mjd, epoch and jd separated by tabs, a value that failed as an empty column.\n"
    "\n"
    "Numbers given (--mjd, --jd, --epoch, --zone and batch entries) take '.' as the\n"
    "decimal point and no group separators in every locale. With --json, one object (a\n"
    "line each with --batch) holds the date in the locale's form, \"utc\" the same\n"
    "instant in ISO 8601 (\"2004-01-01T18:00:00Z\"), the numbers as JSON numbers, the\n"
    "scale, null for each value that failed, and an \"error\" when the entry failed.\n"
    "--now without --zone is the true UTC time. With --scale tdb or sim-now the MJD, JD\n"
    "and Epoch are in that scale and the date stays UTC; a note on standard error says\n"
    "when a figure is approximate.\n"
    "\n"
    "Exit status: 0 when every entry converted; 1 when one did not (a date that cannot\n"
    "be read, an instant outside 1 January 100 to 31 December 9999, a batch line that\n"
    "is no entry): the values it has not got are empty, and standard error names it\n"
    "once; 2 for a wrong call, such as an unknown option or an --mjd, --jd or --epoch\n"
    "that is not a number.\n";

struct EntryOption {
    const char* name;
    Field field;
};

constexpr std::array<EntryOption, 4> kEntryOptions = {{
    {"date", Field::Date},
    {"mjd", Field::Mjd},
    {"jd", Field::Julian},
    {"epoch", Field::Epoch},
}};

void addOptions(QCommandLineParser& parser) {
    addDateOptions(
        parser, QStringLiteral("Convert an instant between the date in GMT, MJD, Epoch and JD."),
        {
            {QStringLiteral("jd"), QStringLiteral("The Julian Date."), QStringLiteral("N")},
            {QStringLiteral("epoch"), QStringLiteral("The Julian epoch year."),
             QStringLiteral("N")},
            {QStringLiteral("batch"),
             QStringLiteral("Read entries from standard input, one a line.")},
            {QStringLiteral("json"), QStringLiteral("Print JSON instead of tab-separated text.")},
        });
}

// What was asked for: one entry, typed into its field, or a batch.
struct ConvertRequest {
    bool batch = false;
    Field field = Field::Date;
    std::string text;
    RegionalForm form;
};

Usage<ConvertRequest> requestFrom(const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        return std::unexpected(usageError(
            QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first())));
    }
    std::vector<QString> given;
    for (const auto& option : kEntryOptions) {
        if (parser.isSet(QLatin1String(option.name))) {
            given.push_back(QLatin1String("--") + QLatin1String(option.name));
        }
    }
    for (const char* name : {"now", "batch"}) {
        if (parser.isSet(QLatin1String(name))) {
            given.push_back(QLatin1String("--") + QLatin1String(name));
        }
    }
    if (given.empty()) {
        return std::unexpected(usageError(
            QStringLiteral("give one entry: --date, --mjd, --jd, --epoch or --now, or --batch.")));
    }
    if (given.size() > 1) {
        return std::unexpected(
            usageError(QStringLiteral("options '%1' and '%2' cannot be used together.")
                           .arg(given[0], given[1])));
    }
    if (parser.isSet(QStringLiteral("zone")) && !parser.isSet(QStringLiteral("now"))) {
        return std::unexpected(usageError(QStringLiteral("option '--zone' needs '--now'.")));
    }

    ConvertRequest request;
    auto form = regionalFormFor(optionText(parser, QStringLiteral("locale")));
    if (!form) {
        return std::unexpected(std::move(form.error()));
    }
    request.form = std::move(*form);
    request.batch = parser.isSet(QStringLiteral("batch"));
    if (parser.isSet(QStringLiteral("now"))) {
        auto now = presentDateText(optionText(parser, QStringLiteral("zone")), request.form);
        if (!now) {
            return std::unexpected(std::move(now.error()));
        }
        request.text = std::move(*now);
        return request;
    }
    for (const auto& option : kEntryOptions) {
        if (auto text = optionText(parser, QLatin1String(option.name))) {
            request.field = option.field;
            request.text = std::move(*text);
            if (option.field != Field::Date) {
                const auto value = plainNumberOption(option.name, request.text);
                if (!value) {
                    return std::unexpected(value.error());
                }
                // Typed into its field as the window would show it.
                request.text = numberToText(*value, request.form);
            }
        }
    }
    return request;
}

} // namespace

int runConvert(const QStringList& arguments, CliStreams& io) {
    QCommandLineParser parser;
    addOptions(parser);
    if (const auto done = startCommand(parser, arguments, io, "convert", kUsage, kMore)) {
        return *done;
    }
    const auto request = requestFrom(parser);
    if (!request) {
        return reportUsage(io, request.error(), "convert");
    }
    const auto scale = scaleOption(parser);
    if (!scale) {
        return reportUsage(io, scale.error(), "convert");
    }
    const bool json = parser.isSet(QStringLiteral("json"));
    if (request->batch) {
        const BatchOutcome outcome =
            convertBatch(io.in, io.out, io.err, request->form,
                         json ? BatchFormat::JsonLines : BatchFormat::Columns, *scale);
        reportNotes(io, outcome.notes);
        if (io.in.error()) {
            io.err.write("zentadial-cli: could not read the entries: " + *io.in.error() + "\n");
            return kExitSomeFailed;
        }
        return outcome.failed == 0 ? kExitSuccess : kExitSomeFailed;
    }
    const EntryResult result = convertEntry(request->field, request->text, request->form, *scale);
    io.out.write(json ? fieldJson(result, request->form) : fieldLines(result, request->form));
    reportNotes(io, result.notes);
    if (!result.problem.empty()) {
        io.err.write("zentadial-cli: " + result.problem + "\n");
        return kExitSomeFailed;
    }
    return kExitSuccess;
}

} // namespace zentadial
