#include "timescale/time_scale.h"

#include "core/number_text.h"
#include "core/scales.h"
#include "timescale/delta_t.h"

#include <array>
#include <cmath>
#include <erfa.h>

// The conversions go through ERFA on two-part Julian Dates (the day, then the
// fraction), so that no precision is lost at MJD 60000: the MJD is formed
// only at the end, from the day number (exact) and the fraction.

namespace zentadial {
namespace {

constexpr double kJulianOfSerialZero = 2415018.5;  // 30 December 1899, 00:00
constexpr int kFirstUtcYear = 1960;                // UTC with leap seconds begins
constexpr double kJulianOf1960 = 2436934.5;        // 1 January 1960, 00:00
constexpr SerialDate kAfterLastModelDay = 21916;   // 1 January 1960, 00:00
constexpr SerialDate kAfterLastLeapSecond = 42736; // 1 January 2017, 00:00
constexpr int kLeapSecond = 60;
constexpr int kMillisecondDigits = 3;
constexpr double kMillisecondsPerDay = kSecondsPerDay * 1000;

struct TwoPart {
    double day;
    double fraction;
};

std::unexpected<ConvError> overflow() {
    return std::unexpected(ConvError::Overflow);
}

// The year, with its fraction, of a two-part JD.
double yearOf(const TwoPart& jd) {
    return kEpoch2000 + ((jd.day - kJulianOfEpoch2000) + jd.fraction) / kDaysPerJulianYear;
}

// The model's TT - UT at the instant, in days. The year runs on continuously,
// so that the way back finds the same figure.
double deltaTDays(const TwoPart& ut) {
    return detail::deltaTSeconds(yearOf(ut)) / kSecondsPerDay;
}

double dayFraction(const CivilTime& t) {
    return (t.hour * 3600.0 + t.minute * 60.0 + t.second) / kSecondsPerDay;
}

// TT of a UTC date as a two-part JD. Before 1960 there is no UTC: the date is
// taken as UT and TT - UT comes from the model.
std::optional<TwoPart> terrestrialOfUtc(const CivilTime& t) {
    if (t.year < kFirstUtcYear) {
        double base = 0;
        double mjdOfDay = 0;
        if (eraCal2jd(t.year, t.month, t.day, &base, &mjdOfDay) != 0) {
            return std::nullopt;
        }
        const TwoPart ut{base + mjdOfDay, dayFraction(t)};
        return TwoPart{ut.day, ut.fraction + deltaTDays(ut)};
    }
    double utc1 = 0;
    double utc2 = 0;
    double tai1 = 0;
    double tai2 = 0;
    TwoPart tt{};
    // A positive status only says the year lies beyond the leap-second table.
    if (eraDtf2d("UTC", t.year, t.month, t.day, t.hour, t.minute, t.second, &utc1, &utc2) < 0 ||
        eraUtctai(utc1, utc2, &tai1, &tai2) < 0 ||
        eraTaitt(tai1, tai2, &tt.day, &tt.fraction) != 0) {
        return std::nullopt;
    }
    return tt;
}

Conv<double> tdbMjdOfDate(SerialDate date) {
    if (!dateFromSerial(date)) {
        return overflow();
    }
    const CivilTime t = civilFromSerial(date);
    const auto tt = terrestrialOfUtc(t);
    if (!tt) {
        return overflow();
    }
    // At the geocentre the periodic TDB - TT term needs only the time.
    const double tdbMinusTt = eraDtdb(tt->day, tt->fraction, dayFraction(t), 0, 0, 0);
    TwoPart tdb{};
    eraTttdb(tt->day, tt->fraction, tdbMinusTt, &tdb.day, &tdb.fraction);
    return (tdb.day - kJulianMinusMjd) + tdb.fraction;
}

struct UtcInstant {
    SerialDate date;
    ScaleNotes notes;
};

// The instant to the millisecond, as the leap-second path reads it too: the
// way back must not land a hair before 1 January 100 for that very date.
SerialDate toMillisecond(SerialDate date) {
    return std::round(date * kMillisecondsPerDay) / kMillisecondsPerDay;
}

// UT = TT - deltaT(UT): TT - UT changes by far less than a day a day, so a
// few rounds settle it.
SerialDate modelUtOfTerrestrial(const TwoPart& tt) {
    TwoPart ut = tt;
    for (int round = 0; round < 3; ++round) {
        ut.fraction = tt.fraction - deltaTDays(ut);
    }
    return toMillisecond((ut.day - kJulianOfSerialZero) + ut.fraction);
}

std::optional<UtcInstant> utcOfTerrestrial(const TwoPart& tt) {
    TwoPart tai{};
    TwoPart utc{};
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    int hmsf[4] = {};
    if (eraTttai(tt.day, tt.fraction, &tai.day, &tai.fraction) != 0 ||
        eraTaiutc(tai.day, tai.fraction, &utc.day, &utc.fraction) < 0 ||
        eraD2dtf("UTC", kMillisecondDigits, utc.day, utc.fraction, &year, &month, &dayOfMonth,
                 hmsf) < 0 ||
        year < kFirstUtcYear) {
        return std::nullopt;
    }
    UtcInstant instant{};
    // 23:59:60 has no place in a date field: all of it shows 23:59:59,
    // named.
    instant.notes.inLeapSecond = hmsf[2] == kLeapSecond;
    const auto date = serialFromCivil(
        {year, month, dayOfMonth, hmsf[0], hmsf[1], std::min(hmsf[2], kLeapSecond - 1)});
    if (!date) {
        return std::nullopt;
    }
    const double milliseconds = instant.notes.inLeapSecond ? 0 : hmsf[3];
    instant.date = *date + milliseconds / kMillisecondsPerDay;
    instant.notes.afterLastLeapSecond = *date >= kAfterLastLeapSecond;
    return instant;
}

std::optional<UtcInstant> utcOfTdbMjd(double mjd) {
    // A day's margin on either side of the date range: the scales differ
    // from UTC by minutes at most, and the date itself is checked at the end.
    if (!std::isfinite(mjd) || (!mjdToDate(mjd - 1) && !mjdToDate(mjd + 1))) {
        return std::nullopt;
    }
    const double day = std::floor(mjd);
    const TwoPart tdb{kJulianMinusMjd + day, mjd - day};
    const double tdbMinusTt = eraDtdb(tdb.day, tdb.fraction, tdb.fraction, 0, 0, 0);
    TwoPart tt{};
    eraTdbtt(tdb.day, tdb.fraction, tdbMinusTt, &tt.day, &tt.fraction);
    // The model's TT - UT at the end of 1959 is about half a second short of
    // TT - UTC on 1 January 1960, so the first 33 seconds of 1960 in TT
    // still belong to 1959: the UT the model gives decides the side, the
    // same test the way there makes.
    std::optional<UtcInstant> instant;
    const SerialDate modelUt = modelUtOfTerrestrial(tt);
    if (modelUt < kAfterLastModelDay) {
        instant = UtcInstant{modelUt, {.approximate = true}};
    } else {
        instant = utcOfTerrestrial(tt);
        // The half second of TT that no UTC date reaches: the first instant
        // of UTC.
        if (!instant && tt.day + tt.fraction < kJulianOf1960 + 1) {
            instant = UtcInstant{kAfterLastModelDay, {}};
        }
    }
    if (!instant || !dateFromSerial(instant->date)) {
        return std::nullopt;
    }
    return instant;
}

Conv<SerialDate> dateOfTdbMjd(double mjd) {
    const auto instant = utcOfTdbMjd(mjd);
    if (!instant) {
        return overflow();
    }
    return instant->date;
}

constexpr double kSimulatorNowDays = kSimulatorNowSeconds / kSecondsPerDay;

Conv<double> simulatorMjdOfDate(SerialDate date) {
    const Conv<double> mjd = cMJD(date);
    if (!mjd) {
        return mjd;
    }
    return *mjd + kSimulatorNowDays;
}

Conv<SerialDate> dateOfSimulatorMjd(double mjd) {
    return mjdToDate(mjd - kSimulatorNowDays);
}

// In the order of TimeScale.
constexpr std::array<ScaleInfo, 3> kScales = {{
    {TimeScale::Utc, "utc", "UTC", "UTC", 0, kUtcScale, NotesPolicy::None},
    {TimeScale::Tdb,
     "tdb",
     "TDB (simulator clock)",
     "TDB",
     0,
     {tdbMjdOfDate, dateOfTdbMjd},
     NotesPolicy::LeapSecondsAndModel},
    {TimeScale::SimulatorNow,
     "sim-now",
     "Simulator's Now",
     "UTC",
     kSimulatorNowSeconds,
     {simulatorMjdOfDate, dateOfSimulatorMjd},
     NotesPolicy::None},
}};

bool hasNotes(TimeScale scale) {
    return scaleInfo(scale).notes == NotesPolicy::LeapSecondsAndModel;
}

} // namespace

std::span<const ScaleInfo> timeScales() {
    return kScales;
}

const ScaleInfo& scaleInfo(TimeScale scale) {
    return kScales.at(static_cast<std::size_t>(scale));
}

const MjdScale& mjdScaleOf(TimeScale scale) {
    return scaleInfo(scale).conversions;
}

std::string_view keyOf(TimeScale scale) {
    return scaleInfo(scale).key;
}

std::optional<TimeScale> scaleWithKey(std::string_view key) {
    for (const ScaleInfo& info : kScales) {
        if (key == info.key) {
            return info.scale;
        }
    }
    return std::nullopt;
}

std::string scaleKeyList() {
    std::string list;
    for (std::size_t i = 0; i < kScales.size(); ++i) {
        list.append(i == 0 ? "" : i + 1 == kScales.size() ? " or " : ", ").append(kScales[i].key);
    }
    return list;
}

std::string scaleName(TimeScale scale) {
    const ScaleInfo& info = scaleInfo(scale);
    std::string name(info.name);
    if (info.secondsAfterName != 0) {
        const std::string seconds = spacedNumberText(info.secondsAfterName);
        name.append(" + ").append(seconds.substr(seconds.find_first_not_of(' '))).append(" s");
    }
    return name;
}

std::string commentSuffixOf(TimeScale scale) {
    return scale == TimeScale::Utc ? std::string() : " UTC, MJD in " + scaleName(scale);
}

ScaleNotes notesForDate(SerialDate utc, TimeScale scale) {
    ScaleNotes notes;
    if (!hasNotes(scale) || !dateFromSerial(utc)) {
        return notes;
    }
    notes.approximate = civilFromSerial(utc).year < kFirstUtcYear;
    notes.afterLastLeapSecond = utc >= kAfterLastLeapSecond;
    return notes;
}

ScaleNotes notesForMjd(double mjd, TimeScale scale) {
    if (!hasNotes(scale)) {
        return {};
    }
    const auto instant = utcOfTdbMjd(mjd);
    return instant ? instant->notes : ScaleNotes{};
}

} // namespace zentadial
