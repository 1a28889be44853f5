// The simulator's reading of a scenario's start date, one row per rule it
// follows; each row states the whole reading, date lines it misses included.

#include "scenario/scenario_reader.h"
#include "scenario/scenario_text.h"

#include <QTest>
#include <array>
#include <cstdio>

using namespace zentadial;

namespace {

QByteArray number(double value) {
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return buffer.data();
}

const char* nameOf(DateKind kind) {
    constexpr std::array names{"MJD", "JD", "JE"};
    return names.at(static_cast<std::size_t>(kind));
}

const char* nameOf(PresentMomentCause cause) {
    constexpr std::array names{"no date line", "no number", "hidden"};
    return names.at(static_cast<std::size_t>(cause));
}

const char* nameOf(DateHiddenBy by) {
    constexpr std::array names{
        "no section",  "mark",   "indented begin", "end of file before", "long line",
        "end of file", "before", "after",          "shared line",        "later date line"};
    return names.at(static_cast<std::size_t>(by));
}

// "2 MJD 51982.5 = 51982.5 @27+7", or "present: no number", then the section
// and each date line the simulator misses.
QByteArray summary(const ScenarioReading& reading) {
    QByteArray text;
    if (reading.date) {
        const SimulatorDate& date = *reading.date;
        text = QByteArray::number(qulonglong(date.lineNumber)) + " " + nameOf(date.kind) + " " +
               number(date.value) + " = " + number(date.mjd) + " @" +
               QByteArray::number(qulonglong(date.number.offset)) + "+" +
               QByteArray::number(qulonglong(date.number.length));
    } else {
        text = QByteArray("present: ") + nameOf(reading.presentCause);
    }
    if (reading.section) {
        text += " [" + QByteArray::number(qulonglong(reading.section->first)) + "-" +
                QByteArray::number(qulonglong(reading.section->last)) + "]";
    }
    for (const HiddenDateLine& hidden : reading.hidden) {
        text += " | " + QByteArray::number(qulonglong(hidden.lineNumber)) + " " +
                nameOf(hidden.by) + " " + QByteArray::number(qulonglong(hidden.causeLine));
        if (hidden.causeLength != 0) {
            text += " (" + QByteArray::number(qulonglong(hidden.causeLength)) + ")";
        }
    }
    return text;
}

const QByteArray kBegin = "BEGIN_ENVIRONMENT\n";

} // namespace

class TestScenarioReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data();
    void reading();
    void rewriteReadsBack_data() { reading_data(); }
    void rewriteReadsBack();
};

