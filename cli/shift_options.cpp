#include "cli/shift_options.h"

#include "cli/argument_bytes.h"
#include "cli/field_output.h"
#include "cli/file_report.h"
#include "cli/journal_words.h"
#include "cli/scenario_words.h"
#include "cli/shift_words.h"
#include "core/date_text.h"
#include "scenario/journal_pass.h"
#include "scenario/scenario_shift_file.h"
#include "scenario/time_span.h"

namespace zentadial {
namespace {

const QString kShift = QStringLiteral("shift");
const QString kShiftTo = QStringLiteral("shift-to");
const QString kAnchor = QStringLiteral("anchor");
const QString kKeepElements = QStringLiteral("keep-elements");
const QString kForce = QStringLiteral("force");
const QString kAgain = QStringLiteral("again");

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Usage<double> spanOption(const std::string& text) {
    const auto days = spanFromText(text);
    if (days) {
        return *days;
    }
    const QString why =
        days.error() == SpanError::OutOfRange
            ? QStringLiteral("option '--shift': '%1' is out of range (minutes and seconds below "
                             "60, hours below 24 after days, at most a million days).")
            : QStringLiteral("option '--shift': '%1' is not a span; give days (+779, -0.5), "
                             "[+-][d:]hh:mm[:ss] (-0:15, +1:02:00:00), or a number with d, h, "
                             "min or s (+779d, +2h, -15min).");
    return std::unexpected(usageError(why.arg(fromStd(text))));
}

// The span that brings the anchor file to the date, the date read in the
// scale as --date reads it.
Usage<double> spanToDate(const std::string& dateText, const std::string& anchor,
                         const RegionalForm& form, TimeScale scale) {
    const auto date = dateFromText(dateText, form);
    const auto mjd = date ? mjdScaleOf(scale).mjdOfDate(*date) : Conv<double>{};
    if (!date || !mjd) {
        return std::unexpected(usageError(
            QStringLiteral("option '--shift-to': '%1' is not a date.").arg(fromStd(dateText))));
    }
    const auto from = effectiveMjdOf(anchor);
    if (!from) {
        return std::unexpected(usageError(
            QStringLiteral("option '--anchor': %1").arg(fromStd(shiftFailureWords(from.error())))));
    }
    return *mjd - *from;
}

Usage<double> chosenSpan(const QCommandLineParser& parser, const RegionalForm& form,
                         TimeScale scale) {
    for (const char* dateOption : {"date", "mjd", "now"}) {
        if (parser.isSet(QString::fromLatin1(dateOption))) {
            return std::unexpected(usageError(
                QStringLiteral("give either a date (--date, --mjd, --now) or a shift (--shift, "
                               "--shift-to), not both.")));
        }
    }
    const auto shift = optionText(parser, kShift);
    const auto target = optionText(parser, kShiftTo);
    const auto anchor = optionText(parser, kAnchor);
    if (shift && target) {
        return std::unexpected(
            usageError(QStringLiteral("give only one of --shift and --shift-to.")));
    }
    if (target.has_value() != anchor.has_value()) {
        return std::unexpected(usageError(
            QStringLiteral("options '--shift-to' and '--anchor' go together: the anchor file is "
                           "moved to the date, the others by the same span.")));
    }
    return shift ? spanOption(*shift) : spanToDate(*target, *anchor, form, scale);
}

class ShiftReport {
public:
    ShiftReport(CliStreams& io, bool dryRun, bool json, TimeScale scale)
        : lines_(io, json), dryRun_(dryRun), scale_(scale) {}

    void failed(const std::string& path, std::string_view key, const std::string& why) {
        ++failed_;
        lines_.failed(path, dryRun_ ? ": would be refused" : ": refused", key, {}, why);
    }

    void shifted(const ShiftFileResult& result) {
        ++shifted_;
        if (lines_.json()) {
            lines_.object(result.path, ",\"outcome\":\"shifted\"," +
                                           effectiveDateJson("old", result.mjdBefore, scale_) +
                                           "," + effectiveDateJson("new", result.mjdAfter, scale_) +
                                           shiftItemsJson(result));
        } else {
            lines_.text(printableBytes(result.path) +
                        (dryRun_ ? ": would be shifted, " : ": shifted, ") +
                        shiftResultWords(result) + "\n");
        }
    }

