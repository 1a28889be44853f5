#include "converter/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zentadial;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noFileMeansNothingStored();
    void firstCloseWritesTwoEmptyLines();
    void programFolderFileRoundTrips();
    void folderOfTheSettingsNameIsNoFile();
    void unwritableProgramFolderUsesUserFolder();
    void programFolderFileWinsWhenCurrent();
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
    QCOMPARE(store.save({}), QString());
    QCOMPARE(readBytes(dir.filePath("Zentadial.dat")), QByteArray("\r\n\r\n"));
    QVERIFY(!QDir(dir.filePath("user")).exists());
}

void TestSettingsStore::programFolderFileRoundTrips() {
    QTemporaryDir dir;
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QCOMPARE(store.save({"/home/a, b", "-8"}), QString());
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
    QCOMPARE(store.save({"/srv", " 5"}), QString());
    QCOMPARE(readBytes(dir.filePath("config/zentadial/Zentadial.dat")),
             QByteArray("/srv\r\n 5\r\n"));
    QCOMPARE(store.load(), (StoredSettings{"/srv", "5"}));
}

void TestSettingsStore::programFolderFileWinsWhenCurrent() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("user"));
    writeBytes(dir.filePath("Zentadial.dat"), "/program\r\n-1\r\n");
    writeBytes(dir.filePath("user/Zentadial.dat"), "/user\r\n-2\r\n");
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QCOMPARE(store.load(), (StoredSettings{"/program", "-1"}));
}

void TestSettingsStore::reportsWhenNothingCanBeWritten() {
    QTemporaryDir dir;
    // A plain file where the user's folder should be: no one can create it.
    writeBytes(dir.filePath("blocker"), "x");
    FileSettingsStore store(dir.filePath("not-there"), dir.filePath("blocker/zentadial"));
    const QString failure = store.save({"/srv", "1"});
    QVERIFY(!failure.isEmpty());
    QVERIFY2(failure.contains(dir.filePath("blocker/zentadial")), qPrintable(failure));
}

void TestSettingsStore::leavesNoTemporaryFileBehind() {
    QTemporaryDir dir;
    FileSettingsStore store(dir.path(), dir.filePath("user"));
    QCOMPARE(store.save({"a", "b"}), QString());
    QCOMPARE(store.save({"c", "d"}), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Zentadial.dat"});
    QCOMPARE(readBytes(dir.filePath("Zentadial.dat")), QByteArray("c\r\nd\r\n"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
