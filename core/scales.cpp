#include "core/scales.h"

#include "core/number_text.h"

#include <cmath>

// Each function below is one fixed sequence of IEEE double operations, each
// rounded on its own; the core is built with -ffp-contract=off so that no
// multiply and add are fused. (No monadic std::expected calls: libstdc++ 12
// lacks them.)

namespace zentadial {
namespace {

bool finite(double x) {
    return std::isfinite(x);
}

std::unexpected<ConvError> overflow() {
    return std::unexpected(ConvError::Overflow);
}

} // namespace

// The date itself is checked, not the sum: checking the sum against the date
// range would leave every day from 19 November 9958 on without an MJD.
Conv<double> cMJD(SerialDate date) {
    if (!dateFromSerial(date)) {
        return overflow();
    }
    return date + kMjdOfSerialZero;
}

Conv<SerialDate> mjdToDate(double mjd) {
    const double date = mjd - kMjdOfSerialZero;
    if (!finite(date)) {
        return overflow();
    }
    return dateFromSerial(date);
}

Conv<double> mjdToJulian(double mjd) {
    const double jd = mjd + kJulianMinusMjd;
    if (!finite(jd)) {
        return overflow();
    }
    return jd;
}

Conv<double> julianToMjd(double jd) {
    const double mjd = jd - kJulianMinusMjd;
    if (!finite(mjd)) {
        return overflow();
    }
    return mjd;
}

Conv<double> julianToEpoch(double jd) {
    const double days = jd - kJulianOfEpoch2000;
    if (!finite(days)) {
        return overflow();
    }
    const double years = days / kDaysPerJulianYear;
    if (!finite(years)) {
        return overflow();
    }
    const double epoch = years + kEpoch2000;
    if (!finite(epoch)) {
        return overflow();
    }
    return epoch;
}

Conv<double> epochToJulian(double epoch) {
    const double years = kEpoch2000 - epoch;
    if (!finite(years)) {
        return overflow();
    }
    const double days = years * kDaysPerJulianYear;
    if (!finite(days)) {
        return overflow();
    }
    const double jd = kJulianOfEpoch2000 - days;
    if (!finite(jd)) {
        return overflow();
    }
    return jd;
}

Conv<SerialDate> presentGmt(SerialDate clockReading, std::string_view zoneText) {
    const Conv<double> zone = valueOfText(zoneText);
    if (!zone) {
        return std::unexpected(zone.error());
    }
    const double offset = *zone / kHoursPerDay;
    if (!finite(offset)) {
        return overflow();
    }
    const double gmt = clockReading - offset;
    if (!finite(gmt)) {
        return overflow();
    }
    return dateFromSerial(gmt);
}

} // namespace zentadial
