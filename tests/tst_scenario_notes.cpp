// What a date change touches besides the date line: one row per key family
// and per rule that places a key in its block.

#include "scenario/scenario_notes.h"

#include <QTest>
#include <array>
#include <cstdio>

using namespace zentadial;

namespace {

const char* nameOf(NoteFamily family) {
    constexpr std::array names{"elements",  "state vectors", "landed",
                               "launch",    "mission clock", "plan date",
                               "plan data", "playback",      "guidance memory"};
    return names.at(static_cast<std::size_t>(family));
}

// "elements 4 ISS 51544.5 @93+7 | ...": family, line, vessel, value and where
// its digits stand.
QByteArray summary(const std::vector<ScenarioNote>& notes) {
    QByteArray text;
    for (const ScenarioNote& note : notes) {
        text += QByteArray(text.isEmpty() ? "" : " | ") + nameOf(note.family) + " " +
                QByteArray::number(qulonglong(note.lineNumber));
        if (!note.vessel.empty()) {
            text += " " + QByteArray::fromStdString(note.vessel);
        }
        if (note.value) {
            std::array<char, 40> digits{};
            std::snprintf(digits.data(), digits.size(), "%.17g", *note.value);
            text += QByteArray(" ") + digits.data() + " @" +
                    QByteArray::number(qulonglong(note.number.offset)) + "+" +
                    QByteArray::number(qulonglong(note.number.length));
        }
    }
    return text;
}

const QByteArray kShips = "BEGIN_SHIPS\nISS:ProjectAlpha_ISS\n"; // 33 bytes, the vessel on line 2
const QByteArray kEnd = "END\nEND_SHIPS\n";

} // namespace

class TestScenarioNotes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void notes_data();
    void notes();
};

void TestScenarioNotes::notes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("ELEMENTS: the seventh number is the epoch")
        << kShips + "  ELEMENTS 6734919 0.0009 74.513 169.034 328.305 122.0 51544.5\n" + kEnd
        << QByteArray("elements 3 ISS 51544.5 @88+7");
    QTest::newRow("ELEMENTS without an epoch")
        << kShips + "  ELEMENTS 6734919 0.0009 74.513 169.034 328.305 122.0\n" + kEnd
        << QByteArray("elements 3 ISS");
    QTest::newRow("state vectors, CR LF")
        << QByteArray("BEGIN_SHIPS\r\nGL-01:DeltaGlider\r\n  STATUS Orbiting Earth\r\n"
                      "  RPOS 1201606.715 1263870.358 49215.669\r\n  RVEL 1 2 3\r\nEND\r\n")
        << QByteArray("state vectors 4 GL-01");
    QTest::newRow("landed, and orbiting is no note")
        << "BEGIN_SHIPS\nA:B\n  STATUS Landed Earth\nEND\nC:D\n  STATUS Orbiting Earth\n" + kEnd
        << QByteArray("landed 3 A");
    QTest::newRow("a vessel named without its class")
        << QByteArray("BEGIN_SHIPS\nMir\n  STATUS Landed Earth\nEND\nEND_SHIPS\n")
        << QByteArray("landed 3 Mir");
    QTest::newRow("LAUNCH_MJD after a subsystem line at column 0")
        << kShips +
               "@SUBSYSTEM HeEng_C\n  PRESS 4100\n@ENDSUBSYSTEM\t\t;HeEng_C\n"
               "  LAUNCH_MJD 44706.500046\n" +
               kEnd
        << QByteArray("launch 6 ISS 44706.500046000001 @102+12");
    QTest::newRow("mission clock not started") << kShips + "  MET_STARTING_MJD -1.000000\n" + kEnd
                                               << QByteArray("mission clock 3 ISS -1 @52+9");
    QTest::newRow("keys outside a vessel block are no notes")
        << "BEGIN_DESC\n  LAUNCH_MJD 44706.5\n  STATUS Landed Earth\nEND_DESC\n" + kShips +
               "END\n  LAUNCH_MJD 1.5\nEND_SHIPS\n"
        << QByteArray();
    QTest::newRow("a key is a whole word")
        << kShips + "  LAUNCH_MJDX 44706.5\n  ELEMENTSX 1 2 3 4 5 6 7\n" + kEnd << QByteArray();
    QTest::newRow("transfer planner: the date on the line after its label")
        << QByteArray("BEGIN_MFD Right\n  TYPE User\n  MODE TransX\nMan. date\n 1  43373.5263168\n"
                      "END_MFD\n")
        << QByteArray("plan date 5 43373.526316800002 @56+13");
    QTest::newRow("transfer planner in an MFD window of its own")
        << QByteArray("BEGIN_ExtMFD\n  TYPE User\n  MODE TransX\nMan. date\n 1  43373.5263168\n"
                      "END_ExtMFD\n")
        << QByteArray("plan date 5 43373.526316800002 @53+13");
    QTest::newRow("that label in another MFD is no note")
        << QByteArray("BEGIN_MFD Left\n  MODE Orbit\nMan. date\n 1  43373.5263168\nEND_MFD\n")
        << QByteArray();
    QTest::newRow("transfer planner's data: the number that reads as a date")
        << QByteArray("BEGIN_MFD Left\n  TYPE User\n  MODE Interplanetary\n"
                      "  Data 0 3 0 0 0 1 1 0 0 0 0 0 10 0 0\n"
                      "  Data 0 0 120000 0.0523599 0.0872665 1 1 51997.70907426388 0 0\n"
                      "END_MFD\n")
        << QByteArray("plan data 5 51997.709074263883 @129+17");
    QTest::newRow("guidance memory image, its key at column 0")
        << kShips + "AGC_BEGIN\n  00001 0\nAGC_END\n" + kEnd << QByteArray("guidance memory 3 ISS");
    QTest::newRow("playback in the environment section only")
        << QByteArray("BEGIN_DESC\nPlayback old\nEND_DESC\nBEGIN_ENVIRONMENT\n  System Sol\n"
                      "  Playback Welcome\nEND_ENVIRONMENT\n")
        << QByteArray("playback 6");
}

void TestScenarioNotes::notes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QCOMPARE(summary(scenarioNotes(std::string_view(bytes.constData(), bytes.size()))), expected);
}

QTEST_GUILESS_MAIN(TestScenarioNotes)
#include "tst_scenario_notes.moc"
