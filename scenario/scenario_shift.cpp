#include "scenario/scenario_shift.h"

#include "scenario/scanned_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace zentadial {
namespace {

// A double carries 15 significant decimal digits for certain.
constexpr int kMostSignificant = 15;
// Beyond the rounding of the digits written, what the arithmetic may add.
constexpr double kUlpsAllowed = 4;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t decimalsOf(std::string_view number) {
    const auto point = number.find('.');
    return point == std::string_view::npos ? 0 : number.size() - point - 1;
}

// One clock of the file, as the scenario notes found it.
struct Found {
    ShiftedItem item;
    ShiftRule rule = ShiftRule::Moves;
    std::size_t offset = 0;  // of its number in the file
    std::string_view number; // empty for a family without one
    std::size_t lineLength = 0;
    bool plain = true; // the number is a word of its own that reads as plainDecimal
};

// The whole word around a number: what %lf read may be the start of a word
// ("51544.5abc") that a shift must not take for the number alone.
std::string_view wordAt(std::string_view bytes, NumberSpan span) {
    std::size_t end = span.offset + span.length;
    while (end < bytes.size() && !isBlank(bytes[end]) && bytes[end] != ';' && bytes[end] != '\r' &&
           bytes[end] != '\n') {
        ++end;
    }
    return bytes.substr(span.offset, end - span.offset);
}

std::size_t lineLengthAt(std::string_view bytes, std::size_t offset) {
    const std::size_t before = bytes.find_last_of("\r\n", offset);
    const std::size_t begin = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t after = bytes.find_first_of("\r\n", offset);
    return (after == std::string_view::npos ? bytes.size() : after) - begin;
}

// The notes that keep time, in file order; a family that moves counts only
// with its number read.
std::vector<Found> recognise(std::string_view bytes) {
    std::vector<Found> found;
    for (const ScenarioNote& note : scenarioNotes(bytes)) {
        const ShiftRule rule = shiftRuleOf(note.family);
        if (rule == ShiftRule::NoTime || (rule == ShiftRule::Moves && !note.value)) {
            continue;
        }
        Found one;
        one.item = ShiftedItem{note.family, note.lineNumber, note.value, {}, {}};
        one.rule = rule;
        if (note.value) {
            one.offset = note.number.offset;
            one.number = wordAt(bytes, note.number);
            one.plain = plainDecimal(one.number).has_value();
            one.lineLength = lineLengthAt(bytes, one.offset);
        }
        found.push_back(std::move(one));
    }
    return found;
}

int integerDigits(double value) {
    const double magnitude = std::fabs(value);
    return magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
}

// At least the decimals the number had, at most 15 significant digits, and
// no trailing zeros beyond those it had.
std::string shiftedNumberText(std::string_view written, double value) {
    const int most = std::max(0, kMostSignificant - integerDigits(value));
    const int keep = std::min(most, static_cast<int>(decimalsOf(written)));
    // to_chars, unlike printf, reads no locale: the point stays a point.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, most);
    std::string number(text, end.ptr);
    if (most > 0) {
        const std::size_t point = number.find('.');
        std::size_t size = number.size();
        while (size > point + 1 + static_cast<std::size_t>(keep) && number[size - 1] == '0') {
            --size;
        }
        if (size == point + 1) {
            --size;
        }
        number.resize(size);
    }
    if (number == "-0") {
        number = "0";
    }
    if (written.starts_with('+') && !number.starts_with('-')) {
        number.insert(0, "+");
    }
    return number;
}

// How far a number read back may lie from the exact sum: half its last digit
// written, and the double's own rounding.
double allowance(std::string_view written, double value) {
    return 0.5 * std::pow(10.0, -static_cast<double>(decimalsOf(written))) +
           kUlpsAllowed * std::fabs(value) * std::numeric_limits<double>::epsilon();
}

bool movedBy(std::string_view written, double after, double before, double days) {
    return std::fabs(after - (before + days)) <= allowance(written, after);
}

std::vector<ShiftedItem> itemsOf(const std::vector<Found>& found) {
    std::vector<ShiftedItem> items;
    for (const Found& one : found) {
        items.push_back(one.item);
    }
    return items;
}

// Decides, for each clock found, whether it moves and to what.
void decide(std::vector<Found>& found, double days, const ShiftOptions& options) {
    for (Found& one : found) {
        if (one.rule == ShiftRule::OwnTime) {
            one.item.stay = ShiftStay::Unmovable;
        } else if (one.item.family == NoteFamily::ElementsEpoch && options.keepElements) {
            one.item.stay = ShiftStay::Asked;
        } else if (one.item.family == NoteFamily::MetStartMjd && one.item.before &&
                   *one.item.before < 0) {
            // -1 until the mission clock is started.
            one.item.stay = ShiftStay::NotAnInstant;
        } else if (one.item.before) {
            one.item.after = *one.item.before + days;
        }
    }
}

std::vector<ShiftedItem> where(const std::vector<Found>& found, auto&& test) {
    std::vector<ShiftedItem> items;
    for (const Found& one : found) {
        if (test(one)) {
            items.push_back(one.item);
        }
    }
    return items;
}

// The file read back: the same clocks in the same lines, each moved one by
// the span to the digits it was written with, each other one unchanged.
std::vector<ShiftedItem> unverified(const std::vector<Found>& before,
                                    const std::vector<Found>& after, double days) {
    if (before.size() != after.size()) {
        return itemsOf(before);
    }
    std::vector<ShiftedItem> wrong;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Found& old = before[i];
        const Found& now = after[i];
        const bool moved = old.item.after.has_value();
        const bool same =
            old.item.family == now.item.family && old.item.lineNumber == now.item.lineNumber &&
            (moved
                 ? now.item.before && movedBy(now.number, *now.item.before, *old.item.before, days)
                 : now.number == old.number);
        if (!same) {
            wrong.push_back(old.item);
        }
    }
    return wrong;
}

} // namespace

