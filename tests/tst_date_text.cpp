#include "core/date_text.h"
#include "core/regional_form.h"
#include "core/serial_date.h"
#include "support/exact_compare.h"
#include "support/regional_forms.h"

#include <QTest>
#include <cmath>
#include <random>

using namespace zentadial;

namespace {

RegionalForm enUs() {
    return RegionalForm::englishUnitedStates();
}

// Day-month-year with "." and a 24-hour time with "." (Finnish-like).
RegionalForm dotForm() {
    RegionalForm f;
    f.decimalSeparator = ",";
    f.thousandsSeparator = "\xC2\xA0";
    f.shortDatePattern = "d.M.yyyy";
    f.longTimePattern = "H.mm.ss";
    return f;
}

RegionalForm isoForm() {
    return test::isoForm();
}

// German-like: decimal comma, leading zeros.
RegionalForm commaForm() {
    return test::germanForm();
}

// Korean-like: literal dots and blanks in the date, the marker first.
RegionalForm koreanForm() {
    RegionalForm f;
    f.shortDatePattern = "yy. M. d.";
    f.longTimePattern = "a h:mm:ss";
    f.amText = "\xEC\x98\xA4\xEC\xA0\x84"; // 오전
    f.pmText = "\xEC\x98\xA4\xED\x9B\x84"; // 오후
    return f;
}

// Spanish-like: day first, markers with dots and blanks, lower case.
RegionalForm spanishForm() {
    RegionalForm f;
    f.decimalSeparator = ",";
    f.thousandsSeparator = ".";
    f.shortDatePattern = "d/M/yyyy";
    f.longTimePattern = "h:mm:ss ap";
    f.amText = "a. m.";
    f.pmText = "p. m.";
    return f;
}

// Quoted words and English month names.
RegionalForm wordForm() {
    RegionalForm f;
    f.shortDatePattern = "'Day' d 'of' MMMM yyyy";
    f.longTimePattern = "HH'h'mm'm'ss's'";
    return f;
}

RegionalForm monthAbbrevForm() {
    RegionalForm f;
    f.shortDatePattern = "dd-MMM-yy";
    f.longTimePattern = "HH:mm:ss";
    return f;
}

// Chinese-like: the literals are words that sit between the numbers.
RegionalForm hanForm() {
    RegionalForm f;
    f.shortDatePattern = "yyyy\xE5\xB9\xB4M\xE6\x9C\x88"
                         "d\xE6\x97\xA5"; // yyyy年M月d日
    f.longTimePattern = "H:mm:ss";
    return f;
}

RegionalForm formNamed(const QByteArray& name) {
    if (name == "dot")
        return dotForm();
    if (name == "iso")
        return isoForm();
    if (name == "comma")
        return commaForm();
    if (name == "korean")
        return koreanForm();
    if (name == "spanish")
        return spanishForm();
    if (name == "word")
        return wordForm();
    if (name == "mmm")
        return monthAbbrevForm();
    if (name == "han")
        return hanForm();
    return enUs();
}

const QList<QByteArray> kFormNames = {"en",      "dot",  "iso", "comma", "korean",
                                      "spanish", "word", "mmm", "han"};

SerialDate serial(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return *serialFromCivil({y, mo, d, h, mi, s});
}

// The value dateToText shows: rounded to the second, the last half second of
// the range held at 23:59:59.
SerialDate roundedToSecond(SerialDate d) {
    CivilTime t = civilFromSerial(d);
    if (t.year > 9999) {
        t = {9999, 12, 31, 23, 59, 59};
    }
    return *serialFromCivil(t);
}

} // namespace

class TestDateText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateOrder_data();
    void dateOrder();
    void dateToText_data();
    void dateToText();
    void dateFromText_data();
    void dateFromText();
    void dateFromTextFails_data();
    void dateFromTextFails();
    void roundTripEdges_data();
    void roundTripEdges();
    void roundTripRandom_data();
    void roundTripRandom();
};

