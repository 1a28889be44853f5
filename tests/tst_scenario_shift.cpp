#include "scenario/scenario_shift.h"
#include "scenario/time_span.h"

#include <QTest>
#include <cmath>
#include <string>

using namespace zentadial;

Q_DECLARE_METATYPE(zentadial::SpanError)
Q_DECLARE_METATYPE(zentadial::ShiftFailure)

namespace {

constexpr double kMinutesPerDay = 24 * 60;

// A transfer planner's MFD with a stored manoeuvre date.
const QByteArray kTransX = "  MODE TransX\nMan. date\n 1  43373.5263168";

// A scenario with a line put into one of its blocks.
std::string scenarioWith(const QString& block, const QByteArray& line) {
    const auto in = [&](const char* name) {
        return block == QLatin1String(name) ? line.toStdString() + "\n" : std::string{};
    };
    return "BEGIN_DESC\n" + in("desc") + "END_DESC\n" + "BEGIN_ENVIRONMENT\n  System Sol\n" +
           in("env") + "  Date MJD 51982.10678799\n" + "END_ENVIRONMENT\n" +
           "BEGIN_MFD Left\n  TYPE User\n" + in("mfd") + "END_MFD\n" +
           "BEGIN_SHIPS\nISS:ProjectAlpha_ISS\n  STATUS Orbiting Earth\n" + in("ship") +
           "END\nEND_SHIPS\n";
}

std::expected<ShiftedText, ShiftRefusal> shift(const std::string& bytes, const QString& span,
                                               const QString& options) {
    ShiftOptions chosen;
    chosen.keepElements = options.contains(QLatin1String("keep-elements"));
    chosen.force = options.contains(QLatin1String("force"));
    chosen.comment = [](double) { return std::string("c"); };
    return shiftScenarioText(bytes, readScenario(bytes), *spanFromText(span.toStdString()), chosen);
}

} // namespace

class TestScenarioShift : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void spans_data();
    void spans();
    void keyFamilies_data();
    void keyFamilies();
    void refusals_data();
    void refusals();
};

void TestScenarioShift::spans_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("days");
    QTest::addColumn<int>("error"); // -1: none, else a SpanError

    const auto ok = [](const char* tag, const char* text, double days) {
        QTest::newRow(tag) << QString::fromLatin1(text) << days << -1;
    };
    const auto bad = [](const char* tag, const char* text, SpanError error) {
        QTest::newRow(tag) << QString::fromLatin1(text) << 0.0 << static_cast<int>(error);
    };
    ok("days", "+779", 779);
    ok("half a day back", "-0.5", -0.5);
    ok("days without sign", "12", 12);
    ok("blanks around", " +3 ", 3);
    ok("hours and minutes", "-0:15", -15 / kMinutesPerDay);
    ok("more hours than a day", "+36:00", 1.5);
    ok("hours minutes seconds", "+01:00:30", 3630 / kSecondsPerDay);
    ok("fraction of a second", "0:00:01.5", 1.5 / kSecondsPerDay);
    ok("days and clock", "+1:02:00:00", 1 + 2 / 24.0);
    ok("unit days", "+779d", 779);
    ok("unit hours", "+2h", 2 / 24.0);
    ok("unit minutes", "-15min", -15 / kMinutesPerDay);
    ok("unit seconds", "30s", 30 / kSecondsPerDay);
    ok("fraction of hours", "+1.5h", 1.5 / 24);
    bad("empty", "", SpanError::Empty);
    bad("blank", "  ", SpanError::Empty);
    bad("words", "abc", SpanError::NotASpan);
    bad("blank before the unit", "+15 min", SpanError::NotASpan);
    bad("decimal comma", "1,5", SpanError::NotASpan);
    bad("exponent", "1e3", SpanError::NotASpan);
    bad("two signs", "--1", SpanError::NotASpan);
    bad("unknown unit", "+3w", SpanError::NotASpan);
    bad("five clock parts", "1:2:3:4:5", SpanError::NotASpan);
    bad("fraction of hours in a clock", "+1.5:00", SpanError::NotASpan);
    bad("sixty minutes", "+0:60", SpanError::OutOfRange);
    bad("sixty seconds", "+0:00:60", SpanError::OutOfRange);
    bad("24 hours after days", "+1:24:00:00", SpanError::OutOfRange);
    bad("beyond a million days", "+2000000", SpanError::OutOfRange);
}

