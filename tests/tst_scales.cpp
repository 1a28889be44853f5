#include "core/date_text.h"
#include "core/number_text.h"
#include "core/scales.h"
#include "core/serial_date.h"
#include "support/exact_compare.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace zentadial;

namespace {

const RegionalForm kEnUs = RegionalForm::englishUnitedStates();

QByteArray text(double x) {
    return QByteArray::fromStdString(numberToText(x, kEnUs));
}
QByteArray dateText(double x) {
    return QByteArray::fromStdString(dateToText(x, kEnUs));
}

SerialDate serial(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    const auto v = serialFromCivil({y, mo, d, h, mi, s});
    return v ? *v : std::numeric_limits<double>::quiet_NaN();
}

constexpr double kHuge = 1e308;

} // namespace

class TestScales : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void serialDateRange();
    void serialFromCivilChecks();
    void civilFromSerialFloorsAndRounds();
    void dateChain_data();
    void dateChain();
    void epochEntry();
    void mjdZero();
    void julianZero();
    void cMJDOverWholeRange();
    void mjdToDateBounds();
    void overflowOfEachStep_data();
    void overflowOfEachStep();
    void presentGmt_data();
    void presentGmt();
};

void TestScales::serialDateRange() {
    QVERIFY(dateFromSerial(kFirstSerialDate).has_value());
    QVERIFY(dateFromSerial(std::nextafter(kSerialDateEnd, 0.0)).has_value());
    QCOMPARE(dateFromSerial(kSerialDateEnd).error(), ConvError::Overflow);
    QCOMPARE(dateFromSerial(std::nextafter(kFirstSerialDate, -1e9)).error(), ConvError::Overflow);
    QCOMPARE(dateFromSerial(std::numeric_limits<double>::quiet_NaN()).error(), ConvError::Overflow);
    QCOMPARE(dateFromSerial(std::numeric_limits<double>::infinity()).error(), ConvError::Overflow);
    QCOMPARE(*dateFromSerial(-0.25), -0.25);
    QCOMPARE(serial(100, 1, 1), kFirstSerialDate);
    QCOMPARE(serial(9999, 12, 31) + 1, kSerialDateEnd);
    QCOMPARE(serial(1899, 12, 30), 0.0);
}

void TestScales::serialFromCivilChecks() {
    QCOMPARE(serialFromCivil({2003, 2, 29}).error(), ConvError::TypeMismatch);
    QCOMPARE(serialFromCivil({2004, 4, 31}).error(), ConvError::TypeMismatch);
    QCOMPARE(serialFromCivil({2004, 13, 1}).error(), ConvError::TypeMismatch);
    QCOMPARE(serialFromCivil({2004, 1, 1, 24}).error(), ConvError::TypeMismatch);
    QCOMPARE(serialFromCivil({2004, 1, 1, 0, 60}).error(), ConvError::TypeMismatch);
    QCOMPARE(serialFromCivil({2004, 1, 1, 0, 0, 60}).error(), ConvError::TypeMismatch);
    QCOMPARE(serialFromCivil({99, 12, 31}).error(), ConvError::Overflow);
    QCOMPARE(serialFromCivil({10000, 1, 1}).error(), ConvError::Overflow);
    QCOMPARE(serial(2004, 2, 29), 38046.0);
    QCOMPARE(serial(1900, 3, 1), 61.0); // no 29 February 1900
    QCOMPARE(serial(1899, 12, 29, 18), -0.25);
}

void TestScales::civilFromSerialFloorsAndRounds() {
    QCOMPARE(civilFromSerial(-0.25), (CivilTime{1899, 12, 29, 18, 0, 0}));
    QCOMPARE(civilFromSerial(-1), (CivilTime{1899, 12, 29, 0, 0, 0}));
    QCOMPARE(civilFromSerial(37987.75), (CivilTime{2004, 1, 1, 18, 0, 0}));
    // Within half a second of midnight: the next day.
    QCOMPARE(civilFromSerial(37987.0 - 0.4 / 86400), (CivilTime{2004, 1, 1, 0, 0, 0}));
    QCOMPARE(civilFromSerial(37987.0 - 0.6 / 86400), (CivilTime{2003, 12, 31, 23, 59, 59}));
    QCOMPARE(civilFromSerial(kFirstSerialDate), (CivilTime{100, 1, 1, 0, 0, 0}));
    QCOMPARE(civilFromSerial(kSerialDateEnd - 1.0 / 86400), (CivilTime{9999, 12, 31, 23, 59, 59}));
    // Any finite value is accepted, clamped to ten million days either side
    // of day 0; non-finite values give day 0.
    QCOMPARE(civilFromSerial(std::numeric_limits<double>::quiet_NaN()), CivilTime{});
    QCOMPARE(civilFromSerial(1e300), civilFromSerial(1e7));
    QCOMPARE(civilFromSerial(-1e300), civilFromSerial(-1e7));
}