void TestDateText::dateOrder_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("order");
    const int mdy = static_cast<int>(DateOrder::MonthDayYear);
    const int dmy = static_cast<int>(DateOrder::DayMonthYear);
    const int ymd = static_cast<int>(DateOrder::YearMonthDay);
    QTest::newRow("M/d/yyyy") << "M/d/yyyy" << mdy;
    QTest::newRow("d.M.yyyy") << "d.M.yyyy" << dmy;
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << ymd;
    QTest::newRow("yy. M. d.") << "yy. M. d." << ymd;
    QTest::newRow("dd-MMM-yy") << "dd-MMM-yy" << dmy;
    QTest::newRow("quoted letters skipped") << "'yMd' d/M/yyyy" << dmy;
    QTest::newRow("day name does not count") << "dddd, MMMM d, yyyy" << mdy;
    QTest::newRow("lone y is literal") << "y d/M/yyyy" << dmy;
}

void TestDateText::dateOrder() {
    QFETCH(QString, pattern);
    QFETCH(int, order);
    RegionalForm f;
    f.shortDatePattern = pattern.toStdString();
    QCOMPARE(static_cast<int>(f.dateOrder()), order);
}

void TestDateText::dateToText_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<double>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("en date and time") << QByteArray("en") << 37987.75 << "1/1/2004 6:00:00 PM";
    QTest::newRow("en date alone") << QByteArray("en") << 37987.0 << "1/1/2004";
    QTest::newRow("en time alone") << QByteArray("en") << 0.25 << "6:00:00 AM";
    QTest::newRow("en zero") << QByteArray("en") << 0.0 << "12:00:00 AM";
    QTest::newRow("en noon") << QByteArray("en") << 0.5 << "12:00:00 PM";
    QTest::newRow("en -0.25") << QByteArray("en") << -0.25 << "12/29/1899 6:00:00 PM";
    QTest::newRow("en -1") << QByteArray("en") << -1.0 << "12/29/1899";
    QTest::newRow("en first") << QByteArray("en") << kFirstSerialDate << "1/1/0100";
    QTest::newRow("en last second")
        << QByteArray("en") << kSerialDateEnd - 1.0 / 86400 << "12/31/9999 11:59:59 PM";
    QTest::newRow("en last half second held")
        << QByteArray("en") << std::nextafter(kSerialDateEnd, 0.0) << "12/31/9999 11:59:59 PM";
    QTest::newRow("en rounds to the next day")
        << QByteArray("en") << 37987.0 - 0.4 / 86400 << "1/1/2004";
    QTest::newRow("en rounds to day 0 midnight")
        << QByteArray("en") << -0.1 / 86400 << "12:00:00 AM";
    QTest::newRow("en seconds") << QByteArray("en") << serial(2006, 3, 21, 6, 30, 15)
                                << "3/21/2006 6:30:15 AM";
    QTest::newRow("dot") << QByteArray("dot") << 37987.75 << "1.1.2004 18.00.00";
    QTest::newRow("dot time alone")
        << QByteArray("dot") << serial(1899, 12, 30, 1, 1, 20) << "1.01.20";
    QTest::newRow("iso") << QByteArray("iso") << 37987.75 << "2004-01-01 18:00:00";
    QTest::newRow("comma") << QByteArray("comma") << 37987.25 << "01.01.2004 06:00:00";
    QTest::newRow("korean") << QByteArray("korean") << 37987.75
                            << QString::fromUtf8("04. 1. 1. \xEC\x98\xA4\xED\x9B\x84 6:00:00");
    QTest::newRow("korean four-digit year outside the pivot")
        << QByteArray("korean") << serial(1850, 5, 6) << "1850. 5. 6.";
    QTest::newRow("korean 1930") << QByteArray("korean") << serial(1930, 5, 6) << "30. 5. 6.";
    QTest::newRow("spanish") << QByteArray("spanish") << 37987.75 << "1/1/2004 6:00:00 p. m.";
    QTest::newRow("word") << QByteArray("word") << 37987.75 << "Day 1 of January 2004 18h00m00s";
    QTest::newRow("mmm") << QByteArray("mmm") << serial(2004, 9, 5, 7, 8, 9)
                         << "05-Sep-04 07:08:09";
    QTest::newRow("han") << QByteArray("han") << 37987.75
                         << QString::fromUtf8("2004\xE5\xB9\xB4"
                                              "1\xE6\x9C\x88"
                                              "1\xE6\x97\xA5 18:00:00");
}

