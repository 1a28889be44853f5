#include "preview/preview_rows.h"
#include "scenario/folder_path.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_shift_file.h"
#include "scenario/scenario_tree.h"
#include "support/native_file_system.h"
#include "support/scenario_fixture.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#ifndef Q_OS_WIN
#include <sys/inotify.h>
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
    void refusedFileDoesNotStopThePass_data();
    void refusedFileDoesNotStopThePass();
    void summary();
    void manyUnchangedFiles();
    void swapAtEveryStep_data();
    void swapAtEveryStep();
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
    QCOMPARE(result->skipped.size(), std::size_t(1));
    QCOMPARE(result->skipped[0].path, folder() + "/away.scn");
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
    QTest::newRow("empty text") << QString() << ScenarioFailureKind::NoFolderGiven;
    QTest::newRow("missing folder")
        << QStringLiteral("@/missing") << ScenarioFailureKind::FolderMissing;
    QTest::newRow("a file, not a folder")
        << QStringLiteral("@/a.scn") << ScenarioFailureKind::NotAFolder;
}

void TestScenarioFolder::folderFailure() {
    QFETCH(QString, folderText);
    QFETCH(ScenarioFailureKind, kind);
    QVERIFY(writeBytes(path(QStringLiteral("a.scn")), "Date MJD 1\n"));
    folderText.replace(QLatin1Char('@'), dir_->path());

    const auto result = rewriteScenarioFolder(local(folderText), kDateText, us_);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, kind);
    QCOMPARE(result.error().path, local(folderText));
    QCOMPARE(readBytes(path(QStringLiteral("a.scn"))), QByteArray("Date MJD 1\n"));
}

void TestScenarioFolder::noScenarioFiles() {
    QVERIFY(writeBytes(path(QStringLiteral("notes.txt")), "x"));
    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    QVERIFY(result->files.empty());
    QCOMPARE(result->counts(), ScenarioCounts{});
}

// A file refused at the second place is named and the pass goes on to the
// third; a date that fails would fail every file, so it ends the pass.
void TestScenarioFolder::refusedFileDoesNotStopThePass_data() {
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<int>("mode");
    QTest::addColumn<ScenarioFailureKind>("kind");
    QTest::addColumn<bool>("endsPass");
    const QByteArray date(kDateText.data());
    QTest::newRow("too many lines")
        << lines(10001, "x", "\n") << date << 0644 << ScenarioFailureKind::TooManyLines << false;
    QTest::newRow("read-only") << kSection + "Date MJD 1\n"
                               << date << 0444 << ScenarioFailureKind::ReadOnly << false;
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE"
                                          "D\0\n\0",
                                          6)
                            << date << 0644 << ScenarioFailureKind::NotText << false;
    // The first file has no date line, so the date is first read here.
    QTest::newRow("date not a date")
        << kSection + "Date MJD 1\n"
        << QByteArray("later") << 0644 << ScenarioFailureKind::DateNotADate << true;
}

void TestScenarioFolder::refusedFileDoesNotStopThePass() {
    QFETCH(QByteArray, second);
    QFETCH(QByteArray, dateText);
    QFETCH(int, mode);
    QFETCH(ScenarioFailureKind, kind);
    QFETCH(bool, endsPass);
    QVERIFY(writeBytes(path(QStringLiteral("1.scn")), "no date\r"));
    QVERIFY(writeBytes(path(QStringLiteral("2.scn")), second));
    QVERIFY(writeBytes(path(QStringLiteral("3.scn")), kSection + "Date MJD 3\n"));
    QCOMPARE(::chmod(local(path(QStringLiteral("2.scn"))).c_str(), mode_t(mode)), 0);

    const auto result = rewriteScenarioFolder(folder(), dateText.toStdString(), us_);
    QCOMPARE(::chmod(local(path(QStringLiteral("2.scn"))).c_str(), 0644), 0);
    QCOMPARE(readBytes(path(QStringLiteral("1.scn"))), QByteArray("no date\r"));
    QCOMPARE(readBytes(path(QStringLiteral("2.scn"))), second);
    const ScenarioFailure& failure = endsPass ? result.error() : result->refused.at(0);
    QCOMPARE(failure.kind, kind);
    QCOMPARE(failure.path, folder() + "/2.scn");
    QVERIFY(failure.folderPass);
    if (endsPass) {
        QVERIFY(!result);
        QCOMPARE(failure.filesWritten, std::size_t(0));
        QCOMPARE(readBytes(path(QStringLiteral("3.scn"))), kSection + "Date MJD 3\n");
    } else {
        QVERIFY(result);
        QCOMPARE(result->counts(),
                 (ScenarioCounts{.written = 1, .unchanged = 1, .refused = 1, .dateLines = 1}));
        QCOMPARE(readBytes(path(QStringLiteral("3.scn"))), kSection + kDateLine + "\n");
    }
}