void TestScenarioShift::spans() {
    QFETCH(QString, text);
    QFETCH(double, days);
    QFETCH(int, error);
    const auto span = spanFromText(text.toStdString());
    if (error >= 0) {
        QVERIFY(!span);
        QCOMPARE(static_cast<int>(span.error()), error);
        return;
    }
    QVERIFY(span);
    QVERIFY2(std::fabs(*span - days) <= 1e-15, QByteArray::number(*span, 'g', 17));
}

void TestScenarioShift::keyFamilies_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QByteArray>("after"); // the line after the shift

    const auto row = [](const char* tag, const char* block, const QByteArray& line,
                        const char* span, const char* options, const QByteArray& after) {
        QTest::newRow(tag) << QString::fromLatin1(block) << line << QString::fromLatin1(span)
                           << QString::fromLatin1(options) << after;
    };
    row("date line +779 d", "env", {}, "+779", "", "  Date MJD 52761.10678799     ; c");
    row("date line -15 min", "env", {}, "-15min", "", "  Date MJD 51982.0963713233     ; c");
    const QByteArray elements = "  ELEMENTS 6734919 0.0009 74.513 169.034 328.305 122.0 51544.5";
    row("ELEMENTS +779 d", "ship", elements, "+779", "",
        "  ELEMENTS 6734919 0.0009 74.513 169.034 328.305 122.0 52323.5");
    row("ELEMENTS -15 min", "ship", elements, "-15min", "",
        "  ELEMENTS 6734919 0.0009 74.513 169.034 328.305 122.0 51544.4895833333");
    row("ELEMENTS with tabs and a comment", "ship", "\tELEMENTS\t1 0 0 0 0 0\t51544 ; epoch",
        "+779", "", "\tELEMENTS\t1 0 0 0 0 0\t52323 ; epoch");
    row("ELEMENTS kept as asked", "ship", elements, "+779", "keep-elements", elements);
    row("ELEMENTS in a description stays", "desc", "ELEMENTS 1 2 3 4 5 6 51544.5", "+779", "",
        "ELEMENTS 1 2 3 4 5 6 51544.5");
    row("LAUNCH_MJD +779 d", "ship", "  LAUNCH_MJD 46565.840278", "+779", "",
        "  LAUNCH_MJD 47344.840278");
    row("LAUNCH_MJD -15 min", "ship", "  LAUNCH_MJD 46565.840278", "-15min", "",
        "  LAUNCH_MJD 46565.8298613333");
    row("MET_STARTING_MJD +779 d", "ship", "  MET_STARTING_MJD 51982.669329", "+779", "",
        "  MET_STARTING_MJD 52761.669329");
    row("MET_STARTING_MJD -15 min", "ship", "  MET_STARTING_MJD 51982.669329", "-15min", "",
        "  MET_STARTING_MJD 51982.6589123333");
    row("MET not started stays", "ship", "  MET_STARTING_MJD -1.000000", "+779", "",
        "  MET_STARTING_MJD -1.000000");
    row("TransX plan stays when forced", "mfd", kTransX, "+779", "force", kTransX);
    row("Playback stays when forced", "env", "  Playback Welcome", "-15min", "force",
        "  Playback Welcome");
    row("guidance memory stays when forced", "ship", "  AGC_BEGIN", "+779", "force", "  AGC_BEGIN");
}