std::expected<ShiftedText, ShiftRefusal> shiftScenarioText(std::string_view bytes,
                                                           const ScenarioReading& reading,
                                                           double days,
                                                           const ShiftOptions& options) {
    if (!isScenarioText(bytes)) {
        return std::unexpected(ShiftRefusal{ShiftFailure::NotText});
    }
    if (!reading.date) {
        return std::unexpected(ShiftRefusal{ShiftFailure::PresentMoment});
    }
    auto found = recognise(bytes);
    decide(found, days, options);
    if (auto stuck =
            where(found, [](const Found& one) { return one.item.stay == ShiftStay::Unmovable; });
        !stuck.empty() && !options.force) {
        return std::unexpected(ShiftRefusal{ShiftFailure::Unmovable, std::move(stuck)});
    }
    const auto toMove = [&](const Found& one) { return !one.item.stay && !one.number.empty(); };
    if (auto odd = where(found, [&](const Found& one) { return toMove(one) && !one.plain; });
        !odd.empty()) {
        return std::unexpected(ShiftRefusal{ShiftFailure::NumberForm, std::move(odd)});
    }

    std::string edited(bytes);
    std::vector<ShiftedItem> tooLong;
    for (auto one = found.rbegin(); one != found.rend(); ++one) {
        if (!one->item.after) {
            continue;
        }
        const std::string text = shiftedNumberText(one->number, *one->item.after);
        if (one->lineLength - one->number.size() + text.size() >= kMaxSimulatorLine) {
            tooLong.push_back(one->item);
        }
        edited.replace(one->offset, one->number.size(), text);
    }
    if (!tooLong.empty()) {
        std::reverse(tooLong.begin(), tooLong.end());
        return std::unexpected(ShiftRefusal{ShiftFailure::LongLine, std::move(tooLong)});
    }

    const double mjdAfter = reading.date->mjd + days;
    auto source = DateLineSource::forMjd(
        mjdAfter, options.comment ? options.comment(mjdAfter) : std::string{},
        options.commentSuffix);
    auto text = rewriteScenarioText(edited, source);
    if (!text) {
        switch (text.error().kind) {
        case TextFailure::NotText:
            return std::unexpected(ShiftRefusal{ShiftFailure::NotText});
        case TextFailure::TooManyLines:
            return std::unexpected(ShiftRefusal{ShiftFailure::TooManyLines});
        default:
            return std::unexpected(ShiftRefusal{ShiftFailure::DateNotRead, {}, text.error()});
        }
    }

    // Read back as the simulator and the families read it.
    const ScenarioReading again = readScenario(text->bytes);
    const ShiftedItem dateItem{
        std::nullopt, again.date ? again.date->lineNumber : 0, reading.date->mjd, mjdAfter, {}};
    std::vector<ShiftedItem> wrong;
    if (!again.date || !movedBy(std::string_view(text->bytes)
                                    .substr(again.date->number.offset, again.date->number.length),
                                again.date->mjd, reading.date->mjd, days)) {
        wrong.push_back(dateItem);
    }
    auto more = unverified(found, recognise(text->bytes), days);
    wrong.insert(wrong.end(), more.begin(), more.end());
    if (!wrong.empty()) {
        return std::unexpected(ShiftRefusal{ShiftFailure::NotVerified, std::move(wrong)});
    }

    ShiftedText shifted{std::move(text->bytes), reading.date->mjd, mjdAfter, {dateItem}};
    for (const Found& one : found) {
        shifted.items.push_back(one.item);
    }
    return shifted;
}

} // namespace zentadial