void TestScenarioFolder::summary() {
    QVERIFY(writeBytes(path(QStringLiteral("a.scn")), kSection + "Date MJD 1\n  Date MJD 2\n"));
    QVERIFY(writeBytes(path(QStringLiteral("b.scn")), "Date JD 1\n"));
    QVERIFY(writeBytes(path(QStringLiteral("c.scn")), kSection + "Date MJD 1\n"));
    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    QCOMPARE(result->counts(),
             (ScenarioCounts{.written = 2, .unchanged = 1, .refused = 0, .dateLines = 3}));
    QCOMPARE(result->filesWith(FileOutcome::NoDateLine),
             std::vector<std::string>{folder() + "/b.scn"});
    // The same date again changes nothing, and says so.
    const auto again = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(again);
    QCOMPARE(again->counts(),
             (ScenarioCounts{.written = 0, .unchanged = 3, .refused = 0, .dateLines = 0}));
    QCOMPARE(again->filesWith(FileOutcome::AlreadyAtDate),
             (std::vector<std::string>{folder() + "/a.scn", folder() + "/c.scn"}));
}

// Hundreds of files without a date line are each counted once, in the
// order of the pass.
void TestScenarioFolder::manyUnchangedFiles() {
    for (int i = 0; i < 300; ++i) {
        QVERIFY(writeBytes(path(QStringLiteral("f%1.scn").arg(i, 3, 10, QLatin1Char('0'))),
                           "no date\n"));
    }
    const auto result = rewriteScenarioFolder(folder(), kDateText, us_);
    QVERIFY(result);
    QCOMPARE(result->counts().unchanged, std::size_t(300));
    const auto without = result->filesWith(FileOutcome::NoDateLine);
    QCOMPARE(without.size(), std::size_t(300));
    QCOMPARE(without.front(), folder() + "/f000.scn");
    QCOMPARE(without.back(), folder() + "/f299.scn");
}

// Another user who can write in the folder swaps a link or a folder between
// any two calls of a pass: nothing outside the folder may be opened or
// written, whatever the pass then reports.
void TestScenarioFolder::swapAtEveryStep_data() {
    // "folder", "tree" or "file" (inside/a.scn) rewritten; "shift" moves the
    // tree by a day; "preview" lists it with every sub-folder.
    QTest::addColumn<QString>("pass");
    QTest::addColumn<QString>("swap");
    QTest::addColumn<int>("firstStep"); // before it, the swap is what the user named
    QTest::newRow("file swapped for a link out") << "folder"
                                                 << "inside/a.scn" << 0;
    QTest::newRow("link within the folder retargeted out") << "folder"
                                                           << "inside/link.scn" << 0;
    QTest::newRow("named folder swapped for a link") << "folder"
                                                     << "inside" << 1;
    QTest::newRow("sub-folder swapped for a link") << "tree"
                                                   << "inside/sub" << 0;
    QTest::newRow("file in a sub-folder swapped for a link") << "tree"
                                                             << "inside/sub/a.scn" << 0;
    QTest::newRow("named file swapped for a link out") << "file"
                                                       << "inside/a.scn" << 1;
    QTest::newRow("named file's folder swapped for a link") << "file"
                                                            << "inside" << 1;
    QTest::newRow("shift: sub-folder swapped for a link") << "shift"
                                                          << "inside/sub" << 0;
    QTest::newRow("preview: sub-folder swapped for a link") << "preview"
                                                            << "inside/sub" << 0;
}

