#include "cli/rewrite_command.h"

#include "cli/argument_bytes.h"
#include "cli/date_choice.h"
#include "cli/journal_words.h"
#include "cli/shift_options.h"
#include "scenario/journal_pass.h"
#include "scenario/scenario_preview.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_tree.h"

#include <vector>

namespace zentadial {
namespace {

constexpr std::string_view kUsage =
    "zentadial-cli rewrite (--date TEXT | --mjd N | --now [--zone Z])\n"
    "                             [--scale S] [--recursive] [--dry-run] [--locale NAME] PATH...\n"
    "       zentadial-cli rewrite (--shift SPAN | --shift-to DATE --anchor FILE) "
    "[--keep-elements]\n"
    "                             [--force] [--again] [--scale S] [--recursive] [--dry-run] "
    "PATH...";

constexpr std::string_view kMore =
    "Replaces the \"Date MJD\" line of each scenario file with one for the given date, as\n"
    "the converter window's Convert File and Convert Folder buttons do. A PATH that is a\n"
    "folder stands for its *.scn files. Each file is written to a temporary file beside it\n"
    "and renamed over it: a file that fails is left as it was, and the others go on. A\n"
    "file without a date line is not written. Links inside a folder are followed only to\n"
    "files in the same folder. --mjd is written to the digits given; numbers take '.' as\n"
    "the decimal point in every locale. --now without --zone is the true UTC time. With\n"
    "--scale tdb or sim-now the MJD written is in that scale (--mjd is taken in it), and\n"
    "the comment after it names the scale. The files' former versions are kept in the\n"
    "undo journal: 'zentadial-cli undo' puts them back.\n"
    "\n"
    "Exit status: 0 when every file was rewritten (or, with --dry-run, would be), 1 when\n"
    "one failed, 2 for a wrong call.\n";

void addOptions(QCommandLineParser& parser) {
    addDateOptions(
        parser, QStringLiteral("Move scenario files (*.scn) to one date, in place."),
        QList<QCommandLineOption>{
            {QStringLiteral("recursive"), QStringLiteral("Also rewrite the files of sub-folders.")},
            {QStringLiteral("dry-run"),
             QStringLiteral("Write nothing; show each date line before and after.")},
        } + shiftOptions());
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("A scenario file, or a folder of them."),
                                 QStringLiteral("PATH..."));
}

bool isFolder(const std::string& path) {
    return systemFileSystem().typeOf(path, true) == EntryType::Folder;
}

// The files a PATH stands for, and the folders that could not be listed.
std::vector<ScenarioTreeEntry> filesOf(const std::string& path, bool recursive) {
    if (!isFolder(path)) {
        return {ScenarioTreeEntry(path)};
    }
    if (recursive) {
        return listScenarioTree(path);
    }
    std::vector<ScenarioTreeEntry> entries;
    appendListing(listScenarioFiles(path), entries);
    return entries;
}

std::string count(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string dateLines(std::size_t n) {
    return n == 0 ? std::string("no Date MJD line, date unchanged")
                  : count(n, "date line", "date lines");
}

class RewriteReport {
public:
    RewriteReport(CliStreams& io, bool dryRun) : io_(io), dryRun_(dryRun) {}

    // Each file's line is out as soon as it is done, so a reader that stops
    // early, or a pass that is killed, shows how far it got.
    void failed(ScenarioFailure failure) {
        ++failed_;
        failure.path = printableBytes(failure.path);
        const std::string why = describeFailure(failure);
        io_.out.write(failure.path + (dryRun_ ? ": would fail: " : ": failed: ") + why + "\n");
        io_.out.flush();
        io_.err.write("zentadial-cli: " + why + "\n");
        io_.err.flush();
    }

    void rewritten(const ScenarioFileResult& result) {
        ++files_;
        dateLines_ += result.dateLineCount;
        io_.out.write(printableBytes(result.path) +
                      (result.dateLineCount == 0 ? ": left unchanged, " : ": rewritten, ") +
                      dateLines(result.dateLineCount) + "\n");
        io_.out.flush();
    }

    void previewed(const ScenarioPreview& preview) {
        ++files_;
        dateLines_ += preview.changes.size();
        io_.out.write(
            printableBytes(preview.path) +
            (preview.changes.empty() ? ": would be left unchanged, " : ": would be rewritten, ") +
            dateLines(preview.changes.size()) + "\n");
        for (const auto& change : preview.changes) {
            const std::string where = "  line " + std::to_string(change.lineNumber) + ": ";
            io_.out.write(where + "-" + printableBytes(change.before) + "\n");
            io_.out.write(where + "+" + printableBytes(change.after) + "\n");
        }
        io_.out.flush();
    }

    void summary() {
        std::string text = dryRun_ ? "Dry run, nothing written: " : "";
        text += count(files_, "file", "files") +
                (dryRun_ ? " would be rewritten, " : " rewritten, ") +
                count(dateLines_, "date line", "date lines");
        if (failed_ != 0) {
            text += "; " + std::to_string(failed_) + (dryRun_ ? " would fail" : " failed");
        }
        io_.out.write(text + ".\n");
    }

    [[nodiscard]] bool allSucceeded() const { return failed_ == 0; }

private:
    CliStreams& io_;
    bool dryRun_;
    std::size_t files_ = 0;
    std::size_t dateLines_ = 0;
    std::size_t failed_ = 0;
};

} // namespace

int runRewrite(const QStringList& arguments, CliStreams& io) {
    QCommandLineParser parser;
    addOptions(parser);
    if (const auto done = startCommand(parser, arguments, io, "rewrite", kUsage, kMore)) {
        return *done;
    }
    const auto form = regionalFormFor(optionText(parser, QStringLiteral("locale")));
    if (!form) {
        return reportUsage(io, form.error(), "rewrite");
    }
    const auto scale = scaleOption(parser);
    if (!scale) {
        return reportUsage(io, scale.error(), "rewrite");
    }
    if (shiftRequested(parser)) {
        std::vector<ScenarioTreeEntry> entries;
        for (const QString& path : parser.positionalArguments()) {
            for (auto& entry :
                 filesOf(bytesOfArgument(path), parser.isSet(QStringLiteral("recursive")))) {
                entries.push_back(std::move(entry));
            }
        }
        if (entries.empty()) {
            return reportUsage(io, usageError(QStringLiteral("give at least one PATH.")),
                               "rewrite");
        }
        return runShiftPass(parser, io, *form, *scale, entries);
    }
    const RewriteDateChoice choice{
        optionText(parser, QStringLiteral("date")), optionText(parser, QStringLiteral("mjd")),
        parser.isSet(QStringLiteral("now")), optionText(parser, QStringLiteral("zone")), *scale};
    const auto date = rewriteDate(choice, *form);
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
    RewriteReport report(io, dryRun);
    JournalPass journal(journalRoot(), PassKind::Rewrite);
    for (const QString& pathArgument : paths) {
        for (const auto& entry : filesOf(bytesOfArgument(pathArgument), recursive)) {
            if (!entry) {
                report.failed(entry.error());
            } else if (dryRun) {
                const auto preview = previewScenarioFile(*entry, dateLine);
                preview ? report.previewed(*preview) : report.failed(preview.error());
            } else {
                const auto result =
                    rewriteScenarioFile(*entry, dateLine, systemFileSystem(), &journal);
                result ? report.rewritten(*result) : report.failed(result.error());
            }
        }
    }
    report.summary();
    reportNotes(io, date->notes());
    if (const std::string note = notKeptNote(journal.finish()); !note.empty()) {
        io.err.write("zentadial-cli: note: " + note + "\n");
    }
    return report.allSucceeded() ? kExitSuccess : kExitSomeFailed;
}

} // namespace zentadial
