#pragma once

#include "core/conv_error.h"
#include "core/serial_date.h"

#include <string_view>

namespace zentadial {

inline constexpr double kMjdOfSerialZero = 15018.0;     // MJD of 30 December 1899, 00:00
inline constexpr double kJulianMinusMjd = 2400000.5;    // JD - MJD
inline constexpr double kJulianOfEpoch2000 = 2451545.0; // JD of 1 January 2000, 12:00
inline constexpr double kDaysPerJulianYear = 365.25;
inline constexpr double kEpoch2000 = 2000.0;
inline constexpr double kHoursPerDay = 24.0;

// Each operation is evaluated in one fixed order of double operations: the
// last printed digit of the results depends on it. Overflow is reported for a
// result beyond the double range.

// date + 15018, for any valid SerialDate.
[[nodiscard]] Conv<double> cMJD(SerialDate date);
// dateFromSerial(mjd - 15018).
[[nodiscard]] Conv<SerialDate> mjdToDate(double mjd);
// mjd + 2400000.5
[[nodiscard]] Conv<double> mjdToJulian(double mjd);
// jd - 2400000.5
[[nodiscard]] Conv<double> julianToMjd(double jd);
// ((jd - 2451545) / 365.25) + 2000
[[nodiscard]] Conv<double> julianToEpoch(double jd);
// 2451545 - ((2000 - e) * 365.25)
[[nodiscard]] Conv<double> epochToJulian(double epoch);
// clockReading - (valueOfText(zoneText) / 24), checked by dateFromSerial. The
// clock reading is the local time to the second, as a SerialDate.
[[nodiscard]] Conv<SerialDate> presentGmt(SerialDate clockReading, std::string_view zoneText);

} // namespace zentadial