void TestDateText::dateToText() {
    QFETCH(QByteArray, form);
    QFETCH(double, date);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(zentadial::dateToText(date, formNamed(form))), text);
}

void TestDateText::dateFromText_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("date");

    const double newYear18 = 37987.75;
    const double newYear = 37987.0;
    // Every form: ISO 8601, 24-hour and AM/PM times.
    for (const QByteArray& name : kFormNames) {
        const auto row = [&](const char* tag, const char* text, double date) {
            QTest::addRow("%s: %s", name.constData(), tag)
                << name << QString::fromUtf8(text) << date;
        };
        row("iso date", "2004-01-01", newYear);
        row("iso date time", "2004-01-01 18:00:00", newYear18);
        row("iso T", "2004-01-01T18:00", newYear18);
        row("iso T seconds", "2004-01-01T18:00:05", newYear18 + 5.0 / 86400);
        row("iso T Z", "1969-07-20T20:17:40Z", serial(1969, 7, 20, 20, 17, 40));
        row("iso T z", "2004-01-01T18:00z", newYear18);
        row("24h time", "18:00", 0.75);
        row("24h time seconds", "18:00:30", 0.75 + 30.0 / 86400);
        row("6 PM", "6 PM", 0.75);
        row("6:00 pm", "6:00 pm", 0.75);
        row("PM first", "PM 6:00", 0.75);
        row("12 AM", "12:00 AM", 0.0);
        row("12 PM", "12:00:00 PM", 0.5);
        row("midnight 24h", "0:00", 0.0);
        row("surrounding blanks", "  18:00\t", 0.75);
    }
    const auto row = [](const char* form, const char* text, double date) {
        QTest::addRow("%s: %s", form, text) << QByteArray(form) << QString::fromUtf8(text) << date;
    };
    row("en", "1/1/2004 6:00:00 PM", newYear18);
    row("en", "1/1/2004 18:00:00", newYear18);
    row("en", "1/1/2004 18:00", newYear18);
    row("en", "1/1/2004 6 PM", newYear18);
    row("en", "01/01/2004", newYear);
    row("en", "1/1/04", newYear);
    row("en", "1/1/29", serial(2029, 1, 1));
    row("en", "1/1/30", serial(1930, 1, 1));
    row("en", "1/1/99", serial(1999, 1, 1));
    row("en", "1-1-2004", newYear);
    row("en", "1.1.2004", newYear);
    row("en", "2/29/2004", serial(2004, 2, 29));
    row("en", "12/31/9999 11:59:59 PM", kSerialDateEnd - 1.0 / 86400);
    row("en", "1/1/100", kFirstSerialDate);
    row("en", "Jan 1, 2004", newYear);
    row("en", "1 January 2004 18:00", newYear18);
    row("en", "Thursday, January 1, 2004", newYear);
    row("en", "6:00:00 AM", 0.25);
    row("en", "12:00:00 AM", 0.0);
    row("en", "12/29/1899 6:00:00 PM", -0.25);
    row("en", "3/21/2006 6:30:15 AM", serial(2006, 3, 21, 6, 30, 15));
    row("dot", "1.1.2004 18.00.00", newYear18);
    row("dot", "1.1.2004 18.00", newYear18);
    row("dot", "1.1.2004 18:00", newYear18);
    row("dot", "1.1.2004", newYear);
    row("dot", "18.00.00", 0.75);
    row("dot", "1.01.20", serial(1899, 12, 30, 1, 1, 20)); // as written: a time
    row("dot", "1.1.20", serial(2020, 1, 1));              // a date where it can be one
    row("dot", "13.45.20", serial(1899, 12, 30, 13, 45, 20));
    row("dot", "18.00", 0.75);
    row("iso", "2004-01-01", newYear);
    row("iso", "04-01-01", newYear);
    row("comma", "01.01.2004 06:00:00", 37987.25);
    row("comma", "1.1.2004 6:00", 37987.25);
    row("comma", "31.12.2003", newYear - 1);
    row("korean", "04. 1. 1. \xEC\x98\xA4\xED\x9B\x84 6:00:00", newYear18);
    row("korean", "04. 1. 1. 6:00:00 \xEC\x98\xA4\xED\x9B\x84", newYear18);
    row("korean", "2004. 1. 1.", newYear);
    row("korean", "04.1.1 18:00", newYear18);
    row("korean", "\xEC\x98\xA4\xEC\xA0\x84 12:30:00", 0.5 / 24);
    row("spanish", "1/1/2004 6:00:00 p. m.", newYear18);
    row("spanish", "1/1/2004 6:00:00 P. M.", newYear18);
    row("spanish", "2/1/2004", newYear + 1);
    row("spanish", "6 a. m.", 0.25);
    row("word", "Day 1 of January 2004 18h00m00s", newYear18);
    row("word", "day 1 of jan 2004", newYear);
    row("word", "1 January 2004 18:00", newYear18);
    row("mmm", "05-Sep-04 07:08:09", serial(2004, 9, 5, 7, 8, 9));
    row("mmm", "5-sep-2004", serial(2004, 9, 5));
    row("mmm", "05-09-04", serial(2004, 9, 5));
    row("han",
        "2004\xE5\xB9\xB4"
        "1\xE6\x9C\x88"
        "1\xE6\x97\xA5 18:00:00",
        newYear18);
    row("han",
        "2004\xE5\xB9\xB4"
        "1\xE6\x9C\x88"
        "1\xE6\x97\xA5",
        newYear);
}

