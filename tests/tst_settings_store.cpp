#include "platform/file_settings_store.h"
#include "platform/path_text.h"
#include "support/file_bytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
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
    void programFolderFileRoundTrips_data();
    void programFolderFileRoundTrips();
    void leavesOthersFilesAlone_data();
    void leavesOthersFilesAlone();
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

// Folder names go through as bytes, whatever their encoding, and so does the
// name of the program's own folder.
void TestSettingsStore::programFolderFileRoundTrips_data() {
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("programFolder"); // below the test's folder
    QTest::newRow("comma") << QByteArray("/home/a, b") << QByteArray("\"/home/a, b\"\r\n-8\r\n")
                           << QByteArray("program");
    QTest::newRow("Latin-1") << QByteArray("/srv/Szenarien f\xfcr J\xf6rg")
                             << QByteArray("/srv/Szenarien f\xfcr J\xf6rg\r\n-8\r\n")
                             << QByteArray("program");
#ifndef Q_OS_WIN // a Windows name is UTF-16 and cannot hold such bytes
    QTest::newRow("program in a Latin-1 folder")
        << QByteArray("/srv") << QByteArray("/srv\r\n-8\r\n") << QByteArray("f\xfcr J\xf6rg");
#endif
}

void TestSettingsStore::programFolderFileRoundTrips() {
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, programFolder);
    QTemporaryDir dir;
    const std::string program = pathToUtf8(dir.path()) + "/" + programFolder.toStdString();
    QVERIFY(std::filesystem::create_directory(program));
    FileSettingsStore store(pathFromUtf8(program), dir.filePath("user"));
    QVERIFY(store.save({folder.toStdString(), "-8"}));
    std::ifstream written(program + "/Zentadial.dat", std::ios::binary);
    QCOMPARE(QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(written), {})),
             bytes);
    QVERIFY(!QDir(dir.filePath("user")).exists());
    QCOMPARE(store.load(), (StoredSettings{folder.toStdString(), "-8"}));
    QCOMPARE(store.takeWarning(), QString());
}

// A settings file in the program folder that is no plain file of the user's
// (planted by another user in a folder both may write) is neither read nor
// written: the user's own file takes the settings, and the user hears of it
// once. A file the user made read-only is read, and stays as it is.
void TestSettingsStore::leavesOthersFilesAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("warning");
#ifndef Q_OS_WIN
    QTest::newRow("link to another file") << "link" << false << "it is a link";
    QTest::newRow("link to nowhere") << "dangling link" << false << "it is a link";
    QTest::newRow("a pipe") << "pipe" << false << "not a plain file";
#endif
    QTest::newRow("another user's file") << "other owner" << false << "another user";
    QTest::newRow("read-only") << "read-only" << true << "";
}

void TestSettingsStore::leavesOthersFilesAlone() {
    QFETCH(QString, kind);
    QFETCH(bool, read);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("program"));
    QString program = dir.filePath("program");
    QString planted = dir.filePath("program/Zentadial.dat");
    const QString target = dir.filePath("victim");
    const QByteArray victim = "/victim\r\n-5\r\nline three\r\n";
    QVERIFY(writeBytes(target, victim));
    if (kind == "link") {
        QVERIFY(QFile::link(target, planted));
    } else if (kind == "dangling link") {
        QVERIFY(QFile::link(dir.filePath("created-through-the-link"), planted));
    } else if (kind == "pipe") {
#ifndef Q_OS_WIN
        QCOMPARE(::mkfifo(QFile::encodeName(planted).constData(), 0666), 0);
#endif
    } else if (kind == "other owner" && qEnvironmentVariableIsSet("ZENTADIAL_FOREIGN_SETTINGS")) {
        // Under Wine only the host can give a file to another user: ctest
        // plants one, as root, and Wine shows its owner as another's.
        planted = qEnvironmentVariable("ZENTADIAL_FOREIGN_SETTINGS");
        if (!QFile::exists(planted)) {
            QSKIP("only root can give a file to another user");
        }
        program = QFileInfo(planted).path();
    } else {
        QVERIFY(QFile::rename(target, planted));
        const QDateTime older = QDateTime::currentDateTime().addDays(-1);
        QFile file(planted);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(older, QFileDevice::FileModificationTime));
        file.close();
        if (kind == "other owner") {
#ifdef Q_OS_WIN
            QSKIP("giving a file to another user takes a privilege the tests do not hold");
#else
            if (::chown(QFile::encodeName(planted).constData(), 65534, 65534) != 0) {
                QSKIP("only root can give a file to another user");
            }
#endif
        } else {
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
    }
    const QFileInfo before(planted);

    FileSettingsStore store(program, dir.filePath("user"));
    const std::optional<StoredSettings> loaded = store.load();
    QCOMPARE(loaded.has_value(), read);
    if (read) {
        QCOMPARE(loaded->folder, std::string("/victim"));
    }
    QVERIFY(store.save({"/mine", "-8"}));
    const QString said = store.takeWarning();
    QCOMPARE(said.isEmpty(), warning.isEmpty());
    QVERIFY2(said.contains(warning), qPrintable(said));
    QVERIFY(said.isEmpty() || said.contains(QDir::toNativeSeparators(dir.filePath("user"))));
    QVERIFY(store.save({"/mine", "-9"}));
    QCOMPARE(store.takeWarning(), QString()); // once

    // The planted entry, or the file a link names, is as it was.
    const QFileInfo after(planted);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.ownerId(), before.ownerId());
    QCOMPARE(after.groupId(), before.groupId());
    QCOMPARE(after.permissions(), before.permissions());
    if (kind == "link") {
        QCOMPARE(readBytes(target), victim);
    } else if (kind == "other owner" || kind == "read-only") {
        QCOMPARE(readBytes(planted), victim);
    }
    QVERIFY(!QFile::exists(dir.filePath("created-through-the-link")));
    QCOMPARE(readBytes(dir.filePath("user/Zentadial.dat")), QByteArray("/mine\r\n-9\r\n"));
    QCOMPARE(store.load(), (StoredSettings{"/mine", "-9"}));
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
