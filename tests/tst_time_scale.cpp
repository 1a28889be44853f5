#include "core/date_text.h"
#include "core/field_agreement.h"
#include "core/linked_fields.h"
#include "core/number_text.h"
#include "timescale/delta_t.h"
#include "timescale/time_scale.h"

#include <QFile>
#include <QTest>
#include <cmath>
#include <random>

using namespace zentadial;

Q_DECLARE_METATYPE(zentadial::TimeScale)

namespace {

const RegionalForm kEnUs = RegionalForm::englishUnitedStates();

QByteArray shown(double x) {
    return QByteArray::fromStdString(numberToText(x, kEnUs));
}

// "2004-01-01T18:00:00" in the date field's form.
SerialDate utcDate(const QByteArray& iso) {
    const QByteArray seconds = iso.left(19);
    return *dateFromText(QByteArray(seconds).replace('T', ' ').toStdString(),
                         RegionalForm::englishUnitedStates());
}

} // namespace

class TestTimeScale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesAstropy_data();
    void matchesAstropy();
    void leapSecondShowsAsItsLastSecond();
    void roundTripsToTheSecond_data();
    void roundTripsToTheSecond();
    void roundTripsAtTheEdges_data();
    void roundTripsAtTheEdges();
    void deltaTMatchesPublishedValues_data();
    void deltaTMatchesPublishedValues();
    void scaleTable();
    void notes_data();
    void notes();
    void fieldsInEachScale_data();
    void fieldsInEachScale();
};