void TestDateText::dateFromText() {
    QFETCH(QByteArray, form);
    QFETCH(QString, text);
    QFETCH(double, date);
    const auto v = zentadial::dateFromText(text.toStdString(), formNamed(form));
    QVERIFY2(v.has_value(), qPrintable(text));
    QCOMPARE_EXACT(*v, date);
}

void TestDateText::dateFromTextFails_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QString>("text");

    for (const QByteArray& name : kFormNames) {
        const auto row = [&](const char* text) {
            QTest::addRow("%s: '%s'", name.constData(), text) << name << QString::fromUtf8(text);
        };
        row("");
        row("   ");
        row("abc");
        row("13/45/2004");
        row("1/1/2004 25:00");
        row("2004-02-30");
        row("2003-02-29");
        row("2004-04-31");
        row("2004-13-01");
        row("2004-00-10");
        row("0099-01-01");
        row("10000-01-01");
        row("2004-01-01 24:00");
        row("2004-01-01 12:60");
        row("2004-01-01 12:00:60");
        row("13:00 PM");
        row("0:30 AM");
        row("6");
        row("2004");
        row("1/1");
        row("18:00:00:00");
        row("1/1/2004 18:00 xyz");
        row("1/1/2004 AM");
        row("AM");
        row("6 AM PM");
        row("1/1/2004/18");
        row("1/1/2004 1/1/2004");
        row("18:00 1/1/2004");
        row("-1/1/2004");
        row("1//1/2004");
        row("6PMx");
        row("Jan Feb 2004");
        row("123:00");
        row("2004-01-01T18:00 Z");
        row("2004-01-01T18:00ZZ");
        row("2004-01-01Z18:00");
        row("Z2004-01-01T18:00");
        row("2004-01-01T18:00:00+02:00");
    }
    // "p.m." is no marker of the English (United States) form.
    QTest::addRow("en: '1/1/2004 6:00 p.m.'")
        << QByteArray("en") << QStringLiteral("1/1/2004 6:00 p.m.");
}

