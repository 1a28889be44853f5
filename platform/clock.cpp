#include "platform/clock.h"

#include <QDateTime>

namespace zentadial {
namespace {

constexpr double kSecondsPerHour = 3600;

CivilTime civilOf(const QDateTime& time) {
    const QDate date = time.date();
    const QTime clock = time.time();
    return {date.year(), date.month(), date.day(), clock.hour(), clock.minute(), clock.second()};
}

} // namespace

CivilTime SystemClock::localNow() const {
    return civilOf(QDateTime::currentDateTime());
}

CivilTime SystemClock::utcNow() const {
    return civilOf(QDateTime::currentDateTimeUtc());
}

double SystemClock::offsetFromGmtHours() const {
    return QDateTime::currentDateTime().offsetFromUtc() / kSecondsPerHour;
}

} // namespace zentadial
