#include "cli/now_date.h"

#include "core/date_text.h"
#include "core/scales.h"

#include <QDateTime>

namespace zentadial {

namespace {

CivilTime civilOf(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

} // namespace

CivilTime localClockNow() {
    return civilOf(QDateTime::currentDateTime());
}

CivilTime utcClockNow() {
    return civilOf(QDateTime::currentDateTimeUtc());
}

Conv<std::string> nowDateText(const CivilTime& localNow, std::string_view zoneText,
                              const RegionalForm& form) {
    const Conv<SerialDate> clock = serialFromCivil(localNow);
    if (!clock) {
        return std::unexpected(clock.error());
    }
    const Conv<SerialDate> gmt = presentGmt(*clock, zoneText);
    if (!gmt) {
        return std::unexpected(gmt.error());
    }
    return dateToText(*gmt, form);
}

} // namespace zentadial
