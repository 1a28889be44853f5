#include "cli/shift_words.h"

#include "cli/argument_bytes.h"
#include "cli/field_output.h"
#include "cli/file_report.h"
#include "cli/scenario_words.h"
#include "core/number_text.h"

#include <cmath>
#include <map>

namespace zentadial {
namespace {

constexpr double kMinutesPerDay = 24 * 60;

std::string number(double value) {
    std::string text = spacedNumberText(value);
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

std::string_view keyWords(std::optional<NoteFamily> family, bool many) {
    if (!family) {
        return many ? "date lines" : "date line";
    }
    switch (*family) {
    case NoteFamily::ElementsEpoch:
        return many ? "ELEMENTS epochs" : "ELEMENTS epoch";
    case NoteFamily::TransferPlanDate:
        return many ? "TransX plan dates" : "TransX plan date";
    case NoteFamily::TransferPlanData:
        return "Interplanetary MFD plan data";
    case NoteFamily::Playback:
        return "Playback recording";
    case NoteFamily::GuidanceMemory:
        return many ? "guidance-computer memory images" : "guidance-computer memory image";
    default:
        break;
    }
    return noteKey(*family);
}

std::string_view stayKey(ShiftStay stay) {
    switch (stay) {
    case ShiftStay::Asked:
        return "asked";
    case ShiftStay::NotAnInstant:
        return "not-started";
    case ShiftStay::Unmovable:
        break;
    }
    return "own-time";
}

std::string_view stayWords(ShiftStay stay) {
    switch (stay) {
    case ShiftStay::Asked:
        return " (kept as asked)";
    case ShiftStay::NotAnInstant:
        return " (not started: no date to move)";
    case ShiftStay::Unmovable:
        return " (its own time base, left as it was: it no longer matches the date)";
    }
    return {};
}

// "3 ELEMENTS epochs, LAUNCH_MJD (line 40)".
std::string listOf(const std::vector<ShiftedItem>& items, bool withStay) {
    std::map<std::pair<std::optional<NoteFamily>, int>, std::vector<std::size_t>> lines;
    for (const auto& item : items) {
        const int stay = item.stay ? static_cast<int>(*item.stay) + 1 : 0;
        lines[{item.family, stay}].push_back(item.lineNumber);
    }
    std::string text;
    for (const auto& [key, at] : lines) {
        text += text.empty() ? "" : ", ";
        text += at.size() == 1
                    ? std::string(keyWords(key.first, false)) + " (line " +
                          std::to_string(at.front()) + ")"
                    : std::to_string(at.size()) + " " + std::string(keyWords(key.first, true));
        if (withStay && key.second != 0) {
            text += stayWords(static_cast<ShiftStay>(key.second - 1));
        }
    }
    return text;
}

std::vector<ShiftedItem> select(const std::vector<ShiftedItem>& items, bool moved) {
    std::vector<ShiftedItem> chosen;
    for (const auto& item : items) {
        if (item.after.has_value() == moved && (moved || item.stay)) {
            chosen.push_back(item);
        }
    }
    return chosen;
}

std::string fileWords(ScenarioFailureKind kind, const std::string& path,
                      const std::string& reason) {
    return failureText(ScenarioFailure{.kind = kind, .path = path, .reason = reason});
}

} // namespace

std::string spanWords(double days) {
    std::string text =
        (days < 0 ? "" : "+") + number(days) + (std::fabs(days) == 1 ? " day" : " days");
    if (std::fabs(days) < 1 && days != 0) {
        text += " (" + std::string(days < 0 ? "" : "+") + number(days * kMinutesPerDay) + " min)";
    }
    return text;
}

std::string shiftResultWords(const ShiftFileResult& result) {
    std::string text = "MJD " + number(result.mjdBefore) + " -> " + number(result.mjdAfter);
    std::vector<ShiftedItem> others(result.items.begin() + (result.items.empty() ? 0 : 1),
                                    result.items.end());
    if (const auto moved = select(others, true); !moved.empty()) {
        text += "; also moved: " + listOf(moved, false);
    }
    if (const auto stayed = select(others, false); !stayed.empty()) {
        text += "; not moved: " + listOf(stayed, true);
    }
    return text;
}

std::string shiftFailureWords(const ShiftFileFailure& failure) {
    const std::string path = printableBytes(failure.path);
    if (failure.file) {
        return fileWords(*failure.file, path, failure.reason);
    }
    const ShiftRefusal& refusal = *failure.refusal;
    const std::string head = "\"" + path + "\" was not shifted: ";
    switch (refusal.kind) {
    case ShiftFailure::NotText:
        return head + "it is not a text scenario (UTF-16 or UTF-32, or NUL bytes).";
    case ShiftFailure::TooManyLines:
        return head + "it has more lines than a scenario can have.";
    case ShiftFailure::PresentMoment:
        return head + "it starts at the present moment, so it has no date to shift from.";
    case ShiftFailure::Unmovable:
        return head + "it holds " + listOf(refusal.items, false) +
               ", whose times cannot be moved and would no longer match the date; "
               "--force shifts it anyway.";
    case ShiftFailure::NumberForm:
        return head + "the numbers of " + listOf(refusal.items, false) +
               " are not written as plain decimals.";
    case ShiftFailure::LongLine:
        return head + "moving " + listOf(refusal.items, false) +
               " would make its line longer than the simulator reads.";
    case ShiftFailure::DateNotRead:
        return head + "the simulator would not start the result at the new date.";
    case ShiftFailure::NotVerified:
        return head + "read back, " + listOf(refusal.items, false) +
               " did not move by exactly the span.";
    case ShiftFailure::AlreadyShifted:
        return head + "pass " + std::to_string(failure.shiftedBy) +
               " already shifted it by the same span; --again shifts it once more.";
    }
    return head;
}

std::string_view shiftFailureKey(const ShiftFileFailure& failure) {
    if (failure.file) {
        return failureKey(*failure.file);
    }
    switch (failure.refusal->kind) {
    case ShiftFailure::NotText:
        return failureKey(ScenarioFailureKind::NotText);
    case ShiftFailure::TooManyLines:
        return failureKey(ScenarioFailureKind::TooManyLines);
    case ShiftFailure::PresentMoment:
        return "present-moment";
    case ShiftFailure::Unmovable:
        return "unmovable";
    case ShiftFailure::NumberForm:
        return "number-form";
    case ShiftFailure::LongLine:
        return "long-line";
    case ShiftFailure::DateNotRead:
        return failureKey(ScenarioFailureKind::DateNotRead);
    case ShiftFailure::NotVerified:
        return "not-verified";
    case ShiftFailure::AlreadyShifted:
        break;
    }
    return "already-shifted";
}

std::string shiftItemsJson(const ShiftFileResult& result) {
    std::string moved;
    std::string stayed;
    for (const auto& item : result.items) {
        if (!item.family) {
            continue; // the date line: the old and new dates say it
        }
        const std::string head = "{\"kind\":\"" + std::string(noteKey(*item.family)) +
                                 "\",\"line\":" + std::to_string(item.lineNumber);
        if (item.after) {
            moved += (moved.empty() ? "" : ",") + head + ",\"before\":" + jsonNumber(item.before) +
                     ",\"after\":" + jsonNumber(item.after) + "}";
        } else if (item.stay) {
            stayed += (stayed.empty() ? "" : ",") + head + ",\"why\":\"" +
                      std::string(stayKey(*item.stay)) + "\"}";
        }
    }
    return ",\"moved\":[" + moved + "],\"notMoved\":[" + stayed + "]";
}

} // namespace zentadial
