#pragma once

#include "scenario/scenario_notes.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_text.h"

#include <cstddef>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// Why a recognised clock stayed as it was.
enum class ShiftStay {
    Asked,        // ELEMENTS epochs with keepElements
    NotAnInstant, // a value that marks "not started" (a negative MET_STARTING_MJD)
    Unmovable,    // data whose internal time base is no plain MJD (ShiftRule::OwnTime)
};

struct ShiftedItem {
    std::optional<NoteFamily> family; // the clock's key family; empty: the date line
    std::size_t lineNumber = 0;
    std::optional<double> before; // the number as written, for keys that have one
    std::optional<double> after;  // empty: it stayed
    std::optional<ShiftStay> stay;
};

struct ShiftOptions {
    bool keepElements = false;
    // Shift a file whose unmovable data will then disagree with its date.
    bool force = false;
    // The comment of the new date line, for the new MJD, and what follows it
    // (the name of its time scale).
    std::function<std::string(double mjd)> comment;
    std::string commentSuffix;
};

enum class ShiftFailure {
    NotText,
    TooManyLines,
    PresentMoment,  // no date to shift from
    Unmovable,      // data that cannot move would disagree with the new date (without force)
    NumberForm,     // a number to move is written in a form other than plain decimals
    LongLine,       // a moved number would make its line longer than the simulator reads
    DateNotRead,    // the simulator would not start the new text at the new date
    NotVerified,    // read back, a date or an epoch did not move by the span
    AlreadyShifted, // the journal's last pass over the file shifted it by the same span
};

struct ShiftRefusal {
    ShiftFailure kind = ShiftFailure::NotText;
    std::vector<ShiftedItem> items{};  // with Unmovable, NumberForm, LongLine, NotVerified: which
    std::optional<TextRefusal> text{}; // with DateNotRead
};

struct ShiftedText {
    std::string bytes;
    double mjdBefore = 0;
    double mjdAfter = 0;
    std::vector<ShiftedItem> items; // the date line first, then in file order
};

// The file moved in time by `days`: its effective date line written as a
// rewrite writes it, at the date plus the span; each clock the scenario notes
// find whose family holds a plain instant (ShiftRule::Moves) moved by the
// span, its number written with at least the decimals it had (at most 15
// significant digits), "." as the point, nothing else in its line changed.
// The result is read back: unless its date and every moved number moved by
// the span, to the digits written, it is refused. Bytes that are no text
// scenario (isScenarioText) are refused as such before the date is looked
// at: a UTF-16 file has no date the reader could find.
[[nodiscard]] std::expected<ShiftedText, ShiftRefusal>
shiftScenarioText(std::string_view bytes, const ScenarioReading& reading, double days,
                  const ShiftOptions& options);

} // namespace zentadial