void TestScenarioReader::reading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray x255(255, 'x');
    const QByteArray x256(256, 'x');
    const QByteArray x300(300, 'x');

    // The section.
    QTest::newRow("section, CR LF")
        << QByteArray("BEGIN_ENVIRONMENT\r\n  Date MJD 51982.5\r\nEND_ENVIRONMENT\r\n")
        << QByteArray("2 MJD 51982.5 = 51982.5 @30+7 [1-3]");
    QTest::newRow("begin in any case, a prefix is enough")
        << QByteArray("x\nbegin_Environment_X\nDate MJD 1\n")
        << QByteArray("3 MJD 1 = 1 @31+1 [2-3]");
    QTest::newRow("no section") << QByteArray("BEGIN_FOCUS\n  Date MJD 1\n")
                                << QByteArray("present: hidden | 2 no section 0");
    QTest::newRow("indented begin")
        << QByteArray(" BEGIN_ENVIRONMENT\n  Date MJD 1\nEND_ENVIRONMENT\n")
        << QByteArray("present: hidden [1-3] | 2 indented begin 1");
    QTest::newRow("tab before begin") << QByteArray("\tBEGIN_ENVIRONMENT\nDate MJD 1\n")
                                      << QByteArray("present: hidden [1-2] | 2 indented begin 1");
    QTest::newRow("byte-order mark before begin") << QByteArray("\xEF\xBB\xBF"
                                                                "BEGIN_ENVIRONMENT\nDate MJD 1\n")
                                                  << QByteArray("present: hidden [1-2] | 2 mark 1");
    QTest::newRow("Ctrl-Z before begin")
        << QByteArray("A\nB\x1A\nBEGIN_ENVIRONMENT\nDate MJD 1\n")
        << QByteArray("present: hidden [3-4] | 4 end of file before 2");
    QTest::newRow("end trims to END_ENVIRONMENT in any case")
        << kBegin + "Date MJD 1\n\t end_environment ; x\nDate MJD 2\n"
        << QByteArray("2 MJD 1 = 1 @27+1 [1-3] | 4 after 3");
    QTest::newRow("END_ENVIRONMENTX ends nothing") << kBegin + "END_ENVIRONMENTX\nDate MJD 2\n"
                                                   << QByteArray("3 MJD 2 = 2 @44+1 [1-3]");
    QTest::newRow("date line above the section")
        << "Date MJD 5\n" + kBegin + "END_ENVIRONMENT"
        << QByteArray("present: hidden [2-3] | 1 before 2");
    QTest::newRow("date line after END_ENVIRONMENT")
        << kBegin + "END_ENVIRONMENT\n  Date MJD 5\n"
        << QByteArray("present: hidden [1-2] | 3 after 2");
    QTest::newRow("the first BEGIN_ENVIRONMENT counts")
        << kBegin + "Date MJD 1\nEND_ENVIRONMENT\n" + kBegin + "Date MJD 2\n"
        << QByteArray("2 MJD 1 = 1 @27+1 [1-3] | 5 after 3");

    // The 256-byte line buffer.
    QTest::newRow("255 bytes fit") << kBegin + x255 + "\r\nDate MJD 1\n"
                                   << QByteArray("3 MJD 1 = 1 @284+1 [1-3]");
    QTest::newRow("256 bytes stop the section")
        << kBegin + x256 + "\nDate MJD 1\n"
        << QByteArray("present: hidden [1-3] | 3 long line 2 (256)");
    QTest::newRow("300 bytes hide a later date")
        << kBegin + "Date MJD 1\n" + x300 + "\nDate JD 2\nEND_ENVIRONMENT\n"
        << QByteArray("2 MJD 1 = 1 @27+1 [1-5] | 4 long line 3 (300)");
    QTest::newRow("a long date line is no date")
        << kBegin + "Date MJD 1 ;" + x300 + "\n"
        << QByteArray("present: hidden [1-2] | 2 long line 2 (312)");
    QTest::newRow("long lines before the section are read on")
        << x300 + "\n" + kBegin + "Date MJD 1\n"
        << QByteArray("3 MJD 1 = 1 @328+1 [2-3]");
    QTest::newRow("begin in the rest of a long line") << x255 + "BEGIN_ENVIRONMENT\nDate MJD 1\n"
                                                      << QByteArray("2 MJD 1 = 1 @282+1 [1-2]");

    // Windows text mode.
    QTest::newRow("Ctrl-Z ends the file before the date")
        << kBegin + "System Sol\x1A\nDate MJD 1\n"
        << QByteArray("present: hidden [1-3] | 3 end of file 2");
    QTest::newRow("Ctrl-Z after the number") << kBegin + "Date MJD 7\x1A"
                                                         "0\n"
                                             << QByteArray("2 MJD 7 = 7 @27+1 [1-2]");
    QTest::newRow("a lone CR ends no line")
        << kBegin + "System Sol\rDate MJD 1\n"
        << QByteArray("present: hidden [1-3] | 3 shared line 0");

    // Trimming.
    QTest::newRow("blanks and tabs at both ends")
        << kBegin + " \t Date\t MJD \t51982.5\t \n"
        << QByteArray("2 MJD 51982.5 = 51982.5 @32+7 [1-2]");
    QTest::newRow("a comment is dropped") << kBegin + "Date MJD 1 ; Date MJD 2\n"
                                          << QByteArray("2 MJD 1 = 1 @27+1 [1-2]");
    QTest::newRow("the number may not follow the semicolon")
        << kBegin + "Date MJD ;51982\n"
        << QByteArray("present: no number [1-2]");
    QTest::newRow("a vertical tab is no blank") << kBegin + "\vDate MJD 1\n"
                                                << QByteArray("present: no date line [1-2]");
    QTest::newRow("a no-break space is no blank") << kBegin + "\xA0"
                                                              "Date MJD 1\n"
                                                  << QByteArray("present: no date line [1-2]");

    // Date lines.
    QTest::newRow("Date and MJD in any case") << kBegin + "dATE mjd 3\n"
                                              << QByteArray("2 MJD 3 = 3 @27+1 [1-2]");
    QTest::newRow("MJD glued to Date and number") << kBegin + "DateMJD51982\n"
                                                  << QByteArray("2 MJD 51982 = 51982 @25+5 [1-2]");
    QTest::newRow("Date of no kind") << kBegin + "Date 51982\nDate XJD 5\n"
                                     << QByteArray("present: no date line [1-3]");
    QTest::newRow("JD") << kBegin + "  Date JD 2451545.0\n"
                        << QByteArray("2 JD 2451545 = 51544.5 @28+9 [1-2]");
    QTest::newRow("JE") << kBegin + "Date je 2001.5\n"
                        << QByteArray("2 JE 2001.5 = 52092.375 @26+6 [1-2]");
    QTest::newRow("decimal comma reads the whole days")
        << kBegin + "Date MJD 51982,5\n"
        << QByteArray("2 MJD 51982 = 51982 @27+5 [1-2]");
    QTest::newRow("exponent") << kBegin + "Date MJD 5.19825E4x\n"
                              << QByteArray("2 MJD 51982.5 = 51982.5 @27+9 [1-2]");
    QTest::newRow("exponent without digits") << kBegin + "Date MJD 7e+\n"
                                             << QByteArray("2 MJD 7 = 7 @27+1 [1-2]");
    QTest::newRow("signs") << kBegin + "Date MJD +5\nDate MJD -.5\n"
                           << QByteArray("3 MJD -0.5 = -0.5 @39+3 [1-3]");
    QTest::newRow("sign twice") << kBegin + "Date MJD --5\n"
                                << QByteArray("present: no number [1-2]");
    QTest::newRow("hexadecimal") << kBegin + "Date MJD 0x1.8p4\n"
                                 << QByteArray("2 MJD 24 = 24 @27+7 [1-2]");
    QTest::newRow("0x alone reads as 0") << kBegin + "Date MJD 0xg\n"
                                         << QByteArray("2 MJD 0 = 0 @27+1 [1-2]");
    QTest::newRow("infinity") << kBegin + "Date MJD -Infinity\n"
                              << QByteArray("2 MJD -inf = -inf @27+9 [1-2]");
    QTest::newRow("beyond the double range") << kBegin + "Date MJD 1e999\nDate JD 1e-999\n"
                                             << QByteArray("3 JD 0 = -2400000.5 @41+6 [1-3]");

    // Which date counts.
    QTest::newRow("the last readable line wins")
        << kBegin + "  Date MJD 51982.5\n  Date JD 2400001.5\nEND_ENVIRONMENT\n"
        << QByteArray("3 JD 2400001.5 = 1 @47+9 [1-4]");
    QTest::newRow("a line without number sets nothing") << kBegin + "Date MJD 5\nDate MJD ;\n"
                                                        << QByteArray("2 MJD 5 = 5 @27+1 [1-3]");
    QTest::newRow("Date MJD ; alone: the present moment")
        << kBegin + "  Date MJD ;\nEND_ENVIRONMENT\n"
        << QByteArray("present: no number [1-3]");
    QTest::newRow("no date line") << kBegin + "System Sol\n"
                                  << QByteArray("present: no date line [1-2]");
    QTest::newRow("empty file") << QByteArray() << QByteArray("present: no date line");
}

