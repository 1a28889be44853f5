// Checks over many pseudo-random instants and numbers, with a fixed seed so
// that a failure names an input that can be run again.

#include "core/date_text.h"
#include "core/linked_fields.h"
#include "core/number_text.h"
#include "core/scales.h"
#include "core/serial_date.h"
#include "support/regional_forms.h"

#include <QTest>
#include <cmath>
#include <optional>
#include <random>
#include <string>

using namespace zentadial;

Q_DECLARE_METATYPE(zentadial::RegionalForm)

namespace {

constexpr int kInstants = 10000;
constexpr std::uint64_t kSeed = 20040101;

// From here on cMJD leaves the SerialDate range and the date chain stops.
constexpr SerialDate kLastDateWithMjd = 2943448.0;

RegionalForm decimalCommaForm() {
    RegionalForm form = test::germanForm();
    form.amText = "";
    form.pmText = "";
    return form;
}

using test::isoForm;

RegionalForm namedMonthForm() {
    RegionalForm form;
    form.shortDatePattern = "dddd, d MMMM yy";
    form.longTimePattern = "hh.mm.ss ap";
    form.amText = "vorm.";
    form.pmText = "nachm.";
    return form;
}

void addForms() {
    QTest::addColumn<RegionalForm>("form");
    QTest::newRow("en-US") << RegionalForm::englishUnitedStates();
    QTest::newRow("decimal comma, 24 hours") << decimalCommaForm();
    QTest::newRow("ISO order") << isoForm();
    QTest::newRow("names, two-digit year, own markers") << namedMonthForm();
}

// What dateToText shows for a date: the instant to the second, held at the
// last second of the range rather than rounded into a year 10000.
CivilTime shownInstant(SerialDate date) {
    CivilTime civil = civilFromSerial(date);
    if (civil.year > 9999) {
        civil = {9999, 12, 31, 23, 59, 59};
    }
    return civil;
}

QByteArray describe(SerialDate date, const std::string& text) {
    return QByteArray::number(date, 'g', 17) + " shown as \"" + QByteArray::fromStdString(text) +
           '"';
}

std::optional<std::string> textOf(const FieldWrites& writes, Field field) {
    std::optional<std::string> text;
    for (const FieldWrite& write : writes) {
        if (write.field == field) {
            text = write.text;
        }
    }
    return text;
}

// A whole second between the first date and kEnd, spread evenly over days.
SerialDate wholeSecondBefore(std::mt19937_64& random, SerialDate end) {
    std::uniform_int_distribution<long long> seconds(
        static_cast<long long>(kFirstSerialDate) * 86400, static_cast<long long>(end) * 86400 - 1);
    const long long s = seconds(random);
    const long long day = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
    const long long second = s - day * 86400;
    const CivilTime civil = civilFromSerial(static_cast<double>(day));
    const Conv<SerialDate> date =
        serialFromCivil({civil.year, civil.month, civil.day, static_cast<int>(second / 3600),
                         static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)});
    return date.value_or(0);
}

} // namespace

class TestProperties : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateTextRoundTrips_data();
    void dateTextRoundTrips();
    void fourFieldsShowOneInstant_data();
    void fourFieldsShowOneInstant();
    void exactValuesAgreeOnEveryField_data();
    void exactValuesAgreeOnEveryField();
    void numberTextRoundTrips_data();
    void numberTextRoundTrips();
    void spacedTextHasTheSameDigits();
};

void TestProperties::dateTextRoundTrips_data() {
    addForms();
}

// Any double of the range, not only whole seconds: the text rounds, and the
// reading must land on that rounded second.
void TestProperties::dateTextRoundTrips() {
    QFETCH(RegionalForm, form);
    std::mt19937_64 random(kSeed);
    std::uniform_real_distribution<double> anyDate(kFirstSerialDate, kSerialDateEnd);
    for (int i = 0; i < kInstants; ++i) {
        const SerialDate date = i == 0 ? std::nextafter(kSerialDateEnd, 0.0) : anyDate(random);
        const std::string text = dateToText(date, form);
        const Conv<SerialDate> again = dateFromText(text, form);
        if (!again || !(civilFromSerial(*again) == shownInstant(date))) {
            QFAIL(describe(date, text).constData());
        }
    }
}

void TestProperties::fourFieldsShowOneInstant_data() {
    addForms();
}

