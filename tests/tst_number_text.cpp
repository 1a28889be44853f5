#include "core/number_text.h"
#include "support/exact_compare.h"
#include "support/regional_forms.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace zentadial;

namespace {

RegionalForm commaForm() {
    return test::germanForm();
}

RegionalForm formNamed(const QByteArray& name) {
    if (name == "comma") {
        return commaForm();
    }
    if (name == "space") { // thousands as a no-break space, decimal comma
        RegionalForm f = commaForm();
        f.thousandsSeparator = "\xC2\xA0";
        return f;
    }
    return RegionalForm::englishUnitedStates();
}

// The "plain" rows read with plainNumberFromText, the others with
// numberFromText in the named form.
Conv<double> readWhole(const QByteArray& form, const QByteArray& text) {
    return form == "plain" ? zentadial::plainNumberFromText(text.toStdString())
                           : zentadial::numberFromText(text.toStdString(), formNamed(form));
}

QByteArray bytes(const std::string& s) {
    return QByteArray::fromStdString(s);
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberToText_data();
    void numberToText();
    void numberToTextUsesDecimalSeparator();
    void spacedNumberText_data();
    void spacedNumberText();
    void valueOfText_data();
    void valueOfText();
    void valueOfTextOverflow();
    void valueOfFieldText_data();
    void valueOfFieldText();
    void numberFromText_data();
    void numberFromText();
    void numberFromTextFails_data();
    void numberFromTextFails();
    void writtenNumbersReadBack();
};

void TestNumberText::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("0") << 0.0 << QByteArray("0");
    QTest::newRow("-0") << -0.0 << QByteArray("0");
    QTest::newRow("2000") << 2000.0 << QByteArray("2000");
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::newRow("0.5") << 0.5 << QByteArray("0.5");
    QTest::newRow("-0.5") << -0.5 << QByteArray("-0.5");
    QTest::newRow("-1.5") << -1.5 << QByteArray("-1.5");
    QTest::newRow("53005.75") << 53005.75 << QByteArray("53005.75");
    QTest::newRow("1/3") << 1.0 / 3 << QByteArray("0.333333333333333");
    QTest::newRow("2/3") << 2.0 / 3 << QByteArray("0.666666666666667");
    QTest::newRow("15 digits") << 123456789012345.0 << QByteArray("123456789012345");
    QTest::newRow("16 digits rounded") << 1234567890.123456 << QByteArray("1234567890.12346");
    QTest::newRow("largest fixed") << 999999999999999.0 << QByteArray("999999999999999");
    QTest::newRow("rounds up to 1E+15") << 999999999999999.9 << QByteArray("1E+15");
    QTest::newRow("1E+15") << 1e15 << QByteArray("1E+15");
    QTest::newRow("-1E+15") << -1e15 << QByteArray("-1E+15");
    QTest::newRow("1.5E+20") << 1.5e20 << QByteArray("1.5E+20");
    QTest::newRow("1E+100") << 1e100 << QByteArray("1E+100");
    QTest::newRow("max") << std::numeric_limits<double>::max()
                         << QByteArray("1.79769313486232E+308");
    QTest::newRow("1E-4 fixed") << 1e-4 << QByteArray("0.0001");
    QTest::newRow("1.5E-4 fixed") << 1.5e-4 << QByteArray("0.00015");
    QTest::newRow("rounds up to 1E-4") << 0.00009999999999999999 << QByteArray("0.0001");
    QTest::newRow("1E-05") << 1e-5 << QByteArray("1E-05");
    QTest::newRow("-1E-05") << -1e-5 << QByteArray("-1E-05");
    QTest::newRow("1.5E-07") << 1.5e-7 << QByteArray("1.5E-07");
    QTest::newRow("1E-300") << 1e-300 << QByteArray("1E-300");
    QTest::newRow("denormal") << 5e-324 << QByteArray("4.94065645841247E-324");
    QTest::newRow("MJD 2958465") << 2958465.0 << QByteArray("2958465");
    QTest::newRow("-2400000.5") << -2400000.5 << QByteArray("-2400000.5");
    // Non-finite values cannot come from the scale operations; they print "0".
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QByteArray("0");
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << QByteArray("0");
}

void TestNumberText::numberToText() {
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(bytes(zentadial::numberToText(value, RegionalForm::englishUnitedStates())), text);
}

void TestNumberText::numberToTextUsesDecimalSeparator() {
    const RegionalForm f = commaForm();
    QCOMPARE(bytes(zentadial::numberToText(53005.75, f)), QByteArray("53005,75"));
    QCOMPARE(bytes(zentadial::numberToText(1234567.5, f)), QByteArray("1234567,5")); // no grouping
    QCOMPARE(bytes(zentadial::numberToText(1.5e20, f)), QByteArray("1,5E+20"));
    QCOMPARE(bytes(zentadial::numberToText(0.5, f)), QByteArray("0,5"));
    QCOMPARE(bytes(zentadial::numberToText(2000, f)), QByteArray("2000"));
}

