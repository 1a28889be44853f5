// Inputs the fuzz targets found that lost or corrupted data.

#include "core/settings_file.h"
#include "scenario/scenario_text.h"

#include <QTest>
#include <string>

using namespace zentadial;

class TestRegressions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsReadBackAsWritten_data();
    void settingsReadBackAsWritten();
    void listZoneKeepsItsPlainLine();
    void dateTextLineEndsStayInTheDateLine_data();
    void dateTextLineEndsStayInTheDateLine();
};

void TestRegressions::settingsReadBackAsWritten_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("quoted zone with a comma") << QByteArray("\r\n\"5,5\"\r\n");
    QTest::newRow("quoted zone with a line end") << QByteArray("x\r\n\"-8\nold\"\r\n");
    QTest::newRow("quoted zone starting with a quote") << QByteArray("x\r\n\"\"\"-8\"\r\n");
    QTest::newRow("quoted zone, blanks then a quote") << QByteArray("x\r\n\"  \"\"3\"\r\n");
    QTest::newRow("quoted folder with a comma") << QByteArray("\"C:\\a, b\"\r\n-5\r\n");
}

// A file the program reads must come back the same after the next closing,
// or the zone shifts at every start.
void TestRegressions::settingsReadBackAsWritten() {
    QFETCH(QByteArray, file);
    const StoredSettings read = readSettings(file.toStdString());
    QCOMPARE(readSettings(writeSettings(read)), read);
}

// Other programs read line 2 as it stands: the list's entries must not gain
// quotes.
void TestRegressions::listZoneKeepsItsPlainLine() {
    QCOMPARE(writeSettings({"", " 5"}), std::string("\r\n 5\r\n"));
    QCOMPARE(writeSettings({"D:\\Orbiter", "-8"}), std::string("D:\\Orbiter\r\n-8\r\n"));
}

void TestRegressions::dateTextLineEndsStayInTheDateLine_data() {
    QTest::addColumn<QByteArray>("dateText");
    QTest::newRow("LF between date and time") << QByteArray("1/1/2004\n12:00:00 PM");
    QTest::newRow("CR LF between date and time") << QByteArray("1/1/2004\r\n12:00:00 PM");
    QTest::newRow("trailing CR") << QByteArray("1/1/2004 12:00:00 PM\r");
}

// Line ends read as blanks in a date, but written into the date line's
// comment they would add lines to the scenario.
void TestRegressions::dateTextLineEndsStayInTheDateLine() {
    QFETCH(QByteArray, dateText);
    DateLineSource source(dateText.toStdString(), RegionalForm::englishUnitedStates());
    const auto rewritten =
        rewriteScenarioText("BEGIN_ENVIRONMENT\n  Date MJD 1\nEND_ENVIRONMENT\n", source);
    QVERIFY(rewritten.has_value());
    QCOMPARE(rewritten->bytes.substr(0, 18), std::string("BEGIN_ENVIRONMENT\n"));
    QVERIFY(rewritten->bytes.ends_with("\nEND_ENVIRONMENT\n"));
    const std::string dateLine = rewritten->bytes.substr(18, rewritten->bytes.size() - 35);
    QVERIFY2(dateLine.find_first_of("\r\n") == std::string::npos, dateLine.c_str());
    QVERIFY2(dateLine.starts_with("  Date MJD 53005.5     ; 1/1/2004"), dateLine.c_str());
}

QTEST_GUILESS_MAIN(TestRegressions)
#include "tst_regressions.moc"
