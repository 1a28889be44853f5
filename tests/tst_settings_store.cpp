#include "platform/file_settings_store.h"
#include "support/file_bytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace zentadial;

namespace {

using zentadial::test::readBytes;
using zentadial::test::writeBytes;

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noFileMeansNothingStored();
    void firstCloseWritesTwoEmptyLines();
    void programFolderFileRoundTrips();
    void folderOfTheSettingsNameIsNoFile();
    void unwritableProgramFolderUsesUserFolder();
    void newerFileWins_data();
    void newerFileWins();
    void failedWriteKeepsTheOldFile();
    void reportsWhenNothingCanBeWritten();
    void leavesNoTemporaryFileBehind();
};

void TestSettingsStore::noFileMeansNothingStored() {
    QTemporaryDir dir;
    FileSettingsStore store(dir.filePath("program"), dir.filePath("user"));
    QVERIFY(!store.load().has_value());
}

void TestSettingsStore::firstCloseWritesTwoEmptyLines() {
    QTemporaryDir dir;
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QVERIFY(store.save({}));
    QCOMPARE(readBytes(dir.filePath("Zentadial.dat")), QByteArray("\r\n\r\n"));
    QVERIFY(!QDir(dir.filePath("user")).exists());
}

void TestSettingsStore::programFolderFileRoundTrips() {
    QTemporaryDir dir;
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QVERIFY(store.save({"/home/a, b", "-8"}));
    QCOMPARE(readBytes(dir.filePath("Zentadial.dat")), QByteArray("\"/home/a, b\"\r\n-8\r\n"));
    QCOMPARE(store.load(), (StoredSettings{"/home/a, b", "-8"}));
}

void TestSettingsStore::folderOfTheSettingsNameIsNoFile() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Zentadial.dat"));
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QVERIFY(!store.load().has_value());
}

// A program folder that cannot be written stands for an installed program.
void TestSettingsStore::unwritableProgramFolderUsesUserFolder() {
    QTemporaryDir dir;
    const QString missingProgramFolder = dir.filePath("not-there");
    FileSettingsStore store(missingProgramFolder, dir.filePath("config/zentadial"));
    QVERIFY(store.save({"/srv", " 5"}));
    QCOMPARE(readBytes(dir.filePath("config/zentadial/Zentadial.dat")),
             QByteArray("/srv\r\n 5\r\n"));
    QCOMPARE(store.load(), (StoredSettings{"/srv", "5"}));
}

// A save that fell back to the user's folder leaves an older copy in the
// program folder; the newer one holds the settings.
void TestSettingsStore::newerFileWins_data() {
    QTest::addColumn<bool>("programNewer");
    QTest::addColumn<QString>("folder");
    QTest::newRow("program folder's newer") << true << QStringLiteral("/program");
    QTest::newRow("user's newer") << false << QStringLiteral("/user");
}

void TestSettingsStore::newerFileWins() {
    QFETCH(bool, programNewer);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("user"));
    QVERIFY(writeBytes(dir.filePath("Zentadial.dat"), "/program\r\n-1\r\n"));
    QVERIFY(writeBytes(dir.filePath("user/Zentadial.dat"), "/user\r\n-2\r\n"));
    const QDateTime older = QDateTime::currentDateTime().addDays(-1);
    QFile stale(dir.filePath(programNewer ? "user/Zentadial.dat" : "Zentadial.dat"));
    QVERIFY(stale.open(QIODevice::ReadWrite));
    QVERIFY(stale.setFileTime(older, QFileDevice::FileModificationTime));
    stale.close();
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QCOMPARE(QString::fromStdString(store.load()->folder), folder);
}

// A full disk (here: a file size limit of a few bytes) must leave the old
// settings file whole and say so, not put an empty file in its place.
void TestSettingsStore::failedWriteKeepsTheOldFile() {
#ifdef Q_OS_WIN
    QSKIP("a file size limit is POSIX; Windows has no way to impose one");
#else
    QTemporaryDir dir;
    const QByteArray old = "/old\r\n-3\r\n";
    QVERIFY(writeBytes(dir.filePath("Zentadial.dat"), old));
    writeBytes(dir.filePath("blocker"), "x"); // no user folder can be made here either
    FileSettingsStore store(dir.path(), dir.filePath("blocker/user"));

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit tiny = before;
    tiny.rlim_cur = 4;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const auto saved = store.save({"/a/much/longer/folder", "-8"});
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &before), 0);

    QVERIFY(!saved);
    QCOMPARE(readBytes(dir.filePath("Zentadial.dat")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
#endif
}

void TestSettingsStore::reportsWhenNothingCanBeWritten() {
    QTemporaryDir dir;
    // A plain file where the user's folder should be: no one can create it.
    QVERIFY(writeBytes(dir.filePath("blocker"), "x"));
    FileSettingsStore store(dir.filePath("not-there"), dir.filePath("blocker/zentadial"));
    const auto saved = store.save({"/srv", "1"});
    QVERIFY(!saved);
    const QString failure = saved.error();
    QVERIFY2(failure.contains(QDir::toNativeSeparators(dir.filePath("blocker/zentadial"))),
             qPrintable(failure));
}

void TestSettingsStore::leavesNoTemporaryFileBehind() {
    QTemporaryDir dir;
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QVERIFY(store.save({"a", "b"}));
    QVERIFY(store.save({"c", "d"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Zentadial.dat"});
    QCOMPARE(readBytes(dir.filePath("Zentadial.dat")), QByteArray("c\r\nd\r\n"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
