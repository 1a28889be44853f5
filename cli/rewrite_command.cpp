#include "cli/rewrite_command.h"

#include "cli/argument_bytes.h"
#include "cli/date_choice.h"
#include "cli/field_output.h"
#include "cli/file_report.h"
#include "cli/journal_words.h"
#include "cli/scenario_words.h"
#include "cli/shift_options.h"
#include "scenario/folder_path.h"
#include "scenario/journal_pass.h"
#include "scenario/rewrite_batch.h"
#include "scenario/scenario_preview.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_tree.h"

#include <set>
#include <vector>

namespace zentadial {
namespace {

constexpr std::string_view kUsage =
    "zentadial-cli rewrite (--date TEXT | --mjd N | --now [--zone Z])\n"
    "                             [--scale S] [--recursive] [--dry-run] [--json] [--locale NAME]\n"
    "                             PATH...\n"
    "       zentadial-cli rewrite (--shift SPAN | --shift-to DATE --anchor FILE) "
    "[--keep-elements]\n"
    "                             [--force] [--again] [--scale S] [--recursive] [--dry-run] "
    "[--json]\n"
    "                             PATH...";

constexpr std::string_view kMore =
    "Replaces the \"Date MJD\" line of each scenario file with one for the given date, as\n"
    "the converter window's Convert File and Convert Folder buttons do. A PATH that is a\n"
    "folder stands for its *.scn files. Each file is written to a temporary file beside it\n"
    "and renamed over it: a file that fails is left as it was, and the others go on. A\n"
    "file without a date line, or that holds this date already, is left unchanged and not\n"
    "written. Links inside a folder are followed only to files in the same folder. --mjd\n"
    "is written to the digits given; numbers take '.' as the decimal point in every\n"
    "locale. --now without --zone is the true UTC time. With --scale tdb or sim-now the\n"
    "MJD written is in that scale (--mjd is taken in it), and the comment after it names\n"
    "the scale. The files' former versions are kept in the undo journal: 'zentadial-cli\n"
    "undo' puts them back.\n"
    "\n"
    "Each file gets a line: rewritten, left unchanged, or failed; then a line counts them.\n"
    "Why a file failed goes to standard error, once. With --json each file's line is an\n"
    "object (path, outcome, dateLines, and unchanged or failure saying why; oldMjd and\n"
    "oldUtc, newMjd and newUtc, the date the simulator started and now starts the file\n"
    "at, null at the present moment; notes, what else the date touches), and the\n"
    "last one holds the counts. In a shift the objects hold path, outcome (shifted or\n"
    "failed), failure, the old and new dates, and moved and notMoved, the clocks that\n"
    "moved with the date and those that stayed. Temporary files that an interrupted run left are "
    "named\n"
    "on standard error.\n"
    "\n"
    "Exit status: 0 when no file failed (or, with --dry-run, would fail), 1 when one did\n"
    "or a folder could not be read, 2 for a wrong call.\n";

void addOptions(QCommandLineParser& parser) {
    addDateOptions(
        parser, QStringLiteral("Move scenario files (*.scn) to one date, in place."),
        QList<QCommandLineOption>{
            {QStringLiteral("recursive"),
             QStringLiteral("Also rewrite the files of sub-folders, except those named "
                            "Quicksave.")},
            {QStringLiteral("include-quicksave"),
             QStringLiteral("With --recursive: also enter folders named Quicksave.")},
            {QStringLiteral("dry-run"),
             QStringLiteral("Write nothing; show each date line before and after.")},
            {QStringLiteral("json"),
             QStringLiteral("Print one JSON object a line for each file, then the counts.")},
        } + shiftOptions());
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("A scenario file, or a folder of them."),
                                 QStringLiteral("PATH..."));
}

std::string dateLines(std::size_t n) {
    return countOf(n, "date line", "date lines");
}

// How a file came out, in the words of the per-file line.
std::string outcomeText(FileOutcome outcome, std::size_t lines, bool dryRun) {
    const std::string would = dryRun ? "would be " : "";
    switch (outcome) {
    case FileOutcome::Written:
        return would + "rewritten, " + dateLines(lines);
    case FileOutcome::NoDateLine:
        return would + "left unchanged, no date line";
    case FileOutcome::AlreadyAtDate:
        break;
    }
    return would + "left unchanged, already at this date";
}

std::string_view outcomeKey(FileOutcome outcome) {
    return outcome == FileOutcome::Written ? "written" : "unchanged";
}

std::string_view unchangedKey(FileOutcome outcome) {
    switch (outcome) {
    case FileOutcome::NoDateLine:
        return "no-date-line";
    case FileOutcome::AlreadyAtDate:
        return "already-at-date";
    case FileOutcome::Written:
        break;
    }
    return {};
}

class RewriteReport {
public:
    RewriteReport(CliStreams& io, bool dryRun, bool json, TimeScale scale)
        : io_(io), lines_(io, json), dryRun_(dryRun), scale_(scale) {}

