#include "preview/reading_words.h"

namespace zentadial {
namespace {

QString hiddenBy(const HiddenDateLine& line) {
    const QString cause = QString::number(line.causeLine);
    switch (line.by) {
    case DateHiddenBy::NoSection:
        return ReadingWords::tr("no line starts with BEGIN_ENVIRONMENT");
    case DateHiddenBy::MarkBeforeSection:
        return ReadingWords::tr("a byte-order mark stands before BEGIN_ENVIRONMENT");
    case DateHiddenBy::IndentedSection:
        return ReadingWords::tr("BEGIN_ENVIRONMENT is indented");
    case DateHiddenBy::EndOfFileBeforeSection:
        return ReadingWords::tr("a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT")
            .arg(cause);
    case DateHiddenBy::LongLine:
        return ReadingWords::tr("line %1, of %2 characters, hides the rest of the section")
            .arg(cause)
            .arg(line.causeLength);
    case DateHiddenBy::EndOfFileMark:
        return ReadingWords::tr("a Ctrl-Z on line %1 ends the file").arg(cause);
    case DateHiddenBy::BeforeSection:
        return ReadingWords::tr("it stands above BEGIN_ENVIRONMENT");
    case DateHiddenBy::AfterSection:
        return ReadingWords::tr("it stands below END_ENVIRONMENT");
    case DateHiddenBy::SharedLine:
        return ReadingWords::tr("a lone carriage return joins it to the line before");
    case DateHiddenBy::LaterDateLine:
        return ReadingWords::tr("the date of line %1 is read instead").arg(cause);
    }
    return {};
}

} // namespace

QStringList ReadingWords::notes(const ScenarioReading& reading) {
    QStringList notes;
    if (!reading.date) {
        switch (reading.presentCause) {
        case PresentMomentCause::NoDateLine:
            notes.append(tr("no date line: the simulator starts it at the present moment"));
            break;
        case PresentMomentCause::NoNumber:
            notes.append(tr("its date line has no number: it starts at the present moment"));
            break;
        case PresentMomentCause::Hidden:
            notes.append(tr("the simulator reads none of its date lines and starts it at the "
                            "present moment"));
            break;
        }
    } else if (reading.date->kind != DateKind::Mjd) {
        notes.append(
            reading.date->kind == DateKind::Jd
                ? tr("line %1 gives the date as a Julian Date").arg(reading.date->lineNumber)
                : tr("line %1 gives the date as a Julian epoch year")
                      .arg(reading.date->lineNumber));
    }
    for (const HiddenDateLine& hidden : reading.hidden) {
        if (hidden.by != DateHiddenBy::LaterDateLine) {
            notes.append(tr("the simulator does not read the date line %1: %2")
                             .arg(hidden.lineNumber)
                             .arg(hiddenBy(hidden)));
        }
    }
    return notes;
}

} // namespace zentadial
