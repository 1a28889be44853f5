#include "widgets/scenario_words.h"

#include "scenario/folder_path.h"
#include "scenario/scenario_text.h"
#include "widgets/joined_words.h"

#include <QStringList>
#include <algorithm>

namespace zentadial {
namespace {

// How many files the informative line names before it only counts them.
constexpr qsizetype kNamedInLine = 5;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList pathsOf(const std::vector<std::string>& paths) {
    QStringList list;
    for (const auto& path : paths) {
        list.append(fromStd(path));
    }
    return list;
}

QStringList pathsOf(const std::vector<ScenarioFailure>& failures) {
    QStringList list;
    for (const auto& failure : failures) {
        list.append(fromStd(failure.path));
    }
    return list;
}

// Why the simulator would miss the date written.
QString unreadReason(const std::optional<HiddenDateLine>& unread) {
    if (!unread) {
        return ScenarioWords::tr("the simulator would not read the date written");
    }
    const QString at = QString::number(unread->causeLine);
    switch (unread->by) {
    case DateHiddenBy::NoSection:
        return ScenarioWords::tr(
            "it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read");
    case DateHiddenBy::MarkBeforeSection:
        return ScenarioWords::tr("a byte-order mark before BEGIN_ENVIRONMENT hides the environment "
                                 "section from the simulator");
    case DateHiddenBy::IndentedSection:
        return ScenarioWords::tr(
                   "BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no "
                   "environment section")
            .arg(at);
    case DateHiddenBy::EndOfFileBeforeSection:
        return ScenarioWords::tr("a Ctrl-Z character on line %1 ends the file for the simulator "
                                 "before the environment section")
            .arg(at);
    case DateHiddenBy::LongLine:
        return ScenarioWords::tr("a line of %1 characters earlier in the environment section "
                                 "(line %2) hides the date from the simulator")
            .arg(unread->causeLength)
            .arg(at);
    case DateHiddenBy::EndOfFileMark:
        return ScenarioWords::tr(
                   "a Ctrl-Z character on line %1 ends the file for the simulator before the date")
            .arg(at);
    case DateHiddenBy::BeforeSection:
    case DateHiddenBy::AfterSection:
        return ScenarioWords::tr("its date line lies outside the environment section");
    case DateHiddenBy::SharedLine:
        return ScenarioWords::tr(
            "a lone carriage return joins the date line to the line before it");
    case DateHiddenBy::LaterDateLine:
        break;
    }
    return ScenarioWords::tr("the simulator would read the date on line %1 instead").arg(at);
}

} // namespace

QString ScenarioWords::failure(const ScenarioFailure& failure) {
    const QString where = JoinedWords::quoted(fromStd(failure.path));
    const QString because =
        failure.reason.empty() ? QString() : tr(" (%1)").arg(fromStd(failure.reason));
    const QString date = JoinedWords::quoted(fromStd(failure.dateText));
    QString text;
    bool aboutFile = true;
    switch (failure.kind) {
    case ScenarioFailureKind::NoFolderGiven:
        return tr("No folder was given, so nothing was converted.");
    case ScenarioFailureKind::FolderMissing:
        return tr("The folder %1 does not exist, so nothing was converted.").arg(where);
    case ScenarioFailureKind::NotAFolder:
        return tr("%1 is not a folder, so nothing was converted.").arg(where);
    case ScenarioFailureKind::CannotList:
        return tr("The folder %1 could not be read%2, so nothing was converted.")
            .arg(where, because);
    case ScenarioFailureKind::CannotOpen:
        if (failure.path.empty()) {
            return tr("No scenario file was given, so nothing was converted.");
        }
        text = tr("The file %1 could not be opened%2.").arg(where, because);
        aboutFile = false;
        break;
    case ScenarioFailureKind::NotAFile:
        text = tr("%1 is not a scenario file%2.").arg(where, because);
        aboutFile = false;
        break;
    case ScenarioFailureKind::TooLarge:
        text = tr("The file %1 is too large for a scenario file%2.").arg(where, because);
        break;
    case ScenarioFailureKind::NotText:
        text = tr("The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL "
                  "bytes).")
                   .arg(where);
        break;
    case ScenarioFailureKind::TooManyLines:
        text = tr("The file %1 has more than %2 lines, more than a scenario file may have.")
                   .arg(where)
                   .arg(kMaxScenarioLines);
        break;
    case ScenarioFailureKind::DateNotADate:
        text =
            failure.dateText.empty()
                ? tr("The date field is empty, so %1 could not be converted.").arg(where)
                : tr("The date %1 is not a date, so %2 could not be converted.").arg(date, where);
        break;
    case ScenarioFailureKind::DateOutOfRange:
        text = tr("The date %1 is too late to be written as an MJD, so %2 could not be "
                  "converted.")
                   .arg(date, where);
        break;
    case ScenarioFailureKind::ReadOnly:
        text = tr("The file %1 is read-only%2.").arg(where, because);
        break;
    case ScenarioFailureKind::HardLinked:
    case ScenarioFailureKind::OtherOwner:
        text = tr("The file %1 was not converted%2.").arg(where, because);
        break;
    case ScenarioFailureKind::Changed:
        text = tr("The file %1 changed while being converted: another program wrote or "
                  "replaced it.")
                   .arg(where);
        break;
    case ScenarioFailureKind::LinkOutside:
        text = tr("%1 is a link to a file outside its folder and was skipped.").arg(where);
        aboutFile = false;
        break;
    case ScenarioFailureKind::CannotWrite:
        text = tr("The file %1 could not be written%2.").arg(where, because);
        break;
    case ScenarioFailureKind::DateNotRead:
        text = tr("The file %1 was not converted: %2.").arg(where, unreadReason(failure.unread));
        break;
    }
    QStringList sentences{text};
    if (aboutFile) {
        sentences.append(failure.kind == ScenarioFailureKind::Changed
                             ? tr("It was left as the other program wrote it.")
                             : tr("It was left unchanged."));
    }
    if (failure.folderPass && endsPass(failure.kind)) {
        sentences.append(
            failure.filesWritten == 0 ? tr("No file of the folder had been converted yet.")
            : failure.filesWritten == 1
                ? tr("1 file of the folder had already been converted; the files after it "
                     "were not touched.")
                : tr("%1 files of the folder had already been converted; the files after "
                     "it were not touched.")
                      .arg(failure.filesWritten));
    }
    return JoinedWords::sentences(sentences);
}

namespace {

QString fileCount(std::size_t n) {
    return n == 1 ? ScenarioWords::tr("1 file") : ScenarioWords::tr("%1 files").arg(n);
}

// "a.scn, b.scn and 3 more": the first few names, then a count.
QString someNames(const QStringList& paths) {
    QStringList names;
    for (qsizetype i = 0; i < std::min(paths.size(), kNamedInLine); ++i) {
        names.append(fromStd(fileNameOf(paths[i].toStdString())));
    }
    const QString shown = JoinedWords::items(names);
    return paths.size() > kNamedInLine
               ? ScenarioWords::tr("%1 and %2 more").arg(shown).arg(paths.size() - kNamedInLine)
               : shown;
}

QString leftoverSentence(const QStringList& leftovers) {
    return ScenarioWords::tr(
               "Temporary files of an interrupted earlier run were found and left in place: %1.")
        .arg(someNames(leftovers));
}

} // namespace

PassMessage ScenarioWords::file(const ScenarioFileResult& result) {
    PassMessage message;
    switch (result.outcome) {
    case FileOutcome::Written:
        message.prompt = tr("File Converted");
        message.detail = result.dateLineCount == 1
                             ? tr("1 date line was rewritten.")
                             : tr("%1 date lines were rewritten.").arg(result.dateLineCount);
        break;
    case FileOutcome::NoDateLine:
        message.prompt = tr("File Left Unchanged");
        message.detail = tr("The file has no date line, so it was left as it is.");
        break;
    case FileOutcome::AlreadyAtDate:
        message.prompt = tr("File Left Unchanged");
        message.detail = tr("The file already holds this date, so it was left as it is.");
        break;
    }
    if (!result.leftovers.empty()) {
        message.detail =
            JoinedWords::sentences({message.detail, leftoverSentence(pathsOf(result.leftovers))});
    }
    return message;
}

PassMessage ScenarioWords::folder(const ScenarioFolderResult& result) {
    const ScenarioCounts counts = result.counts();
    PassMessage message;
    message.prompt = counts.refused == 0    ? tr("Folder Converted")
                     : result.files.empty() ? tr("Folder Not Converted")
                                            : tr("Folder Partly Converted");
    QStringList sentences;
    if (result.files.empty() && result.refused.empty()) {
        sentences.append(tr("The folder holds no scenario file, so nothing was changed."));
    } else {
        const QString dateLines =
            counts.dateLines == 1 ? tr("1 date line") : tr("%1 date lines").arg(counts.dateLines);
        sentences.append(tr("%1 written (%2), %3 left unchanged, %4 refused.")
                             .arg(fileCount(counts.written), dateLines)
                             .arg(counts.unchanged)
                             .arg(counts.refused));
    }
    struct Section {
        QString heading;  // over the section's lines in the details
        QString sentence; // the heading and the names in the line, as %1
        QStringList paths;
        QStringList lines; // what the details show for each, the path when empty
    };
    const QStringList refused = pathsOf(result.refused);
    QStringList refusals;
    for (const auto& refusal : result.refused) {
        refusals.append(failure(refusal));
    }
    const Section sections[] = {
        {tr("Refused, left as they were:"), tr("Refused, left as they were: %1."), refused,
         refusals},
        {tr("No date line, left unchanged:"),
         tr("No date line, left unchanged: %1."),
         pathsOf(result.filesWith(FileOutcome::NoDateLine)),
         {}},
        {tr("Already at this date, left unchanged:"),
         tr("Already at this date, left unchanged: %1."),
         pathsOf(result.filesWith(FileOutcome::AlreadyAtDate)),
         {}},
        {tr("Skipped, links to files outside the folder:"),
         tr("Skipped, links to files outside the folder: %1."),
         pathsOf(result.skipped),
         {}},
        {tr("Temporary files of an interrupted earlier run, left in place:"),
         tr("Temporary files of an interrupted earlier run, left in place: %1."),
         pathsOf(result.leftovers),
         {}},
    };
    bool longList = !refused.isEmpty();
    for (const Section& section : sections) {
        if (!section.paths.isEmpty()) {
            sentences.append(section.sentence.arg(someNames(section.paths)));
            longList = longList || section.paths.size() > kNamedInLine;
        }
    }
    message.detail = JoinedWords::sentences(sentences);
    // Every refused file, and every file of a list too long for the line.
    if (longList) {
        QStringList details;
        for (const Section& section : sections) {
            if (!section.paths.isEmpty()) {
                const QStringList& lines = section.lines.isEmpty() ? section.paths : section.lines;
                details.append(section.heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) +
                               QLatin1Char('\n'));
            }
        }
        message.details = details.join(QLatin1Char('\n'));
    }
    return message;
}

QString ScenarioWords::scaleNotes(const ScaleNotes& notes) {
    QStringList sentences;
    if (notes.approximate) {
        sentences.append(tr("Approximate: before 1960 there is no UTC, and TT - UT comes from the "
                            "model of Espenak and Meeus."));
    }
    if (notes.afterLastLeapSecond) {
        sentences.append(tr("TDB assumes no leap second after 2016."));
    }
    if (notes.inLeapSecond) {
        sentences.append(
            tr("The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59."));
    }
    return JoinedWords::sentences(sentences);
}

} // namespace zentadial
