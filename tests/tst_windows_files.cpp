// What a scenario pass does differently on Windows: paths with "\" and drive
// letters, listings decided by attributes and blind to case, the read-only
// attribute, files other programs hold open, and names outside any code page.

#include "scenario/folder_path.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/win32_file_system.h"
#include "support/scenario_fixture.h"
#include "support/windows_attributes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <windows.h>

using namespace zentadial;
using namespace scenario_fixture;

Q_DECLARE_METATYPE(zentadial::ScenarioFailureKind)

namespace {

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

class TestWindowsFiles : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    const RegionalForm us_ = RegionalForm::englishUnitedStates();

    QString path(const QString& name) const { return dir_->filePath(name); }
    // The folder as Windows users write it: "C:\users\...\Temp\x".
    std::string nativeFolder() const { return local(QDir::toNativeSeparators(dir_->path())); }

private Q_SLOTS:
    void init();
    void pathParts_data();
    void pathParts();
    void listingByAttributesAndCase_data();
    void listingByAttributesAndCase();
    void folderTextForms_data();
    void folderTextForms();
    void readOnlyAttributeRefused();
    void heldOpenWithoutSharing();
    void nonAsciiNames();
};

void TestWindowsFiles::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

// A folder text ending in its separator (as the picker gives "c:\") takes
// no second one; otherwise the one the text uses, "\" by default.
void TestWindowsFiles::pathParts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined"); // folder and name joined again
    QTest::newRow("file at a drive root") << "C:\\a.scn"
                                          << "C:\\"
                                          << "a.scn"
                                          << "C:\\a.scn";
    QTest::newRow("backslashes") << "C:\\Orbiter\\Scenarios\\a.scn"
                                 << "C:\\Orbiter\\Scenarios"
                                 << "a.scn"
                                 << "C:\\Orbiter\\Scenarios\\a.scn";
    QTest::newRow("slashes") << "C:/Orbiter/a.scn"
                             << "C:/Orbiter"
                             << "a.scn"
                             << "C:/Orbiter/a.scn";
    QTest::newRow("both") << "C:\\Orbiter/Demo\\a.scn"
                          << "C:\\Orbiter/Demo"
                          << "a.scn"
                          << "C:\\Orbiter/Demo\\a.scn";
    QTest::newRow("share") << "\\\\server\\share\\a.scn"
                           << "\\\\server\\share"
                           << "a.scn"
                           << "\\\\server\\share\\a.scn";
    QTest::newRow("bare name") << "a.scn"
                               << "."
                               << "a.scn"
                               << ".\\a.scn";
}

void TestWindowsFiles::pathParts() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(QString::fromStdString(folderOf(local(path))), folder);
    QCOMPARE(QString::fromStdString(fileNameOf(local(path))), name);
    QCOMPARE(QString::fromStdString(joinPath(local(folder), local(name))), joined);
}

// Hidden and system files are left out by their attributes, whatever their
// name; the suffix is matched without regard to case.
void TestWindowsFiles::listingByAttributesAndCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("attributes");
    QTest::addColumn<bool>("taken");
    QTest::newRow("lower case") << "b.scn" << int(FILE_ATTRIBUTE_NORMAL) << true;
    QTest::newRow("upper case") << "A.SCN" << int(FILE_ATTRIBUTE_NORMAL) << true;
    QTest::newRow("mixed case") << "c.Scn" << int(FILE_ATTRIBUTE_NORMAL) << true;
    QTest::newRow("a dot name is ordinary here")
        << ".dot.scn" << int(FILE_ATTRIBUTE_NORMAL) << true;
    QTest::newRow("archive bit") << "d.scn" << int(FILE_ATTRIBUTE_ARCHIVE) << true;
    QTest::newRow("hidden") << "hidden.scn" << int(FILE_ATTRIBUTE_HIDDEN) << false;
    QTest::newRow("system") << "system.scn" << int(FILE_ATTRIBUTE_SYSTEM) << false;
    QTest::newRow("other suffix") << "notes.txt" << int(FILE_ATTRIBUTE_NORMAL) << false;
    QTest::newRow("longer suffix") << "e.scn.bak" << int(FILE_ATTRIBUTE_NORMAL) << false;
}

