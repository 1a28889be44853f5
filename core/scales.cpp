#include "core/scales.h"

#include "core/number_text.h"

#include <cmath>

// Each function below is one fixed sequence of IEEE double operations, each
// rounded on its own; the core is built with -ffp-contract=off so that no
// multiply and add are fused. (No monadic std::expected calls: libstdc++ 12
// lacks them.)

namespace zentadial {
namespace {

// An infinite step stays infinite (or becomes NaN) through the finite
// constants that follow it, so one check of the result covers every step.
Conv<double> checked(double result) {
    if (!std::isfinite(result)) {
        return std::unexpected(ConvError::Overflow);
    }
    return result;
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
    return dateFromSerial(mjd - kMjdOfSerialZero);
}

Conv<double> mjdToJulian(double mjd) {
    return checked(mjd + kJulianMinusMjd);
}

Conv<double> julianToMjd(double jd) {
    return checked(jd - kJulianMinusMjd);
}

Conv<double> julianToEpoch(double jd) {
    const double days = jd - kJulianOfEpoch2000;
    const double years = days / kDaysPerJulianYear;
    return checked(years + kEpoch2000);
}

Conv<double> epochToJulian(double epoch) {
    const double years = kEpoch2000 - epoch;
    const double days = years * kDaysPerJulianYear;
    return checked(kJulianOfEpoch2000 - days);
}

Conv<SerialDate> presentGmt(SerialDate clockReading, std::string_view zoneText) {
    const Conv<double> zone = valueOfText(zoneText);
    if (!zone) {
        return std::unexpected(zone.error());
    }
    const double offset = *zone / kHoursPerDay;
    return dateFromSerial(clockReading - offset);
}

} // namespace zentadial
