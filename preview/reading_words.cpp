#include "preview/reading_words.h"

#include <algorithm>
#include <cmath>
#include <map>

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

QStringList ReadingWords::notes(const std::vector<ScenarioNote>& notes,
                                const std::optional<SimulatorDate>& date) {
    std::map<NoteFamily, int> counts;
    double farthestEpoch = 0; // days between an elements epoch and the date
    for (const ScenarioNote& note : notes) {
        ++counts[note.family];
        if (note.family == NoteFamily::ElementsEpoch && note.value && date) {
            farthestEpoch = std::max(farthestEpoch, std::abs(*note.value - date->mjd));
        }
    }
    QStringList words;
    for (const auto& [family, count] : counts) {
        switch (family) {
        case NoteFamily::ElementsEpoch:
            words.append(date ? tr("vessels given by elements: %1, epochs up to %2 days from the "
                                   "date")
                                    .arg(count)
                                    .arg(farthestEpoch, 0, 'f', 1)
                              : tr("vessels given by elements: %1").arg(count));
            break;
        case NoteFamily::StateVectors:
            words.append(tr("vessels given by state vectors: %1").arg(count));
            break;
        case NoteFamily::Landed:
            words.append(tr("landed vessels: %1").arg(count));
            break;
        case NoteFamily::LaunchMjd:
            words.append(tr("launch MJDs (LAUNCH_MJD): %1").arg(count));
            break;
        case NoteFamily::MetStartMjd:
            words.append(tr("mission clock starts (MET_STARTING_MJD): %1").arg(count));
            break;
        case NoteFamily::TransferPlanDate:
        case NoteFamily::TransferPlanData:
            words.append(tr("dates stored by a transfer planner: %1").arg(count));
            break;
        case NoteFamily::Playback:
            words.append(tr("a recorded flight (Playback)"));
            break;
        case NoteFamily::GuidanceMemory:
            words.append(tr("a guidance computer's memory image (AGC_BEGIN)"));
            break;
        }
    }
    words.removeDuplicates();
    return words;
}

} // namespace zentadial