void TestWindowsFiles::listingByAttributesAndCase() {
    QFETCH(QString, name);
    QFETCH(int, attributes);
    QFETCH(bool, taken);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.scn")));
    QVERIFY(writeBytes(path(name), kSectionCrLf + "Date MJD 1\r\n"));
    QVERIFY(test::setWindowsAttributes(path(name), DWORD(attributes)));

    const auto result = rewriteScenarioFolder(nativeFolder(), kDateText, us_);
    QVERIFY(result);
    const std::vector<std::string> expected =
        taken ? std::vector<std::string>{nativeFolder() + "\\" + local(name)}
              : std::vector<std::string>{};
    std::vector<std::string> rewritten;
    for (const auto& file : result->files) {
        rewritten.push_back(file.path);
    }
    QCOMPARE(rewritten, expected);
    QCOMPARE(readBytes(path(name)),
             kSectionCrLf + (taken ? kDateLine : QByteArray("Date MJD 1")) + "\r\n");
    (void)test::setWindowsAttributes(path(name), FILE_ATTRIBUTE_NORMAL);
}

// Every way a Windows user writes the folder names the same files.
void TestWindowsFiles::folderTextForms_data() {
    QTest::addColumn<QString>("suffix"); // added to the folder text
    QTest::addColumn<bool>("slashes");
    QTest::newRow("backslashes") << QString() << false;
    QTest::newRow("trailing backslash, as the picker gives for a root") << "\\" << false;
    QTest::newRow("doubled trailing backslash") << "\\\\" << false;
    QTest::newRow("slashes") << QString() << true;
}

void TestWindowsFiles::folderTextForms() {
    QFETCH(QString, suffix);
    QFETCH(bool, slashes);
    QVERIFY(writeBytes(path(QStringLiteral("a.scn")), kSectionCrLf + "Date MJD 1\r\n"));
    const std::string folder = (slashes ? local(dir_->path()) : nativeFolder()) + local(suffix);
    const auto result = rewriteScenarioFolder(folder, kDateText, us_);
    QVERIFY2(result, result ? "" : failureValues(result.error()).c_str());
    QCOMPARE(result->files.size(), std::size_t(1));
    QCOMPARE(readBytes(path(QStringLiteral("a.scn"))), kSectionCrLf + kDateLine + "\r\n");
}

void TestWindowsFiles::readOnlyAttributeRefused() {
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, kSectionCrLf + "Date MJD 1\r\n"));
    QVERIFY(test::setWindowsAttributes(file, FILE_ATTRIBUTE_READONLY));
    const auto result = rewriteScenarioFile(local(file), kDateText, us_);
    const DWORD after = ::GetFileAttributesW(wide(file).c_str());
    QVERIFY(test::setWindowsAttributes(file, FILE_ATTRIBUTE_NORMAL));
    QVERIFY(!result);
    QCOMPARE(result.error().kind, ScenarioFailureKind::ReadOnly);
    QVERIFY(after & FILE_ATTRIBUTE_READONLY);
    QCOMPARE(readBytes(file), kSectionCrLf + "Date MJD 1\r\n");
    QCOMPARE(entries(dir_->path()), QStringList{QStringLiteral("a.scn")});
}

// A program that holds the file open without sharing it: the file is named,
// left as it is, and converts once the other program lets go.
void TestWindowsFiles::heldOpenWithoutSharing() {
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, kSectionCrLf + "Date MJD 1\r\n"));
    HANDLE held = ::CreateFileW(wide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    const auto refused = rewriteScenarioFile(local(file), kDateText, us_);
    ::CloseHandle(held);
    QVERIFY(!refused);
    QCOMPARE(refused.error().path, local(file));
    QCOMPARE(readBytes(file), kSectionCrLf + "Date MJD 1\r\n");
    QCOMPARE(entries(dir_->path()), QStringList{QStringLiteral("a.scn")});

    QVERIFY(rewriteScenarioFile(local(file), kDateText, us_));
    QCOMPARE(readBytes(file), kSectionCrLf + kDateLine + "\r\n");
}

// Names no ANSI code page holds, through the library and through the
// command line's wide arguments.
void TestWindowsFiles::nonAsciiNames() {
    const QString folder = path(QStringLiteral("Raumfahrt \u03a9 \u6708"));
    QVERIFY(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral("/K\u00e4se \u0416 \u6708.scn");
    QVERIFY(writeBytes(file, kSectionCrLf + "Date MJD 1\r\n"));

    const auto listed = listScenarioFiles(local(folder));
    QVERIFY(listed);
    QCOMPARE(listed->files, std::vector<std::string>{local(file)});

    QProcess cli;
    cli.start(QStringLiteral(ZENTADIAL_CLI),
              {QStringLiteral("rewrite"), QStringLiteral("--mjd"), QStringLiteral("53005.5"),
               QDir::toNativeSeparators(file)});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(readBytes(file), kSectionCrLf + "  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM\r\n");
}

QTEST_GUILESS_MAIN(TestWindowsFiles)
#include "tst_windows_files.moc"