// Worked figures along the date-entry chain: MJD = cMJD(date), JD from
// the MJD, Epoch from the MJD as written into its field and read back.
void TestScales::dateChain_data() {
    QTest::addColumn<double>("date");
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<QByteArray>("mjd");
    QTest::addColumn<QByteArray>("jd");
    QTest::addColumn<QByteArray>("epoch");

    QTest::newRow("1 Jan 2000 12:00")
        << 36526.5 << QByteArray("1/1/2000 12:00:00 PM") << QByteArray("51544.5")
        << QByteArray("2451545") << QByteArray("2000");
    QTest::newRow("1 Jan 2004") << 37987.0 << QByteArray("1/1/2004") << QByteArray("53005")
                                << QByteArray("2453005.5") << QByteArray("2003.99863107461");
    QTest::newRow("1 Jan 2004 18:00")
        << 37987.75 << QByteArray("1/1/2004 6:00:00 PM") << QByteArray("53005.75")
        << QByteArray("2453006.25") << QByteArray("2004.0006844627");
    QTest::newRow("21 Mar 2006 06:30:15")
        << serial(2006, 3, 21, 6, 30, 15) << QByteArray("3/21/2006 6:30:15 AM")
        << QByteArray("53815.2710069444") << QByteArray("2453815.77100694")
        << QByteArray("2006.21703218876");
    QTest::newRow("29 Dec 1899 18:00")
        << -0.25 << QByteArray("12/29/1899 6:00:00 PM") << QByteArray("15017.75")
        << QByteArray("2415018.25") << QByteArray("1899.99520876112");
    QTest::newRow("18 Nov 9958") << serial(9958, 11, 18) << QByteArray("11/18/9958")
                                 << QByteArray("2958465") << QByteArray("5358465.5")
                                 << QByteArray("9958.71457905544");
}

void TestScales::dateChain() {
    QFETCH(double, date);
    QFETCH(QByteArray, dateText);
    QFETCH(QByteArray, mjd);
    QFETCH(QByteArray, jd);
    QFETCH(QByteArray, epoch);

    QCOMPARE(::dateText(date), dateText);
    const auto read = dateFromText(dateText.toStdString(), kEnUs);
    QVERIFY(read.has_value());
    QCOMPARE_EXACT(*read, date);
    const auto m = cMJD(*read);
    QVERIFY(m.has_value());
    QCOMPARE(text(*m), mjd);
    const auto j = mjdToJulian(*m);
    QVERIFY(j.has_value());
    QCOMPARE(text(*j), jd);
    const auto back = valueOfText(numberToText(*m, kEnUs));
    QVERIFY(back.has_value());
    const auto j2 = mjdToJulian(*back);
    QVERIFY(j2.has_value());
    const auto e = julianToEpoch(*j2);
    QVERIFY(e.has_value());
    QCOMPARE(text(*e), epoch);
    // The MJD chain back to the date.
    const auto d = mjdToDate(*m);
    QVERIFY(d.has_value());
    QCOMPARE(::dateText(*d), dateText);
}

void TestScales::epochEntry() {
    const auto j = epochToJulian(*valueOfText("2004"));
    QVERIFY(j.has_value());
    QCOMPARE(text(*j), QByteArray("2453006"));
    const auto m = julianToMjd(*j);
    QVERIFY(m.has_value());
    QCOMPARE(text(*m), QByteArray("53005.5"));
    const auto d = mjdToDate(*m);
    QVERIFY(d.has_value());
    QCOMPARE(dateText(*d), QByteArray("1/1/2004 12:00:00 PM"));
    QCOMPARE(text(*julianToEpoch(*j)), QByteArray("2004"));
}

void TestScales::mjdZero() {
    const auto d = mjdToDate(*numberFromText("0", kEnUs));
    QVERIFY(d.has_value());
    QCOMPARE(dateText(*d), QByteArray("11/17/1858"));
    const auto j = mjdToJulian(0);
    QCOMPARE(text(*j), QByteArray("2400000.5"));
    QCOMPARE(text(*julianToEpoch(*j)), QByteArray("1858.87885010267"));
}

void TestScales::julianZero() {
    const auto m = julianToMjd(*valueOfText("0"));
    QVERIFY(m.has_value());
    QCOMPARE(text(*m), QByteArray("-2400000.5"));
    QCOMPARE(text(*julianToEpoch(0)), QByteArray("-4711.96440793977"));
    QCOMPARE(mjdToDate(*m).error(), ConvError::Overflow);
}

