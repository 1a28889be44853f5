#include "preview/shift_words.h"

#include "platform/path_text.h"
#include "widgets/joined_words.h"
#include "widgets/scenario_words.h"

namespace zentadial {
namespace {

QString keyName(const std::optional<NoteFamily>& family) {
    if (!family) {
        return ShiftWords::tr("the date line");
    }
    switch (*family) {
    case NoteFamily::ElementsEpoch:
        return ShiftWords::tr("an ELEMENTS epoch");
    case NoteFamily::LaunchMjd:
        return QStringLiteral("LAUNCH_MJD");
    case NoteFamily::MetStartMjd:
        return QStringLiteral("MET_STARTING_MJD");
    case NoteFamily::TransferPlanDate:
        return ShiftWords::tr("a TransX plan");
    case NoteFamily::TransferPlanData:
        return ShiftWords::tr("Interplanetary MFD plan data");
    case NoteFamily::Playback:
        return ShiftWords::tr("a playback recording");
    case NoteFamily::GuidanceMemory:
        return ShiftWords::tr("a guidance-computer memory image");
    case NoteFamily::StateVectors:
    case NoteFamily::Landed:
        break; // they keep no time, so a shift never names them
    }
    return {};
}

// "a TransX plan (line 34), LAUNCH_MJD (line 40)".
QString itemsText(const std::vector<ShiftedItem>& items) {
    QStringList names;
    for (const ShiftedItem& item : items) {
        names.append(ShiftWords::tr("%1 (line %2)")
                         .arg(keyName(item.family))
                         .arg(static_cast<qulonglong>(item.lineNumber)));
    }
    return JoinedWords::items(names);
}

} // namespace

QString ShiftWords::failure(const ShiftFileFailure& failure) {
    const QString name = pathFromUtf8(failure.path);
    if (failure.file) {
        return ScenarioWords::failure(
            ScenarioFailure{.kind = *failure.file, .path = failure.path, .reason = failure.reason});
    }
    switch (failure.refusal->kind) {
    case ShiftFailure::NotText:
        return tr("%1 is not a text scenario.").arg(name);
    case ShiftFailure::TooManyLines:
        return tr("%1 has more lines than a scenario can have.").arg(name);
    case ShiftFailure::PresentMoment:
        return tr("%1 starts at the present moment: it has no date to move from.").arg(name);
    case ShiftFailure::Unmovable:
        return tr("%1 holds %2, whose times cannot move with the date.")
            .arg(name, itemsText(failure.refusal->items));
    case ShiftFailure::NumberForm:
        return tr("%1: %2 is not written as a plain decimal number.")
            .arg(name, itemsText(failure.refusal->items));
    case ShiftFailure::LongLine:
        return tr("%1: moving %2 would make its line longer than the simulator reads.")
            .arg(name, itemsText(failure.refusal->items));
    case ShiftFailure::DateNotRead:
        return tr("%1: the simulator would not start the result at the new date.").arg(name);
    case ShiftFailure::NotVerified:
        return tr("%1: read back, %2 did not move by exactly the span.")
            .arg(name, itemsText(failure.refusal->items));
    case ShiftFailure::AlreadyShifted:
        return tr("%1 was already moved by this span.").arg(name);
    }
    return name;
}

} // namespace zentadial
