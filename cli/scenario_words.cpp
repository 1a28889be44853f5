#include "cli/scenario_words.h"

#include "scenario/scenario_text.h"

namespace zentadial {
namespace {

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Why the simulator would miss the date written.
std::string unreadReason(const std::optional<HiddenDateLine>& unread) {
    if (!unread) {
        return "the simulator would not read the date written";
    }
    const std::string at = std::to_string(unread->causeLine);
    switch (unread->by) {
    case DateHiddenBy::NoSection:
        return "it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read";
    case DateHiddenBy::MarkBeforeSection:
        return "a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from "
               "the simulator";
    case DateHiddenBy::IndentedSection:
        return "BEGIN_ENVIRONMENT on line " + at +
               " is indented, so the simulator finds no environment section";
    case DateHiddenBy::EndOfFileBeforeSection:
        return "a Ctrl-Z character on line " + at +
               " ends the file for the simulator before the environment section";
    case DateHiddenBy::LongLine:
        return "a line of " + std::to_string(unread->causeLength) +
               " characters earlier in the environment section (line " + at +
               ") hides the date from the simulator";
    case DateHiddenBy::EndOfFileMark:
        return "a Ctrl-Z character on line " + at +
               " ends the file for the simulator before the date";
    case DateHiddenBy::BeforeSection:
    case DateHiddenBy::AfterSection:
        return "its date line lies outside the environment section";
    case DateHiddenBy::SharedLine:
        return "a lone carriage return joins the date line to the line before it";
    case DateHiddenBy::LaterDateLine:
        break;
    }
    return "the simulator would read the date on line " + at + " instead";
}

} // namespace

std::string countOf(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string failureText(const ScenarioFailure& failure) {
    const std::string where = inQuotes(failure.path);
    const std::string because = failure.reason.empty() ? "" : " (" + failure.reason + ")";
    std::string text;
    bool aboutFile = true;
    switch (failure.kind) {
    case ScenarioFailureKind::NoFolderGiven:
        return "no folder was given.";
    case ScenarioFailureKind::FolderMissing:
        return "the folder " + where + " does not exist.";
    case ScenarioFailureKind::NotAFolder:
        return where + " is not a folder.";
    case ScenarioFailureKind::CannotList:
        return "the folder " + where + " could not be read" + because + ".";
    case ScenarioFailureKind::CannotOpen:
        if (failure.path.empty()) {
            return "no scenario file was given.";
        }
        text = "the file " + where + " could not be opened" + because + ".";
        aboutFile = false;
        break;
    case ScenarioFailureKind::NotAFile:
        text = where + " is not a scenario file" + because + ".";
        aboutFile = false;
        break;
    case ScenarioFailureKind::TooLarge:
        text = "the file " + where + " is too large for a scenario file" + because + ".";
        break;
    case ScenarioFailureKind::NotText:
        text = "the file " + where +
               " is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).";
        break;
    case ScenarioFailureKind::TooManyLines:
        text = "the file " + where + " has more than " + std::to_string(kMaxScenarioLines) +
               " lines, more than a scenario file may have.";
        break;
    case ScenarioFailureKind::DateNotADate:
        text = "the date " + inQuotes(failure.dateText) + " is not a date, so " + where +
               " could not be rewritten.";
        break;
    case ScenarioFailureKind::DateOutOfRange:
        text = "the date " + inQuotes(failure.dateText) +
               " is too late to be written as an MJD, so " + where + " could not be rewritten.";
        break;
    case ScenarioFailureKind::ReadOnly:
        text = "the file " + where + " is read-only" + because + ".";
        break;
    case ScenarioFailureKind::HardLinked:
    case ScenarioFailureKind::OtherOwner:
        text = "the file " + where + " was not rewritten" + because + ".";
        break;
    case ScenarioFailureKind::Changed:
        text = "the file " + where +
               " changed while being rewritten: another program wrote or replaced it.";
        break;
    case ScenarioFailureKind::LinkOutside:
        text = where + " is a link to a file outside its folder and was skipped.";
        aboutFile = false;
        break;
    case ScenarioFailureKind::CannotWrite:
        text = "the file " + where + " could not be written" + because + ".";
        break;
    case ScenarioFailureKind::DateNotRead:
        text = "the file " + where + " was not rewritten: " + unreadReason(failure.unread) + ".";
        break;
    }
    if (aboutFile) {
        text += failure.kind == ScenarioFailureKind::Changed
                    ? " It was left as the other program wrote it."
                    : " It was left unchanged.";
    }
    return text;
}

std::string_view failureKey(ScenarioFailureKind kind) {
    switch (kind) {
    case ScenarioFailureKind::NoFolderGiven:
        return "no-folder-given";
    case ScenarioFailureKind::FolderMissing:
        return "folder-missing";
    case ScenarioFailureKind::NotAFolder:
        return "not-a-folder";
    case ScenarioFailureKind::CannotList:
        return "cannot-list";
    case ScenarioFailureKind::CannotOpen:
        return "cannot-open";
    case ScenarioFailureKind::NotAFile:
        return "not-a-file";
    case ScenarioFailureKind::TooLarge:
        return "too-large";
    case ScenarioFailureKind::NotText:
        return "not-text";
    case ScenarioFailureKind::TooManyLines:
        return "too-many-lines";
    case ScenarioFailureKind::DateNotADate:
        return "date-not-a-date";
    case ScenarioFailureKind::DateOutOfRange:
        return "date-out-of-range";
    case ScenarioFailureKind::ReadOnly:
        return "read-only";
    case ScenarioFailureKind::HardLinked:
        return "hard-linked";
    case ScenarioFailureKind::OtherOwner:
        return "other-owner";
    case ScenarioFailureKind::Changed:
        return "changed";
    case ScenarioFailureKind::LinkOutside:
        return "link-outside";
    case ScenarioFailureKind::DateNotRead:
        return "date-not-read";
    case ScenarioFailureKind::CannotWrite:
        break;
    }
    return "cannot-write";
}

std::string scaleNotesText(const ScaleNotes& notes) {
    std::string text;
    const auto add = [&text](std::string_view sentence) {
        text.append(text.empty() ? "" : " ").append(sentence);
    };
    if (notes.approximate) {
        add("Approximate: before 1960 there is no UTC, and TT - UT comes from the model of "
            "Espenak and Meeus.");
    }
    if (notes.afterLastLeapSecond) {
        add("TDB assumes no leap second after 2016.");
    }
    if (notes.inLeapSecond) {
        add("The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.");
    }
    return text;
}

} // namespace zentadial