// Whatever field the user types into, the others show the same second; the
// Epoch, read back from the MJD as written, matches the MJD chain's exactly.
void TestProperties::fourFieldsShowOneInstant() {
    QFETCH(RegionalForm, form);
    std::mt19937_64 random(kSeed + 1);
    for (int i = 0; i < kInstants; ++i) {
        const SerialDate date = wholeSecondBefore(random, kLastDateWithMjd);
        const std::string dateText = dateToText(date, form);
        const FieldWrites fromDate = dateEntryWrites(dateText, form);
        const std::string mjd = textOf(fromDate, Field::Mjd).value_or("");
        const std::string epoch = textOf(fromDate, Field::Epoch).value_or("");
        const std::string julian = textOf(fromDate, Field::Julian).value_or("");
        const FieldWrites fromMjd = mjdEntryWrites(mjd, form);
        const QByteArray where =
            describe(date, dateText) + ", MJD " + QByteArray::fromStdString(mjd);
        if (textOf(fromMjd, Field::Epoch) != epoch) {
            QFAIL(QByteArray(where + ": the MJD chain gives another Epoch").constData());
        }
        if (textOf(fromMjd, Field::Date) != dateText) {
            QFAIL(QByteArray(where + ": the MJD chain shows another date").constData());
        }
        if (textOf(julianEntryWrites(julian, form), Field::Date) != dateText) {
            QFAIL(QByteArray(where + ": the JD chain shows another date").constData());
        }
        if (textOf(epochEntryWrites(epoch, form), Field::Date) != dateText) {
            QFAIL(QByteArray(where + ": the Epoch chain shows another date").constData());
        }
    }
}

void TestProperties::exactValuesAgreeOnEveryField_data() {
    addForms();
}

// MJDs on an eighth of a day print, and so read back, exactly: then the date,
// MJD and JD chains must write the same texts digit for digit.
void TestProperties::exactValuesAgreeOnEveryField() {
    QFETCH(RegionalForm, form);
    std::mt19937_64 random(kSeed + 2);
    std::uniform_int_distribution<long long> eighths(
        static_cast<long long>(kFirstSerialDate + kMjdOfSerialZero) * 8,
        static_cast<long long>(kLastDateWithMjd + kMjdOfSerialZero) * 8 - 1);
    for (int i = 0; i < kInstants; ++i) {
        const double mjdValue = static_cast<double>(eighths(random)) / 8;
        const std::string mjd = numberToText(mjdValue, form);
        const FieldWrites fromMjd = mjdEntryWrites(mjd, form);
        const std::string dateText = textOf(fromMjd, Field::Date).value_or("");
        const std::string julian = textOf(fromMjd, Field::Julian).value_or("");
        const std::string epoch = textOf(fromMjd, Field::Epoch).value_or("");
        const FieldWrites fromDate = dateEntryWrites(dateText, form);
        const FieldWrites fromJulian = julianEntryWrites(julian, form);
        const QByteArray where = "MJD " + QByteArray::fromStdString(mjd);
        if (textOf(fromDate, Field::Mjd) != mjd || textOf(fromDate, Field::Julian) != julian ||
            textOf(fromDate, Field::Epoch) != epoch) {
            QFAIL(QByteArray(where + ": the date chain disagrees").constData());
        }
        if (textOf(fromJulian, Field::Mjd) != mjd || textOf(fromJulian, Field::Epoch) != epoch ||
            textOf(fromJulian, Field::Date) != dateText) {
            QFAIL(QByteArray(where + ": the JD chain disagrees").constData());
        }
    }
}

void TestProperties::numberTextRoundTrips_data() {
    addForms();
}

// Over the whole double range: what numberToText writes, each reader takes
// back to the same text.
void TestProperties::numberTextRoundTrips() {
    QFETCH(RegionalForm, form);
    std::mt19937_64 random(kSeed + 3);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-307, 307);
    for (int i = 0; i < kInstants; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = numberToText(x, form);
        const QByteArray where =
            QByteArray::number(x, 'g', 17) + " written as " + QByteArray::fromStdString(text);
        const Conv<double> field = valueOfFieldText(text, form);
        const Conv<double> strict = numberFromText(text, form);
        if (!field || numberToText(*field, form) != text) {
            QFAIL(QByteArray(where + ": valueOfFieldText reads another number").constData());
        }
        if (!strict || numberToText(*strict, form) != text) {
            QFAIL(QByteArray(where + ": numberFromText reads another number").constData());
        }
    }
}

void TestProperties::spacedTextHasTheSameDigits() {
    const RegionalForm english = RegionalForm::englishUnitedStates();
    std::mt19937_64 random(kSeed + 4);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < kInstants; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string plain = numberToText(x, english);
        const std::string expected = plain.starts_with('-') ? plain : ' ' + plain;
        QCOMPARE(spacedNumberText(x), expected);
    }
}

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
