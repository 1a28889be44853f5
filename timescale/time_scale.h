#pragma once

#include "core/conv_error.h"
#include "core/mjd_scale.h"
#include "core/serial_date.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zentadial {

// Which scale the MJD, JD and Epoch are in. The date is always civil UTC.
//  - Utc: the MJD of the UTC date, as the converter has always shown it.
//  - Tdb: Barycentric Dynamical Time, the simulator's ephemeris time: UTC,
//    then TAI through the leap seconds, TT (+32.184 s), then TDB (the
//    periodic TDB - TT term, under 2 ms).
//  - SimulatorNow: UTC + 66.184 s, the fixed figure the simulator itself
//    adds for "now".
enum class TimeScale { Utc, Tdb, SimulatorNow };

inline constexpr double kSimulatorNowSeconds = 66.184;

// Which notes a value in the scale can carry: only TDB goes through the
// leap seconds and, before 1960, the model of TT - UT.
enum class NotesPolicy { None, LeapSecondsAndModel };

// Everything the window, the command line and the scenario lines know of a
// scale, in one row each.
struct ScaleInfo {
    TimeScale scale;
    std::string_view key;    // in files and on the command line: "utc", "tdb", "sim-now"
    std::string_view label;  // in English, for the window's list: "TDB (simulator clock)"
    std::string_view name;   // what the MJD is in, before any fixed offset: "UTC", "TDB"
    double secondsAfterName; // the fixed offset from that scale, 0 for none
    MjdScale conversions;
    NotesPolicy notes;
};

// Every scale, UTC first.
[[nodiscard]] std::span<const ScaleInfo> timeScales();
[[nodiscard]] const ScaleInfo& scaleInfo(TimeScale scale);

// The conversions of the scale, for the linked fields and the rewrite.
[[nodiscard]] const MjdScale& mjdScaleOf(TimeScale scale);

// "utc", "tdb", "sim-now": the scale's name in files and on the command line.
[[nodiscard]] std::string_view keyOf(TimeScale scale);
[[nodiscard]] std::optional<TimeScale> scaleWithKey(std::string_view key);
// The keys for a message: "utc, tdb or sim-now".
[[nodiscard]] std::string scaleKeyList();

// What the MJD is in, in words: "UTC", "TDB", "UTC + 66.184 s".
[[nodiscard]] std::string scaleName(TimeScale scale);

// How a scenario's date comment names the scale: "" for UTC (the line stays
// as it always was), else " UTC, MJD in TDB" and the like.
[[nodiscard]] std::string commentSuffixOf(TimeScale scale);

// What a user must know about a value in the scale.
struct ScaleNotes {
    bool approximate = false;         // before 1960: TT - UT from a model
    bool afterLastLeapSecond = false; // no leap second is known after 2016
    bool inLeapSecond = false;        // the instant falls in 23:59:60 UTC
    friend bool operator==(const ScaleNotes&, const ScaleNotes&) = default;
};

[[nodiscard]] ScaleNotes notesForDate(SerialDate utc, TimeScale scale);
[[nodiscard]] ScaleNotes notesForMjd(double mjd, TimeScale scale);

} // namespace zentadial
