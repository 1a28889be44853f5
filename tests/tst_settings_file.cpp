#include "core/settings_file.h"

#include <QTest>

using zentadial::readSettings;
using zentadial::StoredSettings;
using zentadial::writeSettings;

class TestSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsItems_data();
    void readsItems();
    void roundTrips_data();
    void roundTrips();
    void writesTwoCrLfLines();
};

void TestSettingsFile::readsItems_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("zone");

    QTest::newRow("two plain lines") << QByteArray("D:\\Orbiter\r\n-8\r\n") << "D:\\Orbiter"
                                     << "-8";
    QTest::newRow("two empty lines") << QByteArray("\r\n\r\n") << ""
                                     << "";
    QTest::newRow("zone loses its leading blank") << QByteArray("x\r\n 5\r\n") << "x"
                                                  << "5";
    QTest::newRow("comma ends the folder early")
        << QByteArray("D:\\Orbiter,old\r\n-8\r\n") << "D:\\Orbiter"
        << "old";
    QTest::newRow("empty first line") << QByteArray("\r\n-5\r\n") << ""
                                      << "-5";
    QTest::newRow("quoted folder with comma") << QByteArray("\"C:\\a, b\"\r\n-8\r\n") << "C:\\a, b"
                                              << "-8";
    QTest::newRow("text after closing quote skipped to comma")
        << QByteArray("\"a\"junk,7\r\n-8\r\n") << "a"
        << "7";
    QTest::newRow("doubled quote inside quotes")
        << QByteArray("\"say \"\"hi\"\"\"\r\n1\r\n") << "say \"hi\""
        << "1";
    QTest::newRow("blanks before an item skipped")
        << QByteArray("   /opt/x\r\n  -3\r\n") << "/opt/x"
        << "-3";
    QTest::newRow("blanks at the end kept") << QByteArray("/opt/x  \r\n-3\r\n") << "/opt/x  "
                                            << "-3";
    QTest::newRow("LF line ends") << QByteArray("/home/a\n-8\n") << "/home/a"
                                  << "-8";
    QTest::newRow("CR line ends") << QByteArray("/home/a\r-8\r") << "/home/a"
                                  << "-8";
    QTest::newRow("no final line end") << QByteArray("/home/a\r\n-8") << "/home/a"
                                       << "-8";
    QTest::newRow("one item only") << QByteArray("/home/a\r\n") << "/home/a"
                                   << "";
    QTest::newRow("empty file") << QByteArray() << ""
                                << "";
    QTest::newRow("unterminated quote") << QByteArray("\"/home/a") << "/home/a"
                                        << "";
    QTest::newRow("bytes beyond ASCII kept") << QByteArray("/home/j\xc3\xbcrgen\r\n 1\r\n")
                                             << QString::fromUtf8("/home/j\u00fcrgen") << "1";
}

void TestSettingsFile::readsItems() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, folder);
    QFETCH(QString, zone);
    const StoredSettings read = readSettings(std::string_view(bytes.constData(), bytes.size()));
    QCOMPARE(QString::fromStdString(read.folder), folder);
    QCOMPARE(QString::fromStdString(read.timeZone), zone);
}

void TestSettingsFile::roundTrips_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("zoneReadBack");

    QTest::newRow("plain") << "/home/pilot/Scenarios"
                           << "-8"
                           << "-8";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("comma in folder") << "/home/pilot/a, b"
                                     << " 5"
                                     << "5";
    QTest::newRow("leading blank in folder") << " /odd"
                                             << "-1"
                                             << "-1";
    QTest::newRow("leading quote in folder") << "\"quoted"
                                             << "-1"
                                             << "-1";
    QTest::newRow("quote and comma") << "a\"b,c"
                                     << "2"
                                     << "2";
    QTest::newRow("trailing blank") << "/tmp/x "
                                    << "3"
                                    << "3";
}

// The zone is written as held, so its leading blank goes; its offset does not.
void TestSettingsFile::roundTrips() {
    QFETCH(QString, folder);
    QFETCH(QString, zone);
    QFETCH(QString, zoneReadBack);
    const std::string bytes = writeSettings({folder.toStdString(), zone.toStdString()});
    const StoredSettings read = readSettings(bytes);
    QCOMPARE(QString::fromStdString(read.folder), folder);
    QCOMPARE(QString::fromStdString(read.timeZone), zoneReadBack);
}

void TestSettingsFile::writesTwoCrLfLines() {
    QCOMPARE(QByteArray::fromStdString(writeSettings({})), QByteArray("\r\n\r\n"));
    QCOMPARE(QByteArray::fromStdString(writeSettings({"D:\\Orbiter", " 5"})),
             QByteArray("D:\\Orbiter\r\n 5\r\n"));
    QCOMPARE(QByteArray::fromStdString(writeSettings({"C:\\a, b", "-8"})),
             QByteArray("\"C:\\a, b\"\r\n-8\r\n"));
    // A chosen time scale is a third line; UTC adds none.
    QCOMPARE(QByteArray::fromStdString(writeSettings({"/srv", "-8", "tdb"})),
             QByteArray("/srv\r\n-8\r\ntdb\r\n"));
    QCOMPARE(readSettings("/srv\r\n-8\r\ntdb\r\n"), (StoredSettings{"/srv", "-8", "tdb"}));
    QCOMPARE(readSettings("/srv\r\n-8\r\n").timeScale, std::string());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