    void summary(double days) {
        if (lines_.json()) {
            lines_.summary("\"shifted\":" + std::to_string(shifted_) + ",\"failed\":" +
                           std::to_string(failed_) + ",\"days\":" + plainNumberText(days) +
                           ",\"dryRun\":" + (dryRun_ ? "true" : "false"));
            return;
        }
        std::string text = dryRun_ ? "Dry run, nothing written: " : "";
        text += std::to_string(shifted_) + (shifted_ == 1 ? " file" : " files") +
                (dryRun_ ? " would be shifted by " : " shifted by ") + spanWords(days);
        if (failed_ != 0) {
            text += "; " + std::to_string(failed_) + (dryRun_ ? " would be refused" : " refused");
        }
        lines_.text(text + ".\n");
    }

    [[nodiscard]] bool allSucceeded() const { return failed_ == 0; }

private:
    FileLines lines_;
    bool dryRun_;
    TimeScale scale_;
    std::size_t shifted_ = 0;
    std::size_t failed_ = 0;
};

} // namespace

QList<QCommandLineOption> shiftOptions() {
    return {
        {kShift,
         QStringLiteral("Move each file's date, and the clocks that go with it, by SPAN: days "
                        "(+779, -0.5), [+-][d:]hh:mm[:ss], or +779d, +2h, -15min."),
         QStringLiteral("SPAN")},
        {kShiftTo,
         QStringLiteral("Move every file by the span that brings the --anchor file to DATE "
                        "(read in --scale)."),
         QStringLiteral("DATE")},
        {kAnchor, QStringLiteral("The file --shift-to moves to its date."), QStringLiteral("FILE")},
        {kKeepElements, QStringLiteral("In a shift, leave the vessels' ELEMENTS epochs.")},
        {kForce,
         QStringLiteral("Shift files whose add-on data cannot move with the date (a TransX plan, "
                        "a playback, a guidance-computer memory image).")},
        {kAgain,
         QStringLiteral("Shift files that the journal's last pass over them shifted by the same "
                        "span.")},
    };
}

bool shiftRequested(const QCommandLineParser& parser) {
    return parser.isSet(kShift) || parser.isSet(kShiftTo) || parser.isSet(kAnchor);
}

int runShiftPass(const QCommandLineParser& parser, CliStreams& io, const RegionalForm& form,
                 TimeScale scale, const std::vector<ScenarioTreeEntry>& entries) {
    const auto days = chosenSpan(parser, form, scale);
    if (!days) {
        return reportUsage(io, days.error(), "rewrite");
    }
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    ShiftOptions options;
    options.keepElements = parser.isSet(kKeepElements);
    options.force = parser.isSet(kForce);
    options.comment = [&form, scale](double mjd) {
        const auto date = mjdScaleOf(scale).dateOfMjd(mjd);
        return date ? dateToText(*date, form) : std::string{};
    };
    options.commentSuffix = commentSuffixOf(scale);

    std::vector<KeptPass> passes;
    if (!parser.isSet(kAgain)) {
        if (auto kept = listJournalPasses(journalRoot())) {
            passes = std::move(*kept);
        }
    }
    ShiftReport report(io, dryRun, parser.isSet(QStringLiteral("json")), scale);
    JournalPass journal(journalRoot(), PassKind::Rewrite);
    journal.markShift(*days);
    for (const auto& entry : entries) {
        if (!entry) {
            report.failed(entry.error().path, failureKey(entry.error().kind),
                          failureText(entry.error()));
            continue;
        }
        const std::string& path = entry->path;
        if (const auto pass = lastSameShift(passes, path, *days)) {
            ShiftFileFailure again{path, {}, {}, ShiftRefusal{ShiftFailure::AlreadyShifted}, *pass};
            report.failed(path, shiftFailureKey(again), shiftFailureWords(again));
            continue;
        }
        const auto result =
            shiftScenarioFile(*entry, *days, options, dryRun, systemFileSystem(), &journal);
        result ? report.shifted(*result)
               : report.failed(path, shiftFailureKey(result.error()),
                               shiftFailureWords(result.error()));
    }
    report.summary(*days);
    if (const std::string note = notKeptNote(journal.finish()); !note.empty()) {
        io.err.write("zentadial-cli: note: " + note + "\n");
    }
    return report.allSucceeded() ? kExitSuccess : kExitSomeFailed;
}

} // namespace zentadial