    void failed(ScenarioFailure failure) {
        ++counts_.refused;
        const std::string path = failure.path;
        failure.path = printableBytes(path);
        lines_.failed(path, dryRun_ ? ": would fail" : ": failed", failureKey(failure.kind),
                      ",\"dateLines\":null,\"oldMjd\":null,\"oldUtc\":null,\"newMjd\":null,"
                      "\"newUtc\":null,\"notes\":null",
                      failureText(failure));
    }

    // What the simulator read before and reads after, and the notes, go to
    // JSON only: the text line stays short.
    void done(const std::string& path, FileOutcome outcome, std::size_t lines,
              const ScenarioReading& before, const std::optional<SimulatorDate>& after,
              const std::vector<ScenarioNote>& notes) {
        if (outcome == FileOutcome::Written) {
            ++counts_.written;
            counts_.dateLines += lines;
        } else {
            ++counts_.unchanged;
        }
        if (lines_.json()) {
            const std::string_view why = unchangedKey(outcome);
            lines_.object(path,
                          ",\"outcome\":\"" + std::string(outcomeKey(outcome)) +
                              "\",\"dateLines\":" + std::to_string(lines) +
                              (why.empty() ? "" : ",\"unchanged\":\"" + std::string(why) + "\"") +
                              "," + effectiveDateJson("old", before.date, scale_) + "," +
                              effectiveDateJson("new", after ? after : before.date, scale_) +
                              ",\"notes\":" + notesJson(notes));
        } else {
            lines_.text(printableBytes(path) + ": " + outcomeText(outcome, lines, dryRun_) + "\n");
        }
    }

    void rewritten(const ScenarioFileResult& result, const std::string& newDate) {
        done(result.path, result.outcome, result.dateLineCount, result.before, result.after,
             result.notes);
        if (!lines_.json() && result.wasPresentMoment()) {
            lines_.text("  started at the present moment; now starts at " + newDate + "\n");
        }
    }

    void previewed(const ScenarioPreview& preview) {
        done(preview.path, preview.outcome, preview.changes.size(), preview.before, preview.after,
             preview.notes);
        if (!lines_.json() && preview.outcome == FileOutcome::Written) {
            std::string text;
            for (const auto& change : preview.changes) {
                const std::string where = "  line " + std::to_string(change.lineNumber) + ": ";
                text += where + "-" + printableBytes(change.before) + "\n";
                text += where + "+" + printableBytes(change.after) + "\n";
            }
            lines_.text(text);
        }
    }

    // Temporary files an interrupted run left, once for each folder.
    void leftoversIn(const std::string& folder) {
        if (!foldersSeen_.insert(folder).second) {
            return;
        }
        for (const auto& path : leftoverTemporaries(folder)) {
            io_.err.write("zentadial-cli: note: " + printableBytes(path) +
                          " is a temporary file of an interrupted earlier run; it was left in "
                          "place.\n");
        }
        io_.err.flush();
    }

