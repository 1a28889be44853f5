#pragma once

#include "core/conv_error.h"

namespace zentadial {

// Days since 30 December 1899, 00:00, the time of day as the fraction. One
// continuous scale: -0.25 is 29 December 1899, 18:00.
using SerialDate = double;

inline constexpr SerialDate kFirstSerialDate = -657434.0; // 1 January 100, 00:00
inline constexpr SerialDate kSerialDateEnd = 2958466.0;   // end of 31 December 9999, excluded
inline constexpr double kSecondsPerDay = 86400.0;

// A calendar date and time of day in the proleptic Gregorian calendar.
struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The value unchanged when it lies in [kFirstSerialDate, kSerialDateEnd).
[[nodiscard]] Conv<SerialDate> dateFromSerial(double x);

// Fails with TypeMismatch for fields that name no instant (month 13, 30
// February, hour 24) and with Overflow outside the SerialDate range.
[[nodiscard]] Conv<SerialDate> serialFromCivil(const CivilTime& t);

// Rounded to the nearest second (a rounding up to 24:00 moves to the next
// day). Any finite value is accepted (clamped to 10 million days either side
// of day 0); callers keep to the SerialDate range. NaN and infinities give
// the default CivilTime (day 0).
[[nodiscard]] CivilTime civilFromSerial(SerialDate date);

} // namespace zentadial