// Every printed digit of the MJD in TDB against astropy's, for the instants
// of tests/data/time_scales.tsv (made by make_time_scales.py beside it).
void TestTimeScale::matchesAstropy_data() {
    QTest::addColumn<QByteArray>("utc");
    QTest::addColumn<double>("mjdTdb");
    QFile table(qEnvironmentVariable("ZENTADIAL_TEST_DATA") + QStringLiteral("/time_scales.tsv"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    while (!table.atEnd()) {
        const QByteArray line = table.readLine().trimmed();
        // The leap second itself has no date text: see the next test.
        if (line.startsWith('#') || line.contains(":60")) {
            continue;
        }
        const QList<QByteArray> columns = line.split('\t');
        QTest::newRow(columns[0].constData()) << columns[0] << columns[1].toDouble();
    }
}

void TestTimeScale::matchesAstropy() {
    QFETCH(QByteArray, utc);
    QFETCH(double, mjdTdb);
    const auto mjd = mjdScaleOf(TimeScale::Tdb).mjdOfDate(utcDate(utc));
    QVERIFY(mjd.has_value());
    QCOMPARE(shown(*mjd), shown(mjdTdb));
    const auto back = mjdScaleOf(TimeScale::Tdb).dateOfMjd(mjdTdb);
    QVERIFY(back.has_value());
    QCOMPARE(dateToText(*back, kEnUs), dateToText(utcDate(utc), kEnUs));
}

// 2016-12-31 23:59:60.5 UTC, as astropy gives it in TDB.
void TestTimeScale::leapSecondShowsAsItsLastSecond() {
    const double inLeapSecond = 57754.00079495313;
    const auto date = mjdScaleOf(TimeScale::Tdb).dateOfMjd(inLeapSecond);
    QVERIFY(date.has_value());
    QCOMPARE(dateToText(*date, kEnUs), std::string("12/31/2016 11:59:59 PM"));
    QVERIFY(notesForMjd(inLeapSecond, TimeScale::Tdb).inLeapSecond);
    QVERIFY(!notesForMjd(57754.00080074017, TimeScale::Tdb).inLeapSecond);
    // The fields then show one instant: the MJD lies in the second shown.
    const MjdScale& tdb = mjdScaleOf(TimeScale::Tdb);
    QVERIFY(agreedMjd(fieldsAfterEntry(Field::Mjd, "57754.0007949531", kEnUs, tdb), kEnUs, tdb));
}

void TestTimeScale::roundTripsToTheSecond_data() {
    QTest::addColumn<TimeScale>("scale");
    QTest::newRow("TDB") << TimeScale::Tdb;
    QTest::newRow("simulator's now") << TimeScale::SimulatorNow;
}

// Date, MJD, date: the same second again over the whole range, the years
// before 1960 (the model's) and after the last leap second included.
void TestTimeScale::roundTripsToTheSecond() {
    QFETCH(TimeScale, scale);
    const MjdScale& conversions = mjdScaleOf(scale);
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<long long> seconds(
        static_cast<long long>(kFirstSerialDate) * 86400,
        static_cast<long long>(kSerialDateEnd) * 86400 - 1);
    for (int i = 0; i < 20000; ++i) {
        const SerialDate date =
            *dateFromText(dateToText(static_cast<double>(seconds(random)) / 86400, kEnUs), kEnUs);
        const auto mjd = conversions.mjdOfDate(date);
        QVERIFY(mjd.has_value());
        const auto back = conversions.dateOfMjd(*mjd);
        QVERIFY2(back.has_value(), dateToText(date, kEnUs).c_str());
        QCOMPARE(dateToText(*back, kEnUs), dateToText(date, kEnUs));
        // What the fields show for the date is one instant a scenario may get.
        QVERIFY2(
            agreedMjd(fieldsAfterEntry(Field::Date, dateToText(date, kEnUs), kEnUs, conversions),
                      kEnUs, conversions),
            dateToText(date, kEnUs).c_str());
    }
}

// The instants where the way back changes its path: the end of the model's
// years (its TT - UT falls half a second short of TT - UTC in 1960), the
// range's ends, and a leap second's neighbours. Each comes back to the same
// second, with the note its own date gives.
void TestTimeScale::roundTripsAtTheEdges_data() {
    QTest::addColumn<QByteArray>("utc");
    for (const char* utc : {"1959-12-31T23:59:26", "1959-12-31T23:59:27", "1959-12-31T23:59:28",
                            "1959-12-31T23:59:40", "1959-12-31T23:59:58", "1959-12-31T23:59:59",
                            "1960-01-01T00:00:00", "1960-01-01T00:00:01", "0100-01-01T00:00:00",
                            "0100-01-01T00:00:01", "9999-12-31T23:59:59", "2016-12-31T23:59:59",
                            "2017-01-01T00:00:00", "1972-06-30T23:59:59", "1972-07-01T00:00:00"}) {
        QTest::newRow(utc) << QByteArray(utc);
    }
}

void TestTimeScale::roundTripsAtTheEdges() {
    QFETCH(QByteArray, utc);
    const SerialDate date = utcDate(utc);
    const auto mjd = mjdScaleOf(TimeScale::Tdb).mjdOfDate(date);
    QVERIFY(mjd.has_value());
    const auto back = mjdScaleOf(TimeScale::Tdb).dateOfMjd(*mjd);
    QVERIFY(back.has_value());
    QCOMPARE(dateToText(*back, kEnUs), dateToText(date, kEnUs));
    QCOMPARE(notesForMjd(*mjd, TimeScale::Tdb), notesForDate(date, TimeScale::Tdb));
}

// TT - UT of the model against the published values (Morrison and
// Stephenson 2004 as tabulated by Espenak and Meeus, and the Astronomical
// Almanac from 1650), within their uncertainty: in the middle of each
// polynomial's years and on both sides of each year where the polynomials
// change.
void TestTimeScale::deltaTMatchesPublishedValues_data() {
    QTest::addColumn<double>("year");
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("within");
    const auto row = [](const char* tag, double year, double published, double within) {
        QTest::newRow(tag) << year << published << within;
    };
    constexpr double kJustBefore = 1e-6;
    row("300, middle of 100-500", 300, 7680, 180);
    row("500 from below", 500 - kJustBefore, 5710, 140);
    row("500", 500, 5710, 140);
    row("1000, middle of 500-1600", 1000, 1570, 55);
    row("1100", 1100, 1090, 40);
    row("1600 from below", 1600 - kJustBefore, 120, 20);
    row("1600", 1600, 120, 20);
    row("1650, middle of 1600-1700", 1650, 50, 5);
    row("1700 from below", 1700 - kJustBefore, 9, 5);
    row("1700", 1700, 9, 5);
    row("1750, middle of 1700-1800", 1750, 13, 2);
    row("1800 from below", 1800 - kJustBefore, 13.7, 1);
    row("1800", 1800, 13.7, 1);
    row("1850, in 1800-1860", 1850, 7.1, 1);
    row("1860 from below", 1860 - kJustBefore, 7.9, 1);
    row("1860", 1860, 7.9, 1);
    row("1880, middle of 1860-1900", 1880, -5.4, 1);
    row("1900 from below", 1900 - kJustBefore, -2.7, 1);
    row("1900", 1900, -2.7, 1);
    row("1910, middle of 1900-1920", 1910, 10.4, 0.5);
    row("1920 from below", 1920 - kJustBefore, 21.2, 0.5);
    row("1920", 1920, 21.2, 0.5);
    row("1930, middle of 1920-1941", 1930, 24.0, 0.5);
    row("1940", 1940, 24.3, 0.5);
    row("1950, middle of 1941-1960", 1950, 29.1, 0.5);
    row("1955", 1955, 31.1, 0.5);
    row("1960 from below", 1960 - kJustBefore, 33.2, 0.5);
}

void TestTimeScale::deltaTMatchesPublishedValues() {
    QFETCH(double, year);
    QFETCH(double, published);
    QFETCH(double, within);
    const double model = detail::deltaTSeconds(year);
    QVERIFY2(std::fabs(model - published) <= within, QByteArray::number(model).constData());
}

// The table of scales: each key finds its own row, and the texts that show
// the simulator's figure come from the figure itself.
void TestTimeScale::scaleTable() {
    QCOMPARE(timeScales().size(), std::size_t(3));
    for (const ScaleInfo& info : timeScales()) {
        QCOMPARE(scaleWithKey(info.key), std::optional<TimeScale>(info.scale));
        QCOMPARE(&scaleInfo(info.scale), &info);
    }
    QCOMPARE(scaleWithKey("UTC"), std::optional<TimeScale>());
    QCOMPARE(scaleKeyList(), std::string("utc, tdb or sim-now"));
    QCOMPARE(commentSuffixOf(TimeScale::Utc), std::string());
    QCOMPARE(commentSuffixOf(TimeScale::Tdb), std::string(" UTC, MJD in TDB"));
    QCOMPARE(commentSuffixOf(TimeScale::SimulatorNow), std::string(" UTC, MJD in UTC + 66.184 s"));
}

void TestTimeScale::notes_data() {
    QTest::addColumn<QByteArray>("utc");
    QTest::addColumn<TimeScale>("scale");
    QTest::addColumn<bool>("approximate");
    QTest::addColumn<bool>("afterLastLeapSecond");
    QTest::newRow("1957 in TDB") << QByteArray("1957-10-04T19:28:34") << TimeScale::Tdb << true
                                 << false;
    QTest::newRow("2010 in TDB") << QByteArray("2010-06-01T00:00:00") << TimeScale::Tdb << false
                                 << false;
    QTest::newRow("2026 in TDB") << QByteArray("2026-12-09T12:00:00") << TimeScale::Tdb << false
                                 << true;
    QTest::newRow("1957 in UTC") << QByteArray("1957-10-04T19:28:34") << TimeScale::Utc << false
                                 << false;
    QTest::newRow("2026 in the simulator's now")
        << QByteArray("2026-12-09T12:00:00") << TimeScale::SimulatorNow << false << false;
}

void TestTimeScale::notes() {
    QFETCH(QByteArray, utc);
    QFETCH(TimeScale, scale);
    QFETCH(bool, approximate);
    QFETCH(bool, afterLastLeapSecond);
    const ScaleNotes fromDate = notesForDate(utcDate(utc), scale);
    QCOMPARE(fromDate.approximate, approximate);
    QCOMPARE(fromDate.afterLastLeapSecond, afterLastLeapSecond);
    const auto mjd = mjdScaleOf(scale).mjdOfDate(utcDate(utc));
    QVERIFY(mjd.has_value());
    QCOMPARE(notesForMjd(*mjd, scale), fromDate);
}

// The four fields for 9 December 2026, 12:00 UTC in each scale, as the
// window and the command line print them.
void TestTimeScale::fieldsInEachScale_data() {
    QTest::addColumn<TimeScale>("scale");
    QTest::addColumn<QByteArray>("mjd");
    QTest::addColumn<QByteArray>("epoch");
    QTest::addColumn<QByteArray>("julian");
    QTest::newRow("UTC") << TimeScale::Utc << QByteArray("61383.5")
                         << QByteArray("2026.93771389459") << QByteArray("2461384");
    QTest::newRow("TDB") << TimeScale::Tdb << QByteArray("61383.5008007326")
                         << QByteArray("2026.93771608688") << QByteArray("2461384.00080073");
    QTest::newRow("simulator's now")
        << TimeScale::SimulatorNow << QByteArray("61383.5007660185")
        << QByteArray("2026.93771599184") << QByteArray("2461384.00076602");
}

void TestTimeScale::fieldsInEachScale() {
    QFETCH(TimeScale, scale);
    QFETCH(QByteArray, mjd);
    QFETCH(QByteArray, epoch);
    QFETCH(QByteArray, julian);
    const FieldTexts fields =
        fieldsAfterEntry(Field::Date, "12/9/2026 12:00:00 PM", kEnUs, mjdScaleOf(scale));
    QCOMPARE(QByteArray::fromStdString(fields[Field::Mjd]), mjd);
    QCOMPARE(QByteArray::fromStdString(fields[Field::Epoch]), epoch);
    QCOMPARE(QByteArray::fromStdString(fields[Field::Julian]), julian);
    // And back from the MJD to the same date.
    const FieldTexts back =
        fieldsAfterEntry(Field::Mjd, fields[Field::Mjd], kEnUs, mjdScaleOf(scale));
    QCOMPARE(back[Field::Date], std::string("12/9/2026 12:00:00 PM"));
}

QTEST_GUILESS_MAIN(TestTimeScale)
#include "tst_time_scale.moc"
