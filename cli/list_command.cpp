#include "cli/list_command.h"

#include "cli/argument_bytes.h"
#include "cli/field_output.h"
#include "cli/file_report.h"
#include "cli/scenario_words.h"
#include "core/date_text.h"
#include "scenario/failure_kind.h"
#include "scenario/scenario_notes.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_text.h"
#include "scenario/scenario_tree.h"

#include <algorithm>
#include <vector>

namespace zentadial {
namespace {

constexpr std::string_view kUsage =
    "zentadial-cli list [--recursive] [--include-quicksave] [--json] [--scale S] "
    "[--locale NAME] PATH...";

constexpr std::string_view kMore =
    "For each scenario file (a PATH that is a folder stands for its *.scn files) shows\n"
    "the date the simulator starts it at, as an MJD and as a date read in the chosen\n"
    "scale, and the line that sets it (its number and kind: MJD, JD or JE); or that it\n"
    "starts at the present moment, and why. Then what depends on that date: vessels\n"
    "given by ELEMENTS (how many, and how far their epochs lie from the scenario's date,\n"
    "in days), by RPOS/RVEL, or landed; add-on dates (LAUNCH_MJD, MET_STARTING_MJD,\n"
    "transfer plans) and a Playback entry. Nothing is written. --recursive skips folders\n"
    "named Quicksave unless --include-quicksave is given. With --json each file is one\n"
    "object a line; a value a file has not got is null.\n"
    "\n"
    "Exit status: 0 when every file was read, 1 when one or a folder could not be, 2 for\n"
    "a wrong call.\n";

std::string_view kindText(DateKind kind) {
    switch (kind) {
    case DateKind::Jd:
        return "JD";
    case DateKind::Je:
        return "JE";
    case DateKind::Mjd:
        break;
    }
    return "MJD";
}

std::string_view causeKey(PresentMomentCause cause) {
    switch (cause) {
    case PresentMomentCause::NoNumber:
        return "no-number";
    case PresentMomentCause::Hidden:
        return "hidden";
    case PresentMomentCause::NoDateLine:
        break;
    }
    return "no-date-line";
}

std::string causeText(PresentMomentCause cause) {
    switch (cause) {
    case PresentMomentCause::NoNumber:
        return "its date lines hold no number";
    case PresentMomentCause::Hidden:
        return "its date lines stand where the simulator does not read them";
    case PresentMomentCause::NoDateLine:
        break;
    }
    return "no date line";
}

// Everything one file's line says, gathered before either form is written.
struct FileSummary {
    ScenarioReading reading;
    std::vector<double> elementsDays; // each ELEMENTS epoch less the scenario date
    std::size_t elements = 0;
    std::size_t stateVectors = 0;
    std::size_t landed = 0;
    std::vector<ScenarioNote> addOns;
    bool playback = false;
};

FileSummary summaryOf(std::string_view bytes) {
    FileSummary summary;
    summary.reading = readScenario(bytes);
    for (auto& note : scenarioNotes(bytes)) {
        switch (note.family) {
        case NoteFamily::ElementsEpoch:
            ++summary.elements;
            if (note.value && summary.reading.date) {
                summary.elementsDays.push_back(*note.value - summary.reading.date->mjd);
            }
            break;
        case NoteFamily::StateVectors:
            ++summary.stateVectors;
            break;
        case NoteFamily::Landed:
            ++summary.landed;
            break;
        case NoteFamily::Playback:
            summary.playback = true;
            break;
        default:
            summary.addOns.push_back(std::move(note));
            break;
        }
    }
    return summary;
}

class ListReport {
public:
    ListReport(CliStreams& io, bool json, TimeScale scale, const RegionalForm& form)
        : lines_(io, json), scale_(scale), form_(form) {}

    void failed(ScenarioFailure failure) {
        failed_ = true;
        const std::string path = failure.path;
        failure.path = printableBytes(path);
        lines_.failed(path, ": failed", failureKey(failure.kind), {}, failureText(failure));
    }

    void listed(const std::string& path, const FileSummary& file) {
        lines_.json() ? writeJson(path, file) : writeText(printableBytes(path), file);
    }

    [[nodiscard]] bool allRead() const { return !failed_; }

private:
    [[nodiscard]] std::optional<SerialDate> dateOf(double mjd) const {
        const auto date = mjdScaleOf(scale_).dateOfMjd(mjd);
        return date ? std::optional<SerialDate>(*date) : std::nullopt;
    }

    void writeText(const std::string& path, const FileSummary& file) {
        std::string text = path + ": ";
        if (const auto& date = file.reading.date) {
            const auto civil = dateOf(date->mjd);
            text += "MJD " + plainNumberText(date->mjd) + " (" +
                    (civil ? dateToText(*civil, form_) : std::string("beyond the dates shown")) +
                    "), line " + std::to_string(date->lineNumber) + ", Date " +
                    std::string(kindText(date->kind)) + "\n";
        } else {
            text += "present moment (" + causeText(file.reading.presentCause) + ")\n";
        }
        if (file.elements > 0) {
            text += "  ELEMENTS: " + countOf(file.elements, "vessel", "vessels");
            if (!file.elementsDays.empty()) {
                const auto [low, high] = std::ranges::minmax(file.elementsDays);
                text += ", epochs " + plainNumberText(low) + " to " + plainNumberText(high) +
                        " days from the scenario's date";
            }
            text += "\n";
        }
        if (file.stateVectors > 0) {
            text += "  RPOS/RVEL: " + countOf(file.stateVectors, "vessel", "vessels") + "\n";
        }
        if (file.landed > 0) {
            text += "  landed: " + countOf(file.landed, "vessel", "vessels") + "\n";
        }
        for (const auto& note : file.addOns) {
            text += "  " + std::string(noteKey(note.family)) + ": line " +
                    std::to_string(note.lineNumber) +
                    (note.value ? ", MJD " + plainNumberText(*note.value) : std::string()) +
                    (note.vessel.empty() ? std::string() : ", " + printableBytes(note.vessel)) +
                    "\n";
        }
        if (file.playback) {
            text += "  Playback: a recorded flight\n";
        }
        lines_.text(text);
    }

