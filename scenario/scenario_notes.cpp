#include "scenario/scenario_notes.h"

#include "scenario/scanned_number.h"
#include "scenario/scenario_text.h"

#include <algorithm>
#include <array>

namespace zentadial {
namespace {

enum class Block { Environment, Vessel, Mfd };

// A field that is whichever number of the line reads as a date: one with a
// fraction of a day, between 1900 and 2100.
constexpr int kMjdLikeField = -1;
constexpr double kEarliestMjd = 15020.0; // 1 January 1900
constexpr double kLatestMjd = 88069.0;   // 1 January 2100

// One key family: where it counts, the key that opens its line (any case),
// and which of the numbers after the key is the MJD (from 1; 0: none).
struct Recogniser {
    NoteFamily family;
    Block block;
    std::string_view mfdMode; // the MODE of the MFD block it belongs to
    std::string_view key;
    std::string_view word; // the word that must follow the key, if any
    int field;
    bool onNextLine; // the key is a label; the numbers stand on the line after it
};

constexpr std::array kRecognisers{
    // The seventh of a, e, i, longitude of the node, of periapsis, mean longitude, epoch.
    Recogniser{NoteFamily::ElementsEpoch, Block::Vessel, {}, "ELEMENTS", {}, 7, false},
    Recogniser{NoteFamily::StateVectors, Block::Vessel, {}, "RPOS", {}, 0, false},
    Recogniser{NoteFamily::Landed, Block::Vessel, {}, "STATUS", "Landed", 0, false},
    Recogniser{NoteFamily::LaunchMjd, Block::Vessel, {}, "LAUNCH_MJD", {}, 1, false},
    Recogniser{NoteFamily::MetStartMjd, Block::Vessel, {}, "MET_STARTING_MJD", {}, 1, false},
    // "Man. date", then " 1  43373.5263168": a flag, then the date.
    Recogniser{NoteFamily::TransferPlanDate, Block::Mfd, "TransX", "Man. date", {}, 2, true},
    Recogniser{NoteFamily::TransferPlanData,
               Block::Mfd,
               "Interplanetary",
               "Data",
               {},
               kMjdLikeField,
               false},
    Recogniser{NoteFamily::Playback, Block::Environment, {}, "Playback", {}, 0, false},
    // Its erasable memory up to AGC_END; the key opens a line at column 0.
    Recogniser{NoteFamily::GuidanceMemory, Block::Vessel, {}, "AGC_BEGIN", {}, 0, false},
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalAnyCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool startsAnyCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && equalAnyCase(text.substr(0, start.size()), start);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The words of a line, each with its place in the line.
struct Word {
    std::string_view text;
    std::size_t at = 0;
};

std::vector<Word> wordsOf(std::string_view line) {
    std::vector<Word> words;
    for (std::size_t pos = 0; pos < line.size();) {
        while (pos < line.size() && isBlank(line[pos])) {
            ++pos;
        }
        const std::size_t begin = pos;
        while (pos < line.size() && !isBlank(line[pos])) {
            ++pos;
        }
        if (pos > begin) {
            words.push_back({line.substr(begin, pos - begin), begin});
        }
    }
    return words;
}

// The rest of the line after the key, when the line opens with it.
std::optional<std::size_t> afterKey(std::string_view line, std::string_view key) {
    const std::size_t start = static_cast<std::size_t>(
        std::find_if_not(line.begin(), line.end(), isBlank) - line.begin());
    const std::string_view rest = line.substr(start);
    if (rest.size() < key.size() || !equalAnyCase(rest.substr(0, key.size()), key) ||
        (rest.size() > key.size() && !isBlank(rest[key.size()]))) {
        return std::nullopt;
    }
    return start + key.size();
}

bool looksLikeMjd(double value) {
    return value >= kEarliestMjd && value <= kLatestMjd &&
           value != static_cast<double>(static_cast<long>(value));
}

// The number of the given field among the words from `from` on.
void readField(std::string_view line, std::size_t lineOffset, std::size_t from, int field,
               ScenarioNote& note) {
    if (field == 0) {
        return;
    }
    const auto words = wordsOf(line.substr(from));
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (field != kMjdLikeField && i + 1 != static_cast<std::size_t>(field)) {
            continue;
        }
        const auto number = scanNumber(words[i].text);
        if (!number || (field == kMjdLikeField && !looksLikeMjd(number->value))) {
            continue;
        }
        note.value = number->value;
        note.number = {lineOffset + from + words[i].at + number->begin,
                       number->end - number->begin};
        return;
    }
}

struct Place {
    bool inShips = false;
    bool inVessel = false;
    std::string vessel;
    bool inMfd = false;
    std::string mfdMode;
    bool inEnvironment = false;
};

bool inBlock(const Recogniser& recogniser, const Place& place) {
    switch (recogniser.block) {
    case Block::Environment:
        return place.inEnvironment;
    case Block::Vessel:
        return place.inVessel;
    case Block::Mfd:
        break;
    }
    return place.inMfd && equalAnyCase(place.mfdMode, recogniser.mfdMode);
}

// Where the line stands: which section, which vessel, which MFD.
void follow(std::string_view line, Place& place) {
    const std::string_view text = withoutBlanks(line);
    if (equalAnyCase(text, "BEGIN_SHIPS")) {
        place.inShips = true;
    } else if (equalAnyCase(text, "END_SHIPS")) {
        place = {};
    } else if (place.inShips && !line.empty() && !isBlank(line.front())) {
        // "Name:Class" (or the name alone) opens a vessel, "END" closes it;
        // add-ons put lines of their own at the start of a line inside
        // ("@SUBSYSTEM", "AGC_BEGIN").
        if (!place.inVessel) {
            place.inVessel = true;
            place.vessel = std::string(text.substr(0, text.find(':')));
        } else if (equalAnyCase(text, "END")) {
            place.inVessel = false;
            place.vessel.clear();
        }
    } else if (startsAnyCase(text, "BEGIN_MFD") || startsAnyCase(text, "BEGIN_ExtMFD")) {
        // The panel's MFDs, and those in windows of their own.
        place.inMfd = true;
        place.mfdMode.clear();
    } else if (equalAnyCase(text, "END_MFD") || equalAnyCase(text, "END_ExtMFD")) {
        place.inMfd = false;
    } else if (place.inMfd && place.mfdMode.empty()) {
        if (const auto after = afterKey(line, "MODE")) {
            place.mfdMode = std::string(withoutBlanks(line.substr(*after)));
        }
    }
}

} // namespace

ShiftRule shiftRuleOf(NoteFamily family) {
    switch (family) {
    case NoteFamily::ElementsEpoch:
    case NoteFamily::LaunchMjd:
    case NoteFamily::MetStartMjd:
        return ShiftRule::Moves;
    case NoteFamily::TransferPlanDate:
    case NoteFamily::TransferPlanData:
    case NoteFamily::Playback:
    case NoteFamily::GuidanceMemory:
        return ShiftRule::OwnTime;
    case NoteFamily::StateVectors:
    case NoteFamily::Landed:
        break;
    }
    return ShiftRule::NoTime;
}

std::vector<ScenarioNote> scenarioNotes(std::string_view bytes) {
    const auto section = readScenario(bytes).section;
    std::vector<ScenarioNote> notes;
    Place place;
    const Recogniser* label = nullptr; // waiting for the line after its label
    std::string labelVessel;
    forEachLine(bytes, [&](std::size_t number, std::string_view line) {
        const std::size_t offset = static_cast<std::size_t>(line.data() - bytes.data());
        if (label != nullptr) {
            ScenarioNote note{label->family, number, labelVessel, std::nullopt, {}};
            readField(line, offset, 0, label->field, note);
            if (note.value) {
                notes.push_back(std::move(note));
            }
            label = nullptr;
        }
        place.inEnvironment = section && number > section->first && number <= section->last;
        follow(line, place);
        for (const Recogniser& recogniser : kRecognisers) {
            const auto after = afterKey(line, recogniser.key);
            if (!after || !inBlock(recogniser, place)) {
                continue;
            }
            if (!recogniser.word.empty()) {
                const auto words = wordsOf(line.substr(*after));
                if (words.empty() || !equalAnyCase(words.front().text, recogniser.word)) {
                    continue;
                }
            }
            if (recogniser.onNextLine) {
                label = &recogniser;
                labelVessel = place.vessel;
                continue;
            }
            ScenarioNote note{recogniser.family, number, place.vessel, std::nullopt, {}};
            readField(line, offset, *after, recogniser.field, note);
            if (note.value || recogniser.field != kMjdLikeField) {
                notes.push_back(std::move(note));
            }
        }
        return true;
    });
    return notes;
}

} // namespace zentadial
