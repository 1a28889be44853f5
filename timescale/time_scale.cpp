#include "timescale/time_scale.h"

#include "core/scales.h"
#include "timescale/delta_t.h"

#include <cmath>
#include <erfa.h>

// The conversions go through ERFA on two-part Julian Dates (the day, then the
// fraction), so that no precision is lost at MJD 60000: the MJD is formed
// only at the end, from the day number (exact) and the fraction.

namespace zentadial {
namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kJulianOfSerialZero = 2415018.5;  // 30 December 1899, 00:00
constexpr int kFirstUtcYear = 1960;                // UTC with leap seconds begins
constexpr double kJulianOf1960 = 2436934.5;        // 1 January 1960, 00:00
constexpr SerialDate kAfterLastLeapSecond = 42736; // 1 January 2017, 00:00
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kJulianOfJ2000 = 2451545;
constexpr double kYearOfJ2000 = 2000;
constexpr int kLeapSecond = 60;
constexpr int kMillisecondDigits = 3;
constexpr double kMillisecondsPerDay = 86'400'000;

struct TwoPart {
    double day;
    double fraction;
};

std::unexpected<ConvError> overflow() {
    return std::unexpected(ConvError::Overflow);
}

// The year, with its fraction, of a two-part JD.
double yearOf(const TwoPart& jd) {
    return kYearOfJ2000 + ((jd.day - kJulianOfJ2000) + jd.fraction) / kDaysPerJulianYear;
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
    UtcInstant instant{};
    if (tt.day + tt.fraction < kJulianOf1960) {
        // UT = TT - deltaT(UT): TT - UT changes by far less than a day a day,
        // so a few rounds settle it.
        TwoPart ut = tt;
        for (int round = 0; round < 3; ++round) {
            ut.fraction = tt.fraction - deltaTDays(ut);
        }
        instant.date = (ut.day - kJulianOfSerialZero) + ut.fraction;
        instant.notes.approximate = true;
    } else {
        TwoPart tai{};
        TwoPart utc{};
        int year = 0;
        int month = 0;
        int dayOfMonth = 0;
        int hmsf[4] = {};
        if (eraTttai(tt.day, tt.fraction, &tai.day, &tai.fraction) != 0 ||
            eraTaiutc(tai.day, tai.fraction, &utc.day, &utc.fraction) < 0 ||
            eraD2dtf("UTC", kMillisecondDigits, utc.day, utc.fraction, &year, &month, &dayOfMonth,
                     hmsf) < 0) {
            return std::nullopt;
        }
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
    }
    if (!dateFromSerial(instant.date)) {
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

constexpr MjdScale kTdbScale{tdbMjdOfDate, dateOfTdbMjd};
constexpr MjdScale kSimulatorNowScale{simulatorMjdOfDate, dateOfSimulatorMjd};

} // namespace

const MjdScale& mjdScaleOf(TimeScale scale) {
    switch (scale) {
    case TimeScale::Tdb:
        return kTdbScale;
    case TimeScale::SimulatorNow:
        return kSimulatorNowScale;
    case TimeScale::Utc:
        break;
    }
    return kUtcScale;
}

std::string_view keyOf(TimeScale scale) {
    switch (scale) {
    case TimeScale::Tdb:
        return "tdb";
    case TimeScale::SimulatorNow:
        return "sim-now";
    case TimeScale::Utc:
        break;
    }
    return "utc";
}

std::optional<TimeScale> scaleWithKey(std::string_view key) {
    for (const TimeScale scale : {TimeScale::Utc, TimeScale::Tdb, TimeScale::SimulatorNow}) {
        if (key == keyOf(scale)) {
            return scale;
        }
    }
    return std::nullopt;
}

std::string_view commentSuffixOf(TimeScale scale) {
    switch (scale) {
    case TimeScale::Tdb:
        return " UTC, MJD in TDB";
    case TimeScale::SimulatorNow:
        return " UTC, MJD in UTC + 66.184 s";
    case TimeScale::Utc:
        break;
    }
    return "";
}

ScaleNotes notesForDate(SerialDate utc, TimeScale scale) {
    ScaleNotes notes;
    if (scale != TimeScale::Tdb || !dateFromSerial(utc)) {
        return notes;
    }
    notes.approximate = civilFromSerial(utc).year < kFirstUtcYear;
    notes.afterLastLeapSecond = utc >= kAfterLastLeapSecond;
    return notes;
}

ScaleNotes notesForMjd(double mjd, TimeScale scale) {
    if (scale != TimeScale::Tdb) {
        return {};
    }
    const auto instant = utcOfTdbMjd(mjd);
    return instant ? instant->notes : ScaleNotes{};
}

} // namespace zentadial