void TestNumberText::spacedNumberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("53005.5") << 53005.5 << QByteArray(" 53005.5");
    QTest::newRow("-1.5") << -1.5 << QByteArray("-1.5");
    QTest::newRow("0") << 0.0 << QByteArray(" 0");
    QTest::newRow("-0") << -0.0 << QByteArray(" 0");
    QTest::newRow("0.5") << 0.5 << QByteArray(" 0.5");
    QTest::newRow("seconds") << 53815.2710069444444 << QByteArray(" 53815.2710069444");
    QTest::newRow("negative MJD") << -15018.25 << QByteArray("-15018.25");
    QTest::newRow("1E+15") << 1e15 << QByteArray(" 1E+15");
}

void TestNumberText::spacedNumberText() {
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(bytes(zentadial::spacedNumberText(value)), text);
}

void TestNumberText::valueOfText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("2004.5abc") << QByteArray("2004.5abc") << 2004.5;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("blanks") << QByteArray("   ") << 0.0;
    QTest::newRow(" - 8") << QByteArray(" - 8") << -8.0;
    QTest::newRow("1,5") << QByteArray("1,5") << 1.0;
    QTest::newRow("1 2") << QByteArray("1 2") << 12.0;
    QTest::newRow("tab and LF") << QByteArray("1\t2\n3") << 123.0;
    QTest::newRow("CR stops") << QByteArray("1\r2") << 1.0;
    QTest::newRow("+5") << QByteArray("+5") << 5.0;
    QTest::newRow("5.5") << QByteArray("5.5") << 5.5;
    QTest::newRow(".5") << QByteArray(".5") << 0.5;
    QTest::newRow("5.") << QByteArray("5.") << 5.0;
    QTest::newRow("-.5e1") << QByteArray("-.5e1") << -5.0;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("1E3") << QByteArray("1E3") << 1000.0;
    QTest::newRow("1e+3") << QByteArray("1e+3") << 1000.0;
    QTest::newRow("1E-3") << QByteArray("1E-3") << 0.001;
    QTest::newRow("E without digits") << QByteArray("5E") << 5.0;
    QTest::newRow("E sign without digits") << QByteArray("5E+x") << 5.0;
    QTest::newRow("exponent with blanks") << QByteArray("1 E - 2") << 0.01;
    QTest::newRow("no digits") << QByteArray("abc") << 0.0;
    QTest::newRow("sign only") << QByteArray("-") << 0.0;
    QTest::newRow("point only") << QByteArray(".") << 0.0;
    QTest::newRow("E only") << QByteArray("E5") << 0.0;
    QTest::newRow("two signs") << QByteArray("+-8") << 0.0;
    QTest::newRow("no hex") << QByteArray("&H10") << 0.0;
    QTest::newRow("no hex 0x") << QByteArray("0x10") << 0.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("underflow is 0") << QByteArray("1e-400") << 0.0;
    QTest::newRow("denormal") << QByteArray("5e-324") << 5e-324;
    QTest::newRow("huge exponent of zero") << QByteArray("0e99999999999999999999") << 0.0;
    QTest::newRow("huge negative exponent") << QByteArray("1e-99999999999999999999") << 0.0;
    QTest::newRow("max") << QByteArray("1.7976931348623157e308")
                         << std::numeric_limits<double>::max();
    QTest::newRow("many digits") << QByteArray("0.0000000000000000000000000000012345e31") << 12.345;
    QTest::newRow("MJD text") << QByteArray("53815.2710069444") << 53815.2710069444;
}

void TestNumberText::valueOfText() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const auto v = zentadial::valueOfText(text.toStdString());
    QVERIFY(v.has_value());
    QCOMPARE_EXACT(*v, value);
}

void TestNumberText::valueOfTextOverflow() {
    QCOMPARE(zentadial::valueOfText("1e400").error(), ConvError::Overflow);
    QCOMPARE(zentadial::valueOfText("-1e400").error(), ConvError::Overflow);
    QCOMPARE(zentadial::valueOfText("1.8e308").error(), ConvError::Overflow);
    QCOMPARE(zentadial::valueOfText("1e99999999999999999999").error(), ConvError::Overflow);
    QCOMPARE(zentadial::valueOfText(std::string(400, '9')).error(), ConvError::Overflow);
    QVERIFY(std::signbit(*zentadial::valueOfText("-1e-400")));
}

