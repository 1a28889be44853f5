#include "timescale/delta_t.h"

#include <cstddef>

namespace zentadial::detail {
namespace {

// c0 + c1 t + c2 t^2 + ... by Horner's rule.
template <std::size_t N> double polynomial(const double (&c)[N], double t) {
    double sum = 0;
    for (std::size_t i = N; i-- > 0;) {
        sum = sum * t + c[i];
    }
    return sum;
}

} // namespace

double deltaTSeconds(double year) {
    if (year < 500) {
        constexpr double c[] = {10583.6,    -1014.41,    33.78311,    -5.952053,
                                -0.1798452, 0.022174192, 0.0090316521};
        return polynomial(c, year / 100);
    }
    if (year < 1600) {
        constexpr double c[] = {1574.2,     -556.01,      71.23472,    0.319781,
                                -0.8503463, -0.005050998, 0.0083572073};
        return polynomial(c, (year - 1000) / 100);
    }
    if (year < 1700) {
        constexpr double c[] = {120, -0.9808, -0.01532, 1.0 / 7129};
        return polynomial(c, year - 1600);
    }
    if (year < 1800) {
        constexpr double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000};
        return polynomial(c, year - 1700);
    }
    if (year < 1860) {
        constexpr double c[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                                -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return polynomial(c, year - 1800);
    }
    if (year < 1900) {
        constexpr double c[] = {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174};
        return polynomial(c, year - 1860);
    }
    if (year < 1920) {
        constexpr double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return polynomial(c, year - 1900);
    }
    if (year < 1941) {
        constexpr double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return polynomial(c, year - 1920);
    }
    constexpr double c[] = {29.07, 0.407, -1.0 / 233, 1.0 / 2547};
    return polynomial(c, year - 1950);
}

} // namespace zentadial::detail
