#include "scenario/scenario_rewrite.h"
#include "support/scenario_fixture.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace zentadial;
using namespace scenario_fixture;

Q_DECLARE_METATYPE(zentadial::ScenarioFailureKind)

class TestScenarioFolder : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    const RegionalForm us_ = RegionalForm::englishUnitedStates();

    QString path(const QString& name) const { return dir_->filePath(name); }
    std::string folder() const { return local(dir_->path()); }

private Q_SLOTS:
    void init();
    void listing();
    void trailingSeparator();
    void folderFailure_data();
    void folderFailure();
    void noScenarioFiles();
    void stopsAtFirstFailure_data();
    void stopsAtFirstFailure();
    void summary();
    void longListsGoToDetails();
};

void TestScenarioFolder::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

// Which names a pass takes, and in what order; the rest are not touched.
void TestScenarioFolder::listing() {
#ifdef Q_OS_WIN
    QSKIP("dot names and symbolic links; tst_windows_files lists by attributes");
#else
    QDir here(dir_->path());
    QVERIFY(here.mkdir(QStringLiteral("sub")));
    QVERIFY(here.mkdir(QStringLiteral("dir.scn")));
    const QStringList taken{"C.Scn", "a.SCN", "b.scn", "link.scn", "\xc3\xa9t\xc3\xa9.scn"};
    const QStringList left{".hidden.scn", "notes.txt",     "x.scn.bak",
                           "scn",         "sub/inner.scn", "outside.txt"};
    for (const QString& name : taken + left) {
        if (name != QStringLiteral("link.scn")) {
            QVERIFY(writeBytes(path(name), kSection + "Date MJD 1\n"));
        }
    }
    QCOMPARE(::symlink("outside.txt", local(path(QStringLiteral("link.scn"))).c_str()), 0);
    QCOMPARE(::symlink("nowhere", local(path(QStringLiteral("dangling.scn"))).c_str()), 0);
    // A link out of the folder, even into a sub-folder, is skipped and named.
    QCOMPARE(::symlink("sub/inner.scn", local(path(QStringLiteral("away.scn"))).c_str()), 0);

    std::vector<std::string> expected;
    for (const char* name : {"C.Scn", "a.SCN", "b.scn", "link.scn", "\xc3\xa9t\xc3\xa9.scn"}) {
        expected.push_back(folder() + "/" + name);
    }
    const auto listed = listScenarioFiles(folder());
    QVERIFY(listed);
    QCOMPARE(listed->files, expected);
    QCOMPARE(listed->skipped.size(), std::size_t(1));
    QCOMPARE(listed->skipped[0].path, folder() + "/away.scn");

    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    QCOMPARE(result->files.size(), expected.size());
    QVERIFY(describeResult(*result).find("away.scn") != std::string::npos);
    for (const QString& name : taken) {
        if (name != QStringLiteral("link.scn")) {
            QCOMPARE(readBytes(path(name)), kSection + kDateLine + "\n");
        }
    }
    // The link's target was rewritten through it.
    QCOMPARE(readBytes(path(QStringLiteral("outside.txt"))), kSection + kDateLine + "\n");
    for (const QString& name : left.mid(0, 5)) {
        QCOMPARE(readBytes(path(name)), kSection + "Date MJD 1\n");
    }
#endif
}

void TestScenarioFolder::trailingSeparator() {
    QVERIFY(writeBytes(path(QStringLiteral("a.scn")), "Date MJD 1\n"));
    const auto listed = listScenarioFiles(folder() + "/");
    QVERIFY(listed);
    QCOMPARE(listed->files, std::vector<std::string>{folder() + "/a.scn"});
}

void TestScenarioFolder::folderFailure_data() {
    QTest::addColumn<QString>("folderText"); // "@" stands for the temporary folder
    QTest::addColumn<ScenarioFailureKind>("kind");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("empty text") << QString() << ScenarioFailureKind::NoFolderGiven
                                << QByteArray("No folder was given");
    QTest::newRow("missing folder")
        << QStringLiteral("@/missing") << ScenarioFailureKind::FolderMissing
        << QByteArray("does not exist");
    QTest::newRow("a file, not a folder")
        << QStringLiteral("@/a.scn") << ScenarioFailureKind::NotAFolder
        << QByteArray("is not a folder");
}

void TestScenarioFolder::folderFailure() {
    QFETCH(QString, folderText);
    QFETCH(ScenarioFailureKind, kind);
    QFETCH(QByteArray, message);
    QVERIFY(writeBytes(path(QStringLiteral("a.scn")), "Date MJD 1\n"));
    folderText.replace(QLatin1Char('@'), dir_->path());

    const auto result = rewriteScenarioFolder(local(folderText), kDateText, us_);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, kind);
    const std::string text = describeFailure(result.error());
    QVERIFY2(text.find(message.toStdString()) != std::string::npos, text.c_str());
    QVERIFY2(text.find(local(folderText)) != std::string::npos, text.c_str());
    QCOMPARE(readBytes(path(QStringLiteral("a.scn"))), QByteArray("Date MJD 1\n"));
}

