#include "scenario/failure_kind.h"

namespace zentadial {

ScenarioFailureKind failureKindOf(FileFailure failure) {
    switch (failure) {
    case FileFailure::CannotOpen:
        return ScenarioFailureKind::CannotOpen;
    case FileFailure::NotAFile:
        return ScenarioFailureKind::NotAFile;
    case FileFailure::TooLarge:
        return ScenarioFailureKind::TooLarge;
    case FileFailure::ReadOnly:
        return ScenarioFailureKind::ReadOnly;
    case FileFailure::HardLinked:
        return ScenarioFailureKind::HardLinked;
    case FileFailure::OtherOwner:
        return ScenarioFailureKind::OtherOwner;
    case FileFailure::Changed:
        return ScenarioFailureKind::Changed;
    case FileFailure::CannotWrite:
        break;
    }
    return ScenarioFailureKind::CannotWrite;
}

ScenarioFailureKind failureKindOf(TextFailure failure) {
    switch (failure) {
    case TextFailure::NotText:
        return ScenarioFailureKind::NotText;
    case TextFailure::TooManyLines:
        return ScenarioFailureKind::TooManyLines;
    case TextFailure::DateOutOfRange:
        return ScenarioFailureKind::DateOutOfRange;
    case TextFailure::DateNotRead:
        return ScenarioFailureKind::DateNotRead;
    case TextFailure::DateNotADate:
        break;
    }
    return ScenarioFailureKind::DateNotADate;
}

std::unexpected<ScenarioFailure> fileFailure(ScenarioFailureKind kind, const std::string& path,
                                             std::string reason, const DateLineSource& dateLine) {
    const bool aboutDate =
        kind == ScenarioFailureKind::DateNotADate || kind == ScenarioFailureKind::DateOutOfRange;
    return std::unexpected(ScenarioFailure{.kind = kind,
                                           .path = path,
                                           .reason = std::move(reason),
                                           .dateText = aboutDate ? dateLine.dateText() : ""});
}

} // namespace zentadial