void TestNumberText::valueOfFieldText_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("en 53005.75") << QByteArray("en") << QByteArray("53005.75") << 53005.75;
    QTest::newRow("en comma stops") << QByteArray("en") << QByteArray("53005,75") << 53005.0;
    QTest::newRow("comma 53005,75") << QByteArray("comma") << QByteArray("53005,75") << 53005.75;
    // A "." copied from a scenario file is a decimal point in every form.
    QTest::newRow("comma form reads a point")
        << QByteArray("comma") << QByteArray("2453006.25") << 2453006.25;
    QTest::newRow("pasted cell with line end")
        << QByteArray("comma") << QByteArray("2453006.25\r\n") << 2453006.25;
    QTest::newRow("no-break space before") << QByteArray("comma")
                                           << QByteArray("\xC2\xA0"
                                                         "2453006,25")
                                           << 2453006.25;
    QTest::newRow("U+2212 minus") << QByteArray("en")
                                  << QByteArray("\xE2\x88\x92"
                                                "4711.5")
                                  << -4711.5;
    QTest::newRow("comma exponent") << QByteArray("comma") << QByteArray("1,5E+20") << 1.5e20;
    QTest::newRow("comma blanks") << QByteArray("comma") << QByteArray(" - 0 , 5") << -0.5;
    QTest::newRow("comma no digits") << QByteArray("comma") << QByteArray("x") << 0.0;
}

void TestNumberText::valueOfFieldText() {
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const auto v = zentadial::valueOfFieldText(text.toStdString(), formNamed(form));
    QVERIFY(v.has_value());
    QCOMPARE_EXACT(*v, value);
}

void TestNumberText::numberFromText_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("53005.5") << QByteArray("en") << QByteArray("53005.5") << 53005.5;
    QTest::newRow("blanks around") << QByteArray("en") << QByteArray(" \t53005.5 \t") << 53005.5;
    QTest::newRow("-1.5") << QByteArray("en") << QByteArray("-1.5") << -1.5;
    QTest::newRow("+2") << QByteArray("en") << QByteArray("+2") << 2.0;
    QTest::newRow("5.") << QByteArray("en") << QByteArray("5.") << 5.0;
    QTest::newRow(".5") << QByteArray("en") << QByteArray(".5") << 0.5;
    QTest::newRow("-.5") << QByteArray("en") << QByteArray("-.5") << -0.5;
    QTest::newRow("grouped") << QByteArray("en") << QByteArray("2,451,545.5") << 2451545.5;
    QTest::newRow("exponent") << QByteArray("en") << QByteArray("1.5E+20") << 1.5e20;
    QTest::newRow("exponent e-") << QByteArray("en") << QByteArray("1e-5") << 1e-5;
    QTest::newRow("exponent after point") << QByteArray("en") << QByteArray("5.E2") << 500.0;
    QTest::newRow("underflow is 0") << QByteArray("en") << QByteArray("1e-400") << 0.0;
    QTest::newRow("comma 53005,75") << QByteArray("comma") << QByteArray("53005,75") << 53005.75;
    QTest::newRow("comma exponent") << QByteArray("comma") << QByteArray("1,5E+20") << 1.5e20;
    QTest::newRow("comma ,5") << QByteArray("comma") << QByteArray(",5") << 0.5;
    // "." is a decimal point in every form, never a group separator.
    QTest::newRow("comma form: point is a point")
        << QByteArray("comma") << QByteArray("0.5") << 0.5;
    QTest::newRow("comma form: MJD from a scenario")
        << QByteArray("comma") << QByteArray("51982.5") << 51982.5;
    QTest::newRow("space form: MJD from a scenario")
        << QByteArray("space") << QByteArray("51982.5") << 51982.5;
    QTest::newRow("pasted with CR LF") << QByteArray("en") << QByteArray("53005.5\r\n") << 53005.5;
    QTest::newRow("narrow and no-break spaces around") << QByteArray("en")
                                                       << QByteArray("\xC2\xA0"
                                                                     "53005.5\xE2\x80\xAF")
                                                       << 53005.5;
    QTest::newRow("U+2212 minus") << QByteArray("en")
                                  << QByteArray("\xE2\x88\x92"
                                                "1.5")
                                  << -1.5;
    QTest::newRow("plain 60000.5") << QByteArray("plain") << QByteArray("60000.5") << 60000.5;
    QTest::newRow("plain exponent") << QByteArray("plain") << QByteArray("-1.5E-3") << -1.5e-3;
    QTest::newRow("plain with line end") << QByteArray("plain") << QByteArray("5.5\n") << 5.5;
    QTest::newRow("nbsp grouped") << QByteArray("space")
                                  << QByteArray("2\xC2\xA0"
                                                "451\xC2\xA0"
                                                "545,5")
                                  << 2451545.5;
}