// cMJD fails only for dates outside the SerialDate range, not from
// 19 November 9958 on.
void TestScales::cMJDOverWholeRange() {
    QCOMPARE_EXACT(*cMJD(serial(9958, 11, 18)), 2958465.0);
    QCOMPARE_EXACT(*cMJD(serial(9958, 11, 19)), 2958466.0);
    QCOMPARE(*cMJD(kFirstSerialDate), kFirstSerialDate + 15018);
    const double last = std::nextafter(kSerialDateEnd, 0.0);
    QCOMPARE_EXACT(*cMJD(last), last + 15018);
    QCOMPARE(cMJD(kSerialDateEnd).error(), ConvError::Overflow);
    QCOMPARE(cMJD(kFirstSerialDate - 1).error(), ConvError::Overflow);
    QCOMPARE(cMJD(std::numeric_limits<double>::quiet_NaN()).error(), ConvError::Overflow);
    QCOMPARE_EXACT(*cMJD(-0.25), 15017.75);
}

void TestScales::mjdToDateBounds() {
    QVERIFY(mjdToDate(-642416).has_value());
    QCOMPARE(mjdToDate(std::nextafter(-642416.0, -1e9)).error(), ConvError::Overflow);
    QVERIFY(mjdToDate(std::nextafter(2973484.0, 0.0)).has_value());
    QCOMPARE(mjdToDate(2973484).error(), ConvError::Overflow);
    QCOMPARE(mjdToDate(-kHuge).error(), ConvError::Overflow);
}

void TestScales::overflowOfEachStep_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<double>("input");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<double>("result"); // when it does not fail

    const double max = std::numeric_limits<double>::max();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("mjdToJulian max") << 0 << max << false << max; // rounds back to max
    QTest::newRow("mjdToJulian inf") << 0 << std::numeric_limits<double>::infinity() << true << nan;
    QTest::newRow("julianToMjd -max") << 1 << -max << false << -max;
    QTest::newRow("julianToEpoch max") << 2 << max << false << 4.9218155643047655e+305;
    QTest::newRow("julianToEpoch nan") << 2 << nan << true << nan;
    QTest::newRow("epochToJulian 1e300") << 3 << 1e300 << false << 3.6525e+302;
    QTest::newRow("epochToJulian -max")
        << 3 << -max << true << nan; // (2000 - e) * 365.25 overflows
    QTest::newRow("epochToJulian max") << 3 << max << true << nan;
    // Rows where another grouping of the same operations gives other bits,
    // and another last printed digit.
    QTest::newRow("julianToEpoch, order of operations")
        << 2 << 2440001.125 << false << 1968.3945927446955;
    QTest::newRow("epochToJulian, order of operations")
        << 3 << 1985.4315604013 << false << 2446223.877436575;
    QTest::newRow("julianToMjd 2453006.25") << 1 << 2453006.25 << false << 53005.75;
}

void TestScales::overflowOfEachStep() {
    QFETCH(int, operation);
    QFETCH(double, input);
    QFETCH(bool, fails);
    Conv<double> r;
    switch (operation) {
    case 0:
        r = mjdToJulian(input);
        break;
    case 1:
        r = julianToMjd(input);
        break;
    case 2:
        r = julianToEpoch(input);
        break;
    default:
        r = epochToJulian(input);
        break;
    }
    QFETCH(double, result);
    QCOMPARE(!r.has_value(), fails);
    if (fails) {
        QCOMPARE(r.error(), ConvError::Overflow);
    } else {
        QCOMPARE_EXACT(*r, result);
    }
}

void TestScales::presentGmt_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<double>("clock");
    QTest::addColumn<QByteArray>("gmt");

    const double clock = serial(2004, 1, 1, 10);
    QTest::newRow("-8") << QByteArray("-8") << clock << QByteArray("1/1/2004 6:00:00 PM");
    QTest::newRow("5.5") << QByteArray("5.5") << clock << QByteArray("1/1/2004 4:30:00 AM");
    QTest::newRow("0") << QByteArray("0") << clock << QByteArray("1/1/2004 10:00:00 AM");
    QTest::newRow("empty is 0") << QByteArray("") << clock << QByteArray("1/1/2004 10:00:00 AM");
    QTest::newRow("leading number only")
        << QByteArray("-8 (PST)") << clock << QByteArray("1/1/2004 6:00:00 PM");
    QTest::newRow("across midnight")
        << QByteArray("12") << serial(2004, 1, 1, 6) << QByteArray("12/31/2003 6:00:00 PM");
}

void TestScales::presentGmt() {
    QFETCH(QByteArray, zone);
    QFETCH(double, clock);
    QFETCH(QByteArray, gmt);
    const auto g = zentadial::presentGmt(clock, zone.toStdString());
    QVERIFY(g.has_value());
    QCOMPARE(dateText(*g), gmt);
    // Leaving the range, and a zone beyond the double range.
    QCOMPARE(zentadial::presentGmt(kFirstSerialDate, "1").error(), ConvError::Overflow);
    QCOMPARE(zentadial::presentGmt(clock, "1e400").error(), ConvError::Overflow);
    QCOMPARE(zentadial::presentGmt(clock, "1e300").error(), ConvError::Overflow);
}

QTEST_GUILESS_MAIN(TestScales)
#include "tst_scales.moc"
