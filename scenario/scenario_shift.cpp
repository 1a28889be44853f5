#include "scenario/scenario_shift.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace zentadial {
namespace {

// A double carries 15 significant decimal digits for certain.
constexpr int kMostSignificant = 15;
constexpr std::size_t kNoNumber = std::numeric_limits<std::size_t>::max();
// Beyond the rounding of the digits written, what the arithmetic may add.
constexpr double kUlpsAllowed = 4;

enum class Block { Ships, Environment, Mfd };
enum class Meaning { Instant, Unmovable };

// One family of keys: the first word of a line in a block, and which number
// after it holds the instant. Facts from public scenario files and the
// add-ons' published sources.
struct KeyFamily {
    ShiftKey key;
    std::string_view word; // any case
    Block block;
    std::string_view value; // the rest of the line, any case, when the word alone is not enough
    std::size_t field;      // the instant among the numbers after the word
    Meaning meaning;
    bool negativeIsUnset; // a negative value marks "not started", not an instant
};

constexpr std::array kFamilies{
    // ELEMENTS a e i theta omegab L epoch: the simulator propagates the orbit
    // from the epoch.
    KeyFamily{ShiftKey::Elements, "ELEMENTS", Block::Ships, {}, 6, Meaning::Instant, false},
    KeyFamily{ShiftKey::LaunchMjd, "LAUNCH_MJD", Block::Ships, {}, 0, Meaning::Instant, false},
    // -1 until the mission clock is started.
    KeyFamily{
        ShiftKey::MetStartingMjd, "MET_STARTING_MJD", Block::Ships, {}, 0, Meaning::Instant, true},
    // The plan's stages keep their own dates and burn times in the MFD's
    // state, not as plain MJDs the tool could tell apart.
    KeyFamily{ShiftKey::TransferPlan, "MODE", Block::Mfd, "TransX", kNoNumber, Meaning::Unmovable,
              false},
    // Erasable memory counts time in the computer's own units from its own
    // epoch.
    KeyFamily{ShiftKey::GuidanceMemory,
              "AGC_BEGIN",
              Block::Ships,
              {},
              kNoNumber,
              Meaning::Unmovable,
              false},
    // A recording replays at the times it was recorded.
    KeyFamily{ShiftKey::Playback,
              "PLAYBACK",
              Block::Environment,
              {},
              kNoNumber,
              Meaning::Unmovable,
              false},
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsAnyCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

struct Token {
    std::string_view text;
    std::size_t at = 0; // within the line
};

// The words of a line before any ';' comment, split at blanks and tabs.
std::vector<Token> tokensOf(std::string_view line) {
    const std::string_view text = line.substr(0, line.find(';'));
    std::vector<Token> tokens;
    for (std::size_t pos = 0; pos < text.size();) {
        while (pos < text.size() && isBlank(text[pos])) {
            ++pos;
        }
        const std::size_t begin = pos;
        while (pos < text.size() && !isBlank(text[pos])) {
            ++pos;
        }
        if (pos > begin) {
            tokens.push_back({text.substr(begin, pos - begin), begin});
        }
    }
    return tokens;
}

std::string_view restAfter(std::string_view line, const Token& word) {
    std::string_view rest = line.substr(0, line.find(';')).substr(word.at + word.text.size());
    while (!rest.empty() && isBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    while (!rest.empty() && isBlank(rest.back())) {
        rest.remove_suffix(1);
    }
    return rest;
}

// A number in the one form a shift writes back: a sign, digits, a point and
// digits; no exponent, no hexadecimal.
std::optional<double> plainDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos ||
        text.find_first_of("0123456789") == std::string_view::npos ||
        std::count(text.begin(), text.end(), '.') > 1) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::size_t decimalsOf(std::string_view number) {
    const auto point = number.find('.');
    return point == std::string_view::npos ? 0 : number.size() - point - 1;
}

struct Found {
    ShiftedItem item;
    const KeyFamily* family = nullptr;
    std::size_t offset = 0; // of the number in the file
    std::string_view number;
    std::size_t lineLength = 0;
    bool plain = true; // the number reads as plainDecimal
};

std::optional<Found> recogniseLine(std::string_view line, std::size_t lineNumber,
                                   std::size_t lineOffset, Block block) {
    const auto tokens = tokensOf(line);
    if (tokens.empty()) {
        return std::nullopt;
    }
    for (const KeyFamily& family : kFamilies) {
        if (family.block != block || !equalsAnyCase(tokens.front().text, family.word) ||
            (!family.value.empty() &&
             !equalsAnyCase(restAfter(line, tokens.front()), family.value))) {
            continue;
        }
        Found found{ShiftedItem{family.key, lineNumber, {}, {}, {}}, &family, 0, {}, line.size()};
        if (family.field != kNoNumber) {
            if (family.field + 1 >= tokens.size()) {
                return std::nullopt; // too short to be the family's line
            }
            const Token& token = tokens[family.field + 1];
            found.offset = lineOffset + token.at;
            found.number = token.text;
            const auto value = plainDecimal(token.text);
            found.plain = value.has_value();
            found.item.before = value;
        }
        return found;
    }
    return std::nullopt;
}

struct BlockMarks {
    std::string_view begin;
    std::string_view end;
    Block block;
};
// The vessels' blocks, and the MFDs' saved states ("BEGIN_MFD Left").
constexpr std::array kBlockMarks{BlockMarks{"BEGIN_SHIPS", "END_SHIPS", Block::Ships},
                                 BlockMarks{"BEGIN_MFD", "END_MFD", Block::Mfd},
                                 BlockMarks{"BEGIN_ExtMFD", "END_ExtMFD", Block::Mfd}};

std::vector<Found> recognise(std::string_view bytes, const ScenarioReading& reading) {
    std::vector<Found> found;
    const BlockMarks* open = nullptr;
    forEachLine(bytes, [&](std::size_t number, std::string_view line) {
        const auto tokens = tokensOf(line);
        const std::string_view first = tokens.empty() ? std::string_view{} : tokens.front().text;
        for (const BlockMarks& marks : kBlockMarks) {
            if (open == nullptr && equalsAnyCase(first, marks.begin)) {
                open = &marks;
                return true;
            }
        }
        if (open != nullptr && equalsAnyCase(first, open->end)) {
            open = nullptr;
            return true;
        }
        const bool inEnvironment =
            reading.section && number > reading.section->first && number < reading.section->last;
        if (open == nullptr && !inEnvironment) {
            return true;
        }
        const auto offset = static_cast<std::size_t>(line.data() - bytes.data());
        if (auto item = recogniseLine(line, number, offset,
                                      open != nullptr ? open->block : Block::Environment)) {
            found.push_back(std::move(*item));
        }
        return true;
    });
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
        if (one.family->meaning == Meaning::Unmovable) {
            one.item.stay = ShiftStay::Unmovable;
        } else if (one.item.key == ShiftKey::Elements && options.keepElements) {
            one.item.stay = ShiftStay::Asked;
        } else if (one.family->negativeIsUnset && one.item.before && *one.item.before < 0) {
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
            old.item.key == now.item.key && old.item.lineNumber == now.item.lineNumber &&
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

std::vector<ShiftedItem> recogniseClocks(std::string_view bytes, const ScenarioReading& reading) {
    return itemsOf(recognise(bytes, reading));
}

std::expected<ShiftedText, ShiftRefusal> shiftScenarioText(std::string_view bytes,
                                                           const ScenarioReading& reading,
                                                           double days,
                                                           const ShiftOptions& options) {
    if (!reading.date) {
        return std::unexpected(ShiftRefusal{ShiftFailure::PresentMoment});
    }
    auto found = recognise(bytes, reading);
    decide(found, days, options);
    if (auto stuck =
            where(found, [](const Found& one) { return one.item.stay == ShiftStay::Unmovable; });
        !stuck.empty() && !options.force) {
        return std::unexpected(ShiftRefusal{ShiftFailure::Unmovable, std::move(stuck)});
    }
    const auto toMove = [&](const Found& one) {
        return !one.item.stay && one.family->field != kNoNumber;
    };
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
    const ShiftedItem dateItem{ShiftKey::DateLine,
                               again.date ? again.date->lineNumber : 0,
                               reading.date->mjd,
                               mjdAfter,
                               {}};
    std::vector<ShiftedItem> wrong;
    if (!again.date || !movedBy(std::string_view(text->bytes)
                                    .substr(again.date->number.offset, again.date->number.length),
                                again.date->mjd, reading.date->mjd, days)) {
        wrong.push_back(dateItem);
    }
    auto more = unverified(found, recognise(text->bytes, again), days);
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