void TestNumberText::numberFromText() {
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const auto v = readWhole(form, text);
    QVERIFY(v.has_value());
    QCOMPARE_EXACT(*v, value);
}

void TestNumberText::numberFromTextFails_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("error");

    const int mismatch = static_cast<int>(ConvError::TypeMismatch);
    const int overflow = static_cast<int>(ConvError::Overflow);
    QTest::newRow("empty") << QByteArray("en") << QByteArray("") << mismatch;
    QTest::newRow("blanks") << QByteArray("en") << QByteArray("  ") << mismatch;
    QTest::newRow("-") << QByteArray("en") << QByteArray("-") << mismatch;
    QTest::newRow(".") << QByteArray("en") << QByteArray(".") << mismatch;
    QTest::newRow("-.") << QByteArray("en") << QByteArray("-.") << mismatch;
    QTest::newRow("5x") << QByteArray("en") << QByteArray("5x") << mismatch;
    QTest::newRow("abc") << QByteArray("en") << QByteArray("abc") << mismatch;
    QTest::newRow("1e") << QByteArray("en") << QByteArray("1e") << mismatch;
    QTest::newRow("1e+") << QByteArray("en") << QByteArray("1e+") << mismatch;
    QTest::newRow("inner blank") << QByteArray("en") << QByteArray("1 2") << mismatch;
    QTest::newRow("two points") << QByteArray("en") << QByteArray("1.2.3") << mismatch;
    QTest::newRow("leading separator") << QByteArray("en") << QByteArray(",5") << mismatch;
    QTest::newRow("trailing separator") << QByteArray("en") << QByteArray("5,") << mismatch;
    QTest::newRow("double separator") << QByteArray("en") << QByteArray("5,,000") << mismatch;
    QTest::newRow("grouping after point") << QByteArray("en") << QByteArray("0.5,5") << mismatch;
    QTest::newRow("E alone") << QByteArray("en") << QByteArray("E5") << mismatch;
    QTest::newRow("hex") << QByteArray("en") << QByteArray("0x10") << mismatch;
    QTest::newRow("two signs") << QByteArray("en") << QByteArray("--5") << mismatch;
    QTest::newRow("CR inside") << QByteArray("en") << QByteArray("5\r5") << mismatch;
    // Group separators count only in real groups of three.
    QTest::newRow("loose grouping") << QByteArray("en") << QByteArray("1,5") << mismatch;
    QTest::newRow("comma decimal in en") << QByteArray("en") << QByteArray("53005,5") << mismatch;
    QTest::newRow("short inner group") << QByteArray("en") << QByteArray("1,23,456") << mismatch;
    QTest::newRow("long first group") << QByteArray("en") << QByteArray("1234,567") << mismatch;
    QTest::newRow("comma form: points as groups")
        << QByteArray("comma") << QByteArray("2.451.545,5") << mismatch;
    QTest::newRow("comma form: 1.000,5")
        << QByteArray("comma") << QByteArray("1.000,5") << mismatch;
    QTest::newRow("plain: decimal comma")
        << QByteArray("plain") << QByteArray("53005,5") << mismatch;
    QTest::newRow("plain: grouped") << QByteArray("plain") << QByteArray("1,000.5") << mismatch;
    QTest::newRow("plain: points as groups")
        << QByteArray("plain") << QByteArray("1.000.5") << mismatch;
    QTest::newRow("comma form point then letters")
        << QByteArray("comma") << QByteArray("0.5x") << mismatch;
    QTest::newRow("overflow") << QByteArray("en") << QByteArray("1e400") << overflow;
    QTest::newRow("negative overflow") << QByteArray("en") << QByteArray("-1.8e308") << overflow;
}

void TestNumberText::numberFromTextFails() {
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, text);
    QFETCH(int, error);
    const auto v = readWhole(form, text);
    QVERIFY(!v.has_value());
    QCOMPARE(static_cast<int>(v.error()), error);
}

// numberToText's texts read back with both readers to the 15-digit value.
void TestNumberText::writtenNumbersReadBack() {
    for (const RegionalForm& f : {RegionalForm::englishUnitedStates(), commaForm()}) {
        for (const double x : {0.0, 53005.75, -2400000.5, 1e15, 1.5e-7, 0.1 + 0.2, 2453815.77100694,
                               -4711.96440793977, 1e-300, 1.5e300}) {
            const std::string text = zentadial::numberToText(x, f);
            const auto a = zentadial::numberFromText(text, f);
            const auto b = zentadial::valueOfFieldText(text, f);
            QVERIFY2(a.has_value() && b.has_value(), text.c_str());
            QCOMPARE_EXACT(*a, *b);
            QCOMPARE(zentadial::numberToText(*a, f), text);
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