void TestDateText::dateFromTextFails() {
    QFETCH(QByteArray, form);
    QFETCH(QString, text);
    const auto v = zentadial::dateFromText(text.toStdString(), formNamed(form));
    QVERIFY2(!v.has_value(),
             qPrintable(QStringLiteral("read as %1").arg(v.value_or(0), 0, 'g', 17)));
    QCOMPARE(v.error(), ConvError::TypeMismatch);
}

void TestDateText::roundTripEdges_data() {
    QTest::addColumn<QByteArray>("form");
    for (const QByteArray& name : kFormNames) {
        QTest::newRow(name.constData()) << name;
    }
}

void TestDateText::roundTripEdges() {
    QFETCH(QByteArray, form);
    const RegionalForm f = formNamed(form);
    for (const double d : {0.0,
                           0.25,
                           0.5,
                           0.75,
                           -0.25,
                           -1.0,
                           1.0,
                           37987.0,
                           37987.75,
                           36526.5,
                           kFirstSerialDate,
                           kFirstSerialDate + 0.5 / 86400,
                           kSerialDateEnd - 1.0 / 86400,
                           std::nextafter(kSerialDateEnd, 0.0),
                           1.0 - 0.4 / 86400,
                           -0.4 / 86400,
                           serial(1929, 12, 31, 23, 59, 59),
                           serial(1930, 1, 1),
                           serial(2029, 12, 31),
                           serial(2030, 1, 1),
                           serial(2000, 2, 29, 12),
                           serial(1900, 2, 28, 0, 0, 1)}) {
        const std::string text = zentadial::dateToText(d, f);
        const auto back = zentadial::dateFromText(text, f);
        QVERIFY2(back.has_value(), text.c_str());
        QCOMPARE(*back, roundedToSecond(d));
    }
}

void TestDateText::roundTripRandom_data() {
    roundTripEdges_data();
}

// Many pseudo-random SerialDates over the whole range, fractions of all kinds
// and whole seconds alike; fixed seed.
void TestDateText::roundTripRandom() {
    QFETCH(QByteArray, form);
    const RegionalForm f = formNamed(form);
    std::mt19937_64 random(20040101);
    std::uniform_real_distribution<double> anywhere(kFirstSerialDate, kSerialDateEnd);
    std::uniform_int_distribution<int> dayOf(static_cast<int>(kFirstSerialDate),
                                             static_cast<int>(kSerialDateEnd) - 1);
    std::uniform_int_distribution<int> secondOf(0, 86399);
    std::uniform_real_distribution<double> nearZero(-2.0, 2.0);
    for (int i = 0; i < 20000; ++i) {
        double d = 0;
        switch (i % 4) {
        case 0:
            d = anywhere(random);
            break;
        case 1:
            d = dayOf(random) + secondOf(random) / 86400.0;
            break;
        case 2:
            d = dayOf(random);
            break;
        default:
            d = nearZero(random);
            break;
        }
        const std::string text = zentadial::dateToText(d, f);
        const auto back = zentadial::dateFromText(text, f);
        if (!back || *back != roundedToSecond(d)) {
            QFAIL(qPrintable(
                QStringLiteral("%1 -> '%2' -> %3")
                    .arg(d, 0, 'g', 17)
                    .arg(QString::fromStdString(text))
                    .arg(back ? QString::number(*back, 'g', 17) : QStringLiteral("fails"))));
        }
    }
}

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_date_text.moc"
