#pragma once

#include "core/conv_error.h"
#include "core/mjd_scale.h"
#include "core/serial_date.h"

#include <optional>
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

// The conversions of the scale, for the linked fields and the rewrite.
[[nodiscard]] const MjdScale& mjdScaleOf(TimeScale scale);

// "utc", "tdb", "sim-now": the scale's name in files and on the command line.
[[nodiscard]] std::string_view keyOf(TimeScale scale);
[[nodiscard]] std::optional<TimeScale> scaleWithKey(std::string_view key);

// How a scenario's date comment names the scale: "" for UTC (the line stays
// as it always was), else " UTC, MJD in TDB" and the like.
[[nodiscard]] std::string_view commentSuffixOf(TimeScale scale);

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