void TestScenarioFolder::swapAtEveryStep() {
#ifdef Q_OS_WIN
    QSKIP("symbolic links need a privilege on Windows; tst_windows_files has the reparse rows");
#else
    QFETCH(QString, pass);
    QFETCH(QString, swap);
    QFETCH(int, firstStep);
    QDir top(dir_->path());
    const QString inside = path(QStringLiteral("inside"));
    const QString outside = path(QStringLiteral("outside"));

    // The folder outside is made once and watched throughout: a watch is
    // slow to take down.
    for (const char* name : {"a.scn", "real.scn", "sub/a.scn"}) {
        QVERIFY(top.mkpath(folderOf(local(outside + "/" + name)).c_str()));
        QVERIFY(writeBytes(outside + "/" + name, kSection + "Date MJD 1\n"));
    }
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{watch};
    for (const QString& folder : QStringList{outside, outside + "/sub"}) {
        QVERIFY(::inotify_add_watch(watch, local(folder).c_str(),
                                    IN_OPEN | IN_MODIFY | IN_CREATE | IN_MOVED_TO | IN_ATTRIB |
                                        IN_DELETE) >= 0);
    }

    // Runs the pass once, swapping at the given call (-1: never); the number
    // of calls it made, or -1 when anything outside was touched.
    const auto run = [&](int swapAt) -> int {
        for (const char* name : {"inside", "moved"}) {
            std::filesystem::remove_all(local(path(QLatin1String(name))));
        }
        (void)top.mkpath(inside + "/sub");
        for (const char* name : {"a.scn", "real.scn", "sub/a.scn"}) {
            (void)writeBytes(inside + "/" + name, kSection + "Date MJD 1\n");
        }
        (void)::symlink("real.scn", local(inside + "/link.scn").c_str());
        char events[4096];
        while (::read(watch, events, sizeof events) > 0) {
            // what the test itself read there since the last run
        }

        int step = 0;
        bool swapped = false;
        test::NativeFileSystem native(test::faultyCalls({.flushSkipped = true}));
        test::SteppedFileSystem fs(native, [&](std::string_view) {
            if (step++ != swapAt || swapped) {
                return;
            }
            swapped = true;
            const QString victim = path(swap);
            const QString target = outside + victim.mid(inside.size());
            (void)::rename(local(victim).c_str(), local(path(QStringLiteral("moved"))).c_str());
            (void)::symlink(local(target).c_str(), local(victim).c_str());
        });
        DateLineSource dateLine{std::string(kDateText), us_};
        if (pass == QStringLiteral("file")) {
            (void)rewriteScenarioFile(local(inside + "/a.scn"), dateLine, fs);
        } else if (pass == QStringLiteral("folder")) {
            (void)rewriteScenarioFolder(local(inside), dateLine, fs);
        } else if (pass == QStringLiteral("preview")) {
            (void)readPreviewRows({local(inside), true, true}, dateLine, fs);
        } else {
            forEachScenarioFile(
                local(inside), true,
                [&](const ScenarioTreeEntry& entry) {
                    if (entry && pass == QStringLiteral("shift")) {
                        (void)shiftScenarioFile(*entry, 1, {}, false, fs);
                    } else if (entry) {
                        (void)rewriteListedFile(*entry, dateLine, fs);
                    }
                },
                fs);
        }
        const auto got = ::read(watch, events, sizeof events);
        if (got > 0) {
            const auto* event = reinterpret_cast<const inotify_event*>(events);
            qWarning("step %d: %s was touched (mask %x)", swapAt,
                     event->len > 0 ? event->name : "the folder", event->mask);
            return -1;
        }
        return fs.calls();
    };
    const int steps = run(-1);
    QVERIFY(steps > 0);
    for (int at = firstStep; at < steps; ++at) {
        QVERIFY2(run(at) >= 0, qPrintable(QStringLiteral("swapped before call %1").arg(at)));
        for (const char* name : {"a.scn", "real.scn", "sub/a.scn"}) {
            QCOMPARE(readBytes(outside + "/" + name), QByteArray(kSection + "Date MJD 1\n"));
        }
        QCOMPARE(entries(outside), (QStringList{"a.scn", "real.scn", "sub"}));
    }
#endif
}

QTEST_GUILESS_MAIN(TestScenarioFolder)
#include "tst_scenario_folder.moc"