void TestScenarioShift::keyFamilies() {
    QFETCH(QString, block);
    QFETCH(QByteArray, line);
    QFETCH(QString, span);
    QFETCH(QString, options);
    QFETCH(QByteArray, after);
    const std::string before = scenarioWith(block, line);
    const auto shifted = shift(before, span, options);
    QVERIFY(shifted);
    const QByteArray bytes = QByteArray::fromStdString(shifted->bytes);
    QVERIFY2(bytes.contains(QByteArray("\n" + after + "\n")), bytes.constData());
    // Only the date line and the line of the row differ.
    const auto beforeLines = QByteArray::fromStdString(before).split('\n');
    const auto afterLines = bytes.split('\n');
    QCOMPARE(afterLines.size(), beforeLines.size());
    for (qsizetype i = 0; i < beforeLines.size(); ++i) {
        if (beforeLines[i] != afterLines[i]) {
            QVERIFY2(beforeLines[i].contains("Date MJD") || beforeLines[i] == line,
                     beforeLines[i].constData());
        }
    }
}

void TestScenarioShift::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("span");
    QTest::addColumn<ShiftFailure>("failure");

    const auto with = [](const char* block, const QByteArray& line) {
        return QByteArray::fromStdString(scenarioWith(QString::fromLatin1(block), line));
    };
    QTest::newRow("present moment")
        << QByteArray("BEGIN_ENVIRONMENT\n  Date MJD ;\nEND_ENVIRONMENT\n") << "+779"
        << ShiftFailure::PresentMoment;
    QTest::newRow("no date line") << QByteArray(
                                         "BEGIN_ENVIRONMENT\n  System Sol\nEND_ENVIRONMENT\n")
                                  << "+779" << ShiftFailure::PresentMoment;
    QTest::newRow("TransX plan") << with("mfd", kTransX) << "+779" << ShiftFailure::Unmovable;
    QTest::newRow("transfer planner's data")
        << with("mfd", "  MODE Interplanetary\n  Data 0 0 120000 1 1 51997.70907426388 0") << "+779"
        << ShiftFailure::Unmovable;
    QTest::newRow("playback") << with("env", "  PLAYBACK Welcome") << "+779"
                              << ShiftFailure::Unmovable;
    QTest::newRow("guidance memory")
        << with("ship", "  AGC_BEGIN") << "-15min" << ShiftFailure::Unmovable;
    QTest::newRow("epoch with an exponent")
        << with("ship", "  ELEMENTS 1 0 0 0 0 0 5.15445e4") << "+779" << ShiftFailure::NumberForm;
    QTest::newRow("hexadecimal LAUNCH_MJD")
        << with("ship", "  LAUNCH_MJD 0x1p10") << "+779" << ShiftFailure::NumberForm;
    // 253 bytes now; the epoch gains ten decimals.
    const QByteArray padded = "  ELEMENTS 1 0 0 0 0 0 51544 ;" + QByteArray(253 - 30, 'x');
    QTest::newRow("line grows past what the simulator reads")
        << with("ship", padded) << "-15min" << ShiftFailure::LongLine;
    QTest::newRow("not a text scenario")
        << QByteArray("BEGIN_ENVIRONMENT\n  Date MJD 51000\nEND_ENVIRONMENT\n") +
               QByteArray(1, '\0')
        << "+1" << ShiftFailure::NotText;
    // No date the reader could find: not text, rather than the present moment.
    QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE"
                                               "B\0E\0G\0I\0N\0_\0E\0N\0V\0\n\0",
                                               22)
                                 << "+1" << ShiftFailure::NotText;
    QTest::newRow("epoch run into a word")
        << with("ship", "  ELEMENTS 1 0 0 0 0 0 51544.5abc") << "+779" << ShiftFailure::NumberForm;
}

void TestScenarioShift::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, span);
    QFETCH(ShiftFailure, failure);
    const auto shifted = shift(bytes.toStdString(), span, {});
    QVERIFY(!shifted);
    QCOMPARE(shifted.error().kind, failure);
}

QTEST_APPLESS_MAIN(TestScenarioShift)
#include "tst_scenario_shift.moc"
