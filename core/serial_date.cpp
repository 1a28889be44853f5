#include "core/serial_date.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace zentadial {
namespace {

namespace chr = std::chrono;

constexpr chr::sys_days kDayZero{chr::year{1899} / chr::December / 30};
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;
// civilFromSerial clamps to this many days either side of day 0 (about 27000
// years), well inside what std::chrono's calendar types hold.
constexpr double kCivilLimitDays = 1e7;

bool isLeapYear(long long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(long long y, int m) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : kDays[m - 1];
}

} // namespace

Conv<SerialDate> dateFromSerial(double x) {
    if (x >= kFirstSerialDate && x < kSerialDateEnd) { // false for NaN
        return x;
    }
    return std::unexpected(ConvError::Overflow);
}

Conv<SerialDate> serialFromCivil(const CivilTime& t) {
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > daysInMonth(t.year, t.month) ||
        t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
        t.second > 59) {
        return std::unexpected(ConvError::TypeMismatch);
    }
    if (t.year < kFirstYear || t.year > kLastYear) {
        return std::unexpected(ConvError::Overflow);
    }
    const chr::year_month_day ymd{chr::year{t.year}, chr::month{static_cast<unsigned>(t.month)},
                                  chr::day{static_cast<unsigned>(t.day)}};
    const auto days = static_cast<double>((chr::sys_days{ymd} - kDayZero).count());
    const auto seconds = static_cast<double>(t.hour * 3600 + t.minute * 60 + t.second);
    return dateFromSerial(days + seconds / kSecondsPerDay);
}

CivilTime civilFromSerial(SerialDate date) {
    if (!std::isfinite(date)) {
        return {};
    }
    date = std::clamp(date, -kCivilLimitDays, kCivilLimitDays);
    const double whole = std::floor(date);
    const double fraction = date - whole; // exact, in [0, 1)
    auto day = static_cast<long long>(whole);
    long long seconds = std::llround(fraction * kSecondsPerDay);
    if (seconds >= static_cast<long long>(kSecondsPerDay)) {
        ++day;
        seconds -= static_cast<long long>(kSecondsPerDay);
    }
    const chr::year_month_day ymd{kDayZero + chr::days{day}};
    CivilTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(seconds / 3600);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
    return t;
}

} // namespace zentadial
