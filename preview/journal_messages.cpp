#include "preview/journal_messages.h"

#include "platform/journal_location.h"
#include "platform/path_text.h"
#include "scenario/journal_undo.h"
#include "widgets/joined_words.h"

#include <QDateTime>
#include <QLocale>

namespace zentadial {
namespace {

// The message names this many files left as they are; the details, all.
constexpr qsizetype kNamedInDetail = 3;

// The manifest's UTC time in the user's own zone and form.
QString timeText(const std::string& time) {
    const QDateTime utc = QDateTime::fromString(QString::fromStdString(time), Qt::ISODate);
    return utc.isValid() ? QLocale().toString(utc.toLocalTime(), QLocale::ShortFormat)
                         : QString::fromStdString(time);
}

QString failureText(const UndoFailure& failure) {
    switch (failure.kind) {
    case UndoFailureKind::NothingToUndo:
        return JournalMessages::tr("There is no conversion to undo.");
    case UndoFailureKind::NotKept:
        return failure.notKept == NotKept::TooLarge
                   ? JournalMessages::tr("The last conversion was too large for the undo "
                                         "journal, so it cannot be undone. No file was changed.")
                   : JournalMessages::tr("The last conversion could not be written to the undo "
                                         "journal, so it cannot be undone. No file was changed.");
    case UndoFailureKind::JournalDamaged:
        return JournalMessages::tr("The undo journal's record of the last conversion cannot be "
                                   "read. No file was changed.");
    case UndoFailureKind::CannotReadJournal:
        break;
    }
    return JournalMessages::tr("The undo journal could not be read (%1). No file was changed.")
        .arg(QString::fromStdString(failure.reason));
}

// A line for a file that was not put back; empty for one that is as it was.
QString leftAsItIs(const UndoFileResult& file) {
    const QString path = pathFromUtf8(file.path);
    switch (file.state) {
    case UndoFileState::Restored:
    case UndoFileState::AlreadyAsBefore:
        return {};
    case UndoFileState::ChangedSince:
        return JournalMessages::tr("%1: changed since the conversion, left as it is").arg(path);
    case UndoFileState::CopyDamaged:
        return JournalMessages::tr("%1: the undo journal's copy is damaged, left as it is")
            .arg(path);
    case UndoFileState::Failed:
        break;
    }
    if (file.error.kind == FileFailure::Changed) {
        return JournalMessages::tr("%1: another program changed it meanwhile, left as it is")
            .arg(path);
    }
    return JournalMessages::tr("%1: could not be put back (%2), left as it is")
        .arg(path, QString::fromStdString(file.error.reason));
}

} // namespace

std::string JournalMessages::root() {
    return pathToUtf8(journalFolder());
}

QString JournalMessages::notKeptNote(const JournalOutcome& outcome) {
    switch (outcome.state) {
    case JournalState::Kept:
    case JournalState::NothingReplaced:
        return {};
    case JournalState::TooLarge:
        return tr("This conversion is larger than the undo journal keeps (%1 MiB), so it cannot "
                  "be undone.")
            .arg(kJournalMaxBytes / (1024 * 1024));
    case JournalState::CannotWrite:
        break;
    }
    return tr("The undo journal in \"%1\" could not be written (%2), so this conversion cannot be "
              "undone.")
        .arg(journalFolder(), QString::fromStdString(outcome.reason));
}

bool JournalMessages::undoLastConversion(QWidget* over, MessageBoxes& messages, FileSystem& fs) {
    const auto result = undoLastPass(root(), fs);
    if (!result) {
        messages.warn(over, failureText(result.error()), tr("Not Undone"));
        return false;
    }
    int putBack = 0;
    QStringList left;
    QStringList details;
    for (const UndoFileResult& file : result->files) {
        if (file.state == UndoFileState::Restored) {
            ++putBack;
            details.append(tr("%1: put back").arg(pathFromUtf8(file.path)));
        } else if (const QString line = leftAsItIs(file); !line.isEmpty()) {
            left.append(line);
            details.append(line);
        }
    }
    QString detail = tr("Files put back as they were before the conversion of %1: %2.")
                         .arg(timeText(result->time), QString::number(putBack));
    if (!left.isEmpty()) {
        detail =
            JoinedWords::sentences({detail, tr("Files left as they are: %1.").arg(left.size())}) +
            QLatin1Char('\n') + left.mid(0, kNamedInDetail).join(QLatin1Char('\n'));
        if (left.size() > kNamedInDetail) {
            detail += QLatin1Char('\n') +
                      tr("and %1 more (see the details)").arg(left.size() - kNamedInDetail);
        }
    }
    if (const QString note = notKeptNote(result->journal); !note.isEmpty()) {
        detail += QLatin1Char('\n') + note;
    }
    messages.inform(over, left.isEmpty() ? tr("Conversion Undone") : tr("Conversion Partly Undone"),
                    tr("Finished"), detail, details.join(QLatin1Char('\n')));
    return putBack > 0;
}

} // namespace zentadial