void TestScenarioFolder::noScenarioFiles() {
    QVERIFY(writeBytes(path(QStringLiteral("notes.txt")), "x"));
    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    QVERIFY(result->files.empty());
    QCOMPARE(describeResult(*result),
             std::string("The folder holds no scenario file, so nothing was changed."));
}

// A failure at the second file keeps the first rewritten and the third
// as it was, and says so.
void TestScenarioFolder::stopsAtFirstFailure_data() {
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<int>("mode");
    QTest::addColumn<ScenarioFailureKind>("kind");
    const QByteArray date(kDateText.data());
    QTest::newRow("too many lines")
        << lines(10001, "x", "\n") << date << 0644 << ScenarioFailureKind::TooManyLines;
    QTest::newRow("read-only") << kSection + "Date MJD 1\n"
                               << date << 0444 << ScenarioFailureKind::ReadOnly;
    // The first file has no date line, so the date is first read here.
    QTest::newRow("date not a date")
        << kSection + "Date MJD 1\n"
        << QByteArray("later") << 0644 << ScenarioFailureKind::DateNotADate;
}

void TestScenarioFolder::stopsAtFirstFailure() {
    QFETCH(QByteArray, second);
    QFETCH(QByteArray, dateText);
    QFETCH(int, mode);
    QFETCH(ScenarioFailureKind, kind);
    QVERIFY(writeBytes(path(QStringLiteral("1.scn")), "no date\r"));
    QVERIFY(writeBytes(path(QStringLiteral("2.scn")), second));
    QVERIFY(writeBytes(path(QStringLiteral("3.scn")), "Date MJD 3\n"));
    QCOMPARE(::chmod(local(path(QStringLiteral("2.scn"))).c_str(), mode_t(mode)), 0);

    const auto result = rewriteScenarioFolder(folder(), dateText.toStdString(), us_);
    QCOMPARE(::chmod(local(path(QStringLiteral("2.scn"))).c_str(), 0644), 0);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, kind);
    QCOMPARE(result.error().filesRewritten, std::size_t(1));
    QCOMPARE(readBytes(path(QStringLiteral("1.scn"))), QByteArray("no date\r"));
    QCOMPARE(readBytes(path(QStringLiteral("2.scn"))), second);
    QCOMPARE(readBytes(path(QStringLiteral("3.scn"))), QByteArray("Date MJD 3\n"));
    const std::string text = describeFailure(result.error());
    QVERIFY2(text.find(folder() + "/2.scn") != std::string::npos, text.c_str());
    QVERIFY2(text.find("1 file of the folder had already been converted") != std::string::npos,
             text.c_str());
}

void TestScenarioFolder::summary() {
    QVERIFY(writeBytes(path(QStringLiteral("a.scn")), kSection + "Date MJD 1\n  Date MJD 2\n"));
    QVERIFY(writeBytes(path(QStringLiteral("b.scn")), "Date JD 1\n"));
    QVERIFY(writeBytes(path(QStringLiteral("c.scn")), kSection + "Date MJD 1\n"));
    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    QCOMPARE(result->dateLineCount(), std::size_t(3));
    QCOMPARE(result->filesWithoutDateLine(), std::vector<std::string>{folder() + "/b.scn"});
    QCOMPARE(describeResult(*result),
             std::string("3 files converted, 3 date lines rewritten. No Date MJD line, left "
                         "unchanged: b.scn."));
    QCOMPARE(describeResultDetails(*result), std::string());
}

// Hundreds of files without a date line must not make the message box
// taller than the screen: the line names a few, the details all.
void TestScenarioFolder::longListsGoToDetails() {
    for (int i = 0; i < 300; ++i) {
        QVERIFY(writeBytes(path(QStringLiteral("f%1.scn").arg(i, 3, 10, QLatin1Char('0'))),
                           "no date\n"));
    }
    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    const std::string line = describeResult(*result);
    QVERIFY2(line.ends_with("f000.scn, f001.scn, f002.scn, f003.scn, f004.scn and 295 more."),
             line.c_str());
    const std::string details = describeResultDetails(*result);
    QVERIFY(details.find(folder() + "/f299.scn\n") != std::string::npos);
    QCOMPARE(std::count(details.begin(), details.end(), '\n'), 301);
}

QTEST_GUILESS_MAIN(TestScenarioFolder)
#include "tst_scenario_folder.moc"
