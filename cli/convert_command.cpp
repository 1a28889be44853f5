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
    "Prints the four fields as the converter window shows them after the entry is typed\n"
    "into its field: date, mjd, epoch and jd, one a line, a tab before each value.\n"
    "\n"
    "With --batch, each input line is an entry: a keyword (date, mjd, epoch or jd), one\n"
    "blank, and the text, e.g. \"mjd 51544.5\" or \"date 1/1/2004 6:00:00 PM\". Each gives one\n"
    "output line: date, mjd, epoch and jd separated by tabs, an emptied field as an empty\n"
    "column; with --json, one object a line.\n"
    "\n"
    "Numbers (--mjd, --jd, --epoch, --zone and batch entries) take '.' as the decimal\n"
    "point and no group separators in every locale; --locale sets the date forms and\n"
    "the printed output. With --json the numbers are JSON numbers and a failed entry\n"
    "has an \"error\" member and each object names its scale. --now without --zone is the\n"
    "true UTC time. With --scale tdb or sim-now the MJD, JD and Epoch are in that scale\n"
    "and the date stays UTC; a note on standard error says when a figure is approximate.\n"
    "\n"
    "Exit status: 0 when every entry converted, 1 when one did not (its fields are\n"
    "emptied and standard error names it), 2 for a wrong call.\n";

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
    io.out.write(json ? fieldJson(result, request->form) : fieldLines(result.fields));
    reportNotes(io, result.notes);
    if (!result.problem.empty()) {
        io.err.write("zentadial-cli: " + result.problem + "\n");
        return kExitSomeFailed;
    }
    return kExitSuccess;
}

} // namespace zentadial
