#pragma once

#include "core/serial_date.h"

namespace zentadial {

// The computer's clock, as the window and the command line read it. Tests
// put a fixed one in its place.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time, to the second.
    [[nodiscard]] virtual CivilTime localNow() const = 0;
    // The same instant in UTC.
    [[nodiscard]] virtual CivilTime utcNow() const = 0;
    // The local time's present offset from GMT in hours, east positive,
    // daylight saving included.
    [[nodiscard]] virtual double offsetFromGmtHours() const = 0;
};

class SystemClock final : public Clock {
public:
    [[nodiscard]] CivilTime localNow() const override;
    [[nodiscard]] CivilTime utcNow() const override;
    [[nodiscard]] double offsetFromGmtHours() const override;
};

} // namespace zentadial