    void writeJson(const std::string& path, const FileSummary& file) {
        const auto& date = file.reading.date;
        std::string dateJson = "null";
        std::string utcJson = "null";
        if (date) {
            if (const auto civil = mjdScaleOf(scale_).dateOfMjd(date->mjd)) {
                dateJson = jsonString(dateToText(*civil, form_));
                utcJson = "\"" + isoUtcText(*civil) + "\"";
            }
        }
        std::string text = ",\"scale\":\"" + std::string(keyOf(scale_)) +
                           "\",\"presentMoment\":" + (date ? "false" : "true");
        text +=
            ",\"why\":" + (date ? std::string("null")
                                : "\"" + std::string(causeKey(file.reading.presentCause)) + "\"");
        text += ",\"mjd\":" + jsonNumber(date ? std::optional<double>(date->mjd) : std::nullopt);
        text += ",\"date\":" + dateJson;
        text += ",\"utc\":" + utcJson;
        text += ",\"line\":" + (date ? std::to_string(date->lineNumber) : "null");
        text += ",\"kind\":" + (date ? "\"" + std::string(kindText(date->kind)) + "\"" : "null");
        text += ",\"elements\":" + std::to_string(file.elements) + ",\"elementsDays\":[";
        for (std::size_t i = 0; i < file.elementsDays.size(); ++i) {
            text += (i ? "," : "") + plainNumberText(file.elementsDays[i]);
        }
        text += "],\"stateVectors\":" + std::to_string(file.stateVectors) +
                ",\"landed\":" + std::to_string(file.landed) + ",\"addOns\":[";
        for (std::size_t i = 0; i < file.addOns.size(); ++i) {
            const auto& note = file.addOns[i];
            text += std::string(i ? "," : "") + "{\"key\":\"" + std::string(noteKey(note.family)) +
                    "\",\"line\":" + std::to_string(note.lineNumber) +
                    ",\"mjd\":" + jsonNumber(note.value) +
                    ",\"vessel\":" + jsonString(note.vessel) + "}";
        }
        text += std::string("],\"playback\":") + (file.playback ? "true" : "false");
        lines_.object(path, text);
    }

    FileLines lines_;
    TimeScale scale_;
    const RegionalForm& form_;
    bool failed_ = false;
};

} // namespace

int runList(const QStringList& arguments, CliStreams& io) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Show the date each scenario file (*.scn) starts at, and what depends "
                       "on it."));
    parser.addOptions({
        {QStringLiteral("recursive"), QStringLiteral("Also list the files of sub-folders.")},
        {QStringLiteral("include-quicksave"),
         QStringLiteral("With --recursive: also enter folders named Quicksave.")},
        {QStringLiteral("json"), QStringLiteral("Print one JSON object a line for each file.")},
        {QStringLiteral("scale"),
         QStringLiteral("The time scale the MJD is read in: %1 (default: utc).")
             .arg(QString::fromStdString(scaleKeyList())),
         QStringLiteral("S")},
        {QStringLiteral("locale"),
         QStringLiteral("The forms of the dates printed, e.g. en_US, de_DE or C (default: the "
                        "system's)."),
         QStringLiteral("NAME")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")},
    });
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("A scenario file, or a folder of them."),
                                 QStringLiteral("PATH..."));
    if (const auto done = startCommand(parser, arguments, io, "list", kUsage, kMore)) {
        return *done;
    }
    const auto reading = dateReadingOf(parser);
    if (!reading) {
        return reportUsage(io, reading.error(), "list");
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty()) {
        return reportUsage(io, usageError(QStringLiteral("give at least one PATH.")), "list");
    }
    const bool recursive = parser.isSet(QStringLiteral("recursive"));
    ListReport report(io, parser.isSet(QStringLiteral("json")), reading->scale, reading->form);
    for (const QString& pathArgument : paths) {
        forEachScenarioFile(
            bytesOfArgument(pathArgument), recursive,
            [&](const ScenarioTreeEntry& entry) {
                if (!entry) {
                    report.failed(entry.error());
                    return;
                }
                auto reached = reachFile(systemFileSystem(), *entry);
                auto contents =
                    reached
                        ? readFile(systemFileSystem(), *reached)
                        : std::expected<FileContents, FileError>(std::unexpected(reached.error()));
                if (!contents) {
                    report.failed(ScenarioFailure{.kind = failureKindOf(contents.error().kind),
                                                  .path = entry->path,
                                                  .reason = std::move(contents.error().reason)});
                    return;
                }
                // Read as text, a UTF-16 file would show no date at all.
                if (!isScenarioText(contents->bytes)) {
                    report.failed(
                        ScenarioFailure{.kind = ScenarioFailureKind::NotText, .path = entry->path});
                    return;
                }
                report.listed(entry->path, summaryOf(contents->bytes));
            },
            systemFileSystem(), quicksaveOf(parser));
    }
    return report.allRead() ? kExitSuccess : kExitSomeFailed;
}

} // namespace zentadial
