#pragma once

// QCOMPARE on doubles is fuzzy, so it cannot see a last-bit error or a change
// in the order of operations. QCOMPARE_EXACT compares the bits and prints
// both values with 17 digits on failure.

#include <QByteArray>
#include <QTest>
#include <bit>
#include <cstdint>
#include <cstdio>

namespace zentadial::test {

inline QByteArray seventeenDigits(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

inline bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace zentadial::test

#define QCOMPARE_EXACT(actual, expected)                                                           \
    do {                                                                                           \
        const double actualValue_ = (actual);                                                      \
        const double expectedValue_ = (expected);                                                  \
        if (!zentadial::test::sameBits(actualValue_, expectedValue_)) {                            \
            QFAIL(QByteArray("Actual " + zentadial::test::seventeenDigits(actualValue_) +          \
                             ", expected " + zentadial::test::seventeenDigits(expectedValue_))     \
                      .constData());                                                               \
        }                                                                                          \
    } while (false)