    void summary() {
        if (lines_.json()) {
            lines_.summary("\"written\":" + std::to_string(counts_.written) +
                           ",\"unchanged\":" + std::to_string(counts_.unchanged) +
                           ",\"failed\":" + std::to_string(counts_.refused) +
                           ",\"dateLines\":" + std::to_string(counts_.dateLines) +
                           ",\"dryRun\":" + (dryRun_ ? "true" : "false"));
            return;
        }
        const std::string would = dryRun_ ? "would be " : "";
        lines_.text((dryRun_ ? "Dry run, nothing written: " : "") +
                    countOf(counts_.written, "file", "files") + " " + would + "rewritten (" +
                    dateLines(counts_.dateLines) + "), " + std::to_string(counts_.unchanged) + " " +
                    would + "left unchanged, " + std::to_string(counts_.refused) +
                    (dryRun_ ? " would fail.\n" : " failed.\n"));
    }

    [[nodiscard]] bool allSucceeded() const { return counts_.refused == 0; }

private:
    CliStreams& io_; // for the notes on standard error
    FileLines lines_;
    bool dryRun_;
    TimeScale scale_;
    ScenarioCounts counts_;
    std::set<std::string> foldersSeen_;
};

} // namespace

int runRewrite(const QStringList& arguments, CliStreams& io) {
    QCommandLineParser parser;
    addOptions(parser);
    if (const auto done = startCommand(parser, arguments, io, "rewrite", kUsage, kMore)) {
        return *done;
    }
    const auto reading = dateReadingOf(parser);
    if (!reading) {
        return reportUsage(io, reading.error(), "rewrite");
    }
    if (shiftRequested(parser)) {
        std::vector<ScenarioTreeEntry> entries;
        for (const QString& path : parser.positionalArguments()) {
            forEachScenarioFile(
                bytesOfArgument(path), parser.isSet(QStringLiteral("recursive")),
                [&](const ScenarioTreeEntry& entry) { entries.push_back(entry); },
                systemFileSystem(), quicksaveOf(parser));
        }
        if (entries.empty()) {
            return reportUsage(io, usageError(QStringLiteral("give at least one PATH.")),
                               "rewrite");
        }
        return runShiftPass(parser, io, reading->form, reading->scale, entries);
    }
    const RewriteDateChoice choice{optionText(parser, QStringLiteral("date")),
                                   optionText(parser, QStringLiteral("mjd")),
                                   parser.isSet(QStringLiteral("now")),
                                   optionText(parser, QStringLiteral("zone")), reading->scale};
    const auto date = rewriteDate(choice, reading->form);
    if (!date) {
        return reportUsage(io, date.error(), "rewrite");
    }
    DateLineSource dateLine = date->source();
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty()) {
        return reportUsage(io, usageError(QStringLiteral("give at least one PATH.")), "rewrite");
    }

    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    const bool recursive = parser.isSet(QStringLiteral("recursive"));
    RewriteReport report(io, dryRun, parser.isSet(QStringLiteral("json")), reading->scale);
    JournalPass journal(journalRoot(), PassKind::Rewrite);
    RewriteBatch batch(dateLine, systemFileSystem(), &journal, [&](ScenarioFileOutcome result) {
        result ? report.rewritten(*result, printableBytes(date->dateText))
               : report.failed(std::move(result.error()));
    });
    for (const QString& pathArgument : paths) {
        forEachScenarioFile(
            bytesOfArgument(pathArgument), recursive,
            [&](const ScenarioTreeEntry& entry) {
                if (!entry) {
                    dryRun ? report.failed(entry.error()) : batch.refuse(entry.error());
                    return;
                }
                report.leftoversIn(folderOf(entry->path));
                if (dryRun) {
                    const auto preview = previewScenarioFile(*entry, dateLine);
                    preview ? report.previewed(*preview) : report.failed(preview.error());
                } else {
                    batch.add(*entry);
                }
            },
            systemFileSystem(), quicksaveOf(parser));
    }
    batch.finish();
    report.summary();
    reportNotes(io, date->notes());
    if (const std::string note = notKeptNote(journal.finish()); !note.empty()) {
        io.err.write("zentadial-cli: note: " + note + "\n");
    }
    return report.allSucceeded() ? kExitSuccess : kExitSomeFailed;
}

} // namespace zentadial