void TestScenarioReader::reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QCOMPARE(summary(readScenario(std::string_view(bytes.constData(), bytes.size()))), expected);
}

// Over the same rows: a rewrite either gives bytes the simulator starts at
// the MJD written, or is refused with the line it would miss, or finds no
// date line in the section and changes nothing.
void TestScenarioReader::rewriteReadsBack() {
    QFETCH(QByteArray, bytes);
    const std::string_view before(bytes.constData(), bytes.size());
    DateLineSource source = DateLineSource::forMjd(53005.5, "1/1/2004 12:00:00 PM");
    const auto rewritten = rewriteScenarioText(before, source);
    if (!rewritten) {
        QCOMPARE(rewritten.error().kind, TextFailure::DateNotRead);
        QVERIFY(rewritten.error().unread.has_value());
        QVERIFY(rewritten.error().unread->lineNumber > 0);
        return;
    }
    if (rewritten->dateLineCount == 0) {
        QCOMPARE(readScenario(before).date.has_value(), false);
        return;
    }
    const auto date = readScenario(rewritten->bytes).date;
    QVERIFY(date.has_value());
    QCOMPARE(date->kind, DateKind::Mjd);
    QCOMPARE(date->value, 53005.5);
    QCOMPARE(rewritten->after->lineNumber, date->lineNumber);
}

QTEST_GUILESS_MAIN(TestScenarioReader)
#include "tst_scenario_reader.moc"
