#include "scenario/journal_undo.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/sha256.h"
#include "support/native_file_system.h"
#include "support/scenario_fixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>

using namespace zentadial;
using namespace scenario_fixture;

Q_DECLARE_METATYPE(zentadial::JournalState)
Q_DECLARE_METATYPE(zentadial::UndoFailureKind)

namespace {

// One letter a file: what undo found (R restored, A already as before, C
// changed since, D journal copy damaged, F failed), or what a file holds at
// the end (o as before the pass, w as the pass wrote it, e edited since, x gone).
QString statesOf(const UndoResult& result) {
    QString states;
    for (const auto& file : result.files) {
        states += QLatin1Char("RACDF"[static_cast<int>(file.state)]);
    }
    return states;
}

// Forwards to the journal, and plays the crash of a program killed just
// after its n-th replace: the journal never hears of it.
class CrashingRecorder final : public ReplaceRecorder {
public:
    CrashingRecorder(ReplaceRecorder& journal, int crashAfterReplace)
        : journal_(journal), crashAfter_(crashAfterReplace) {}
    void announce(const std::string& path, std::string_view before,
                  std::string_view after) override {
        journal_.announce(path, before, after);
    }
    void flush() override { journal_.flush(); }
    void replaced(const std::string& path) override {
        if (++replaces_ == crashAfter_) {
            crashed_ = true;
        }
        if (!crashed_) {
            journal_.replaced(path);
        }
    }
    [[nodiscard]] bool crashed() const { return crashed_; }

private:
    ReplaceRecorder& journal_;
    int crashAfter_;
    int replaces_ = 0;
    bool crashed_ = false;
};

} // namespace

class TestJournal : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> journalDir_;
    const RegionalForm us_ = RegionalForm::englishUnitedStates();

    QString path(const QString& name) const { return dir_->filePath(name); }
    std::string root() const { return local(journalDir_->path()); }

    // One journaled pass over the named files, in that order, stopping at the
    // first failure (unless it goes on, as the command line does) or crash;
    // not finished when it stopped, as a killed program would leave it. Or
    // one folder pass over them all, which puts its files in place together.
    std::optional<JournalOutcome> pass(const QStringList& names, const JournalLimits& limits = {},
                                       const JournalCalls& calls = systemJournalCalls(),
                                       const test::WriteFaults& faults = {},
                                       int crashAfterReplace = 0, bool goOn = false,
                                       bool wholeFolder = false) {
        test::NativeFileSystem fs(test::faultyCalls(faults));
        JournalPass journal(root(), PassKind::Rewrite, {}, limits, calls);
        CrashingRecorder recorder(journal, crashAfterReplace);
        if (wholeFolder) {
            const auto result =
                rewriteScenarioFolder(local(dir_->path()), kDateText, us_, fs, &recorder);
            if (!result || (!result->refused.empty() && !goOn) || recorder.crashed()) {
                return std::nullopt;
            }
            return journal.finish();
        }
        for (qsizetype i = 0; i < names.size(); ++i) {
            // A file named again gets another date: a pass leaves a file
            // that already holds its date unwritten.
            const bool again = names.indexOf(names[i]) < i;
            const auto result =
                rewriteScenarioFile(local(path(names[i])),
                                    again ? "1/2/2004 12:00:00 PM" : kDateText, us_, fs, &recorder);
            if ((!result && !goOn) || recorder.crashed()) {
                return std::nullopt;
            }
        }
        return journal.finish();
    }

    std::expected<UndoResult, UndoFailure> undoLast(bool dryRun = false) {
        test::NativeFileSystem fs;
        return undoLastPass(root(), fs, dryRun);
    }

    std::vector<std::uint64_t> keptPasses() const {
        std::vector<std::uint64_t> numbers;
        const auto passes = listJournalPasses(root());
        for (const auto& kept : passes.value()) {
            numbers.push_back(kept.pass);
        }
        return numbers;
    }

private Q_SLOTS:
    void init();
    void digest_data();
    void digest();
    void manifestPath_data();
    void manifestPath();
    void manifestText_data();
    void manifestText();
    void undo_data();
    void undo();
    void crash_data();
    void crash();
    void pruning_data();
    void pruning();
    void journalFailure_data();
    void journalFailure();
};

void TestJournal::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    journalDir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid() && journalDir_->isValid());
}

void TestJournal::digest_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("abc") << QByteArray("abc");
    // The padding's 1 bit and 64-bit length fit in the last block up to 55
    // bytes; from 56 they need a block of their own.
    QTest::newRow("55 bytes, one closing block") << QByteArray(55, 'x');
    QTest::newRow("56 bytes, two closing blocks") << QByteArray(56, 'x');
    QTest::newRow("63 bytes") << QByteArray(63, 'x');
    QTest::newRow("64 bytes, one whole block") << QByteArray(64, 'x');
    QTest::newRow("119 bytes") << QByteArray(119, 'y');
    QTest::newRow("120 bytes") << QByteArray(120, 'y');
    QByteArray every;
    for (int i = 0; i < 256 * 300; ++i) {
        every += static_cast<char>(i);
    }
    QTest::newRow("every byte value, many blocks") << every;
}

void TestJournal::digest() {
    QFETCH(QByteArray, bytes);
    const QByteArray expected = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    QCOMPARE(QByteArray::fromStdString(sha256Hex(
                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))),
             expected);
}

void TestJournal::manifestPath_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("plain") << QByteArray("/home/a/Scenarios/Mission 1.scn");
    QTest::newRow("percent signs") << QByteArray("/a/100% done %41.scn");
    QTest::newRow("line ends and tabs") << QByteArray("/a/x\ny\r\tz.scn");
    QTest::newRow("Windows path") << QByteArray("C:\\Scenarios\\a b.scn");
    QTest::newRow("UTF-8 name") << QByteArray("/a/Gro\xc3\x9f\xe2\x80\x94.scn");
    QTest::newRow("Latin-1 byte") << QByteArray("/a/Caf\xe9.scn");
    QTest::newRow("path= in the name") << QByteArray("/a/b path=c.scn");
}

void TestJournal::manifestPath() {
    QFETCH(QByteArray, path);
    PassManifest manifest{7, "2026-01-02T03:04:05Z", PassKind::Undo, 6, {}, {}, false};
    // A span that no decimal writes exactly still reads back as the same double.
    manifest.shiftDays = -15.0 / 1440;
    JournalEntry entry{
        true, {12, sha256Hex("old")}, {34, sha256Hex("new")}, 56, path.toStdString()};
    const std::string text = manifestHeader(manifest) + manifestFileLine(entry);
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), std::ptrdiff_t(7));

    const auto read = readManifest(text);
    QVERIFY(read);
    QCOMPARE(read->pass, std::uint64_t{7});
    QCOMPARE(read->time, manifest.time);
    QVERIFY(read->kind == PassKind::Undo && read->undoes == 6u && !read->finished);
    QCOMPARE(read->files.size(), std::size_t(1));
    QCOMPARE(QByteArray::fromStdString(read->files[0].path), path);
    QVERIFY(read->files[0].replaced);
    QVERIFY(read->files[0].before == entry.before && read->files[0].after == entry.after);
    QCOMPARE(read->files[0].offset, std::uint64_t{56});
    QVERIFY(read->shiftDays == manifest.shiftDays);
}

void TestJournal::manifestText_data() {
    QTest::addColumn<QByteArray>("tail"); // after the header
    QTest::addColumn<bool>("reads");
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("finished");
    const QByteArray line = QByteArray::fromStdString(
        manifestFileLine({false, {1, sha256Hex("a")}, {2, sha256Hex("b")}, 0, "/a/b.scn"}));
    QTest::newRow("finished") << line + line + "end\n" << true << 2 << true;
    QTest::newRow("cut short after a line") << line << true << 1 << false;
    // Its file was not replaced yet: the line is flushed before the replace.
    QTest::newRow("last line cut short is left out")
        << line + line.left(line.size() / 2) << true << 1 << false;
    QTest::newRow("damaged digest")
        << QByteArray(line).replace("before=1:", "before=1:zz") << false << 0 << false;
    QTest::newRow("unknown state")
        << QByteArray(line).replace("pending ", "maybe   ") << false << 0 << false;
    QTest::newRow("a shift's span") << "shift 779\n" + line + "end\n" << true << 1 << true;
    QTest::newRow("a shift without its span") << "shift \n" + line << false << 0 << false;
    QTest::newRow("not kept") << QByteArray::fromStdString(manifestNotKeptLine(NotKept::TooLarge)) +
                                     "end\n"
                              << true << 0 << true;
}

void TestJournal::manifestText() {
    QFETCH(QByteArray, tail);
    QFETCH(bool, reads);
    QFETCH(int, files);
    QFETCH(bool, finished);
    const std::string text =
        manifestHeader({3, "t", PassKind::Rewrite, {}, {}, {}, false}) + tail.toStdString();
    const auto read = readManifest(text);
    QCOMPARE(read.has_value(), reads);
    if (reads) {
        QCOMPARE(read->files.size(), std::size_t(files));
        QCOMPARE(read->finished, finished);
    }
    QVERIFY(!readManifest("pass 3\n"));
}

void TestJournal::undo_data() {
    QTest::addColumn<QList<QByteArray>>("contents"); // of a.scn, b.scn, ...
    QTest::addColumn<QStringList>("passed");         // in the pass's order
    QTest::addColumn<QString>("edit");               // after the pass: "edit b", "delete b"
    QTest::addColumn<int>("undos");
    QTest::addColumn<bool>("dryRun");
    QTest::addColumn<QString>("states"); // of the last undo
    QTest::addColumn<QString>("after");  // each file at the end

    const QList<QByteArray> three = {kSectionCrLf + "A\r\n  Date MJD 51982.5\r\nB\r\n",
                                     kSection + "Date MJD 1\nno end on the last line",
                                     kSectionCrLf + "Caf\xe9\x01\x7f\rDate MJD 2\r\r\n"};
    const QStringList abc = {QStringLiteral("a.scn"), QStringLiteral("b.scn"),
                             QStringLiteral("c.scn")};
    QTest::newRow("every file put back byte for byte")
        << three << abc << QString() << 1 << false << "RRR"
        << "ooo";
    QTest::newRow("a file changed since is named and left as it is")
        << three << abc << "edit b" << 1 << false << "RCR"
        << "oeo";
    QTest::newRow("a file deleted since is named")
        << three << abc << "delete b" << 1 << false << "RFR"
        << "oxo";
    QTest::newRow("dry run writes nothing") << three << abc << QString() << 1 << true << "RRR"
                                            << "www";
    QTest::newRow("dry run names the changed file")
        << three << abc << "edit c" << 1 << true << "RRC"
        << "wwe";
    QTest::newRow("undo of an undo writes the pass again")
        << three << abc << QString() << 2 << false << "RRR"
        << "www";
    QTest::newRow("a third undo puts the files back again")
        << three << abc << QString() << 3 << false << "RRR"
        << "ooo";
    QTest::newRow("undo of an undo leaves the file changed since")
        << three << abc << "edit b" << 2 << false << "RR"
        << "wew";
    // Undone last first: undone first first, the second replace's file
    // would no longer hold what the first wrote.
    QTest::newRow("a file replaced twice ends as before the first")
        << QList<QByteArray>{kSectionCrLf + "Date MJD 1\r\n"}
        << QStringList{QStringLiteral("a.scn"), QStringLiteral("a.scn")} << QString() << 1 << false
        << "RR"
        << "o";
    QTest::newRow("a file without a date line is not in the pass")
        << QList<QByteArray>{"no date\r\n", kSectionCrLf + "Date MJD 1\r\n"}
        << QStringList{QStringLiteral("a.scn"), QStringLiteral("b.scn")} << QString() << 1 << false
        << "R"
        << "oo";
}

void TestJournal::undo() {
    QFETCH(QList<QByteArray>, contents);
    QFETCH(QStringList, passed);
    QFETCH(QString, edit);
    QFETCH(int, undos);
    QFETCH(bool, dryRun);
    QFETCH(QString, states);
    QFETCH(QString, after);
    QStringList names;
    for (int i = 0; i < contents.size(); ++i) {
        names << QStringLiteral("%1.scn").arg(QChar(char16_t(u'a' + i)));
        QVERIFY(writeBytes(path(names.last()), contents[i]));
    }
    const auto outcome = pass(passed);
    QVERIFY(outcome && outcome->state == JournalState::Kept);
    QList<QByteArray> written;
    for (const auto& name : names) {
        written << readBytes(path(name));
    }
    const QByteArray edited = "edited by another program\r\n";
    if (!edit.isEmpty()) {
        const QString target = path(edit.section(u' ', 1) + QStringLiteral(".scn"));
        QVERIFY(edit.startsWith(QStringLiteral("edit")) ? writeBytes(target, edited)
                                                        : QFile::remove(target));
    }

    std::optional<UndoResult> last;
    for (int i = 0; i < undos; ++i) {
        auto result = undoLast(dryRun);
        QVERIFY(result);
        last = std::move(*result);
    }
    QCOMPARE(statesOf(*last), states);
    QCOMPARE(last->dryRun, dryRun);
    for (int i = 0; i < names.size(); ++i) {
        const QString file = path(names[i]);
        switch (after[i].toLatin1()) {
        case 'o':
            QCOMPARE(readBytes(file), contents[i]);
            break;
        case 'w':
            QCOMPARE(readBytes(file), written[i]);
            break;
        case 'e':
            QCOMPARE(readBytes(file), edited);
            break;
        default:
            QVERIFY(!QFile::exists(file));
        }
    }
    // Each undo that wrote is a pass of its own, naming the pass it undid.
    const auto passes = listJournalPasses(root()).value();
    QCOMPARE(passes.size(), std::size_t(dryRun ? 1 : 1 + undos));
    if (!dryRun) {
        QCOMPARE(last->journal.state, JournalState::Kept);
        const auto& manifest = passes.back().manifest;
        QVERIFY(manifest && manifest->kind == PassKind::Undo && manifest->finished);
        QVERIFY(manifest->undoes == passes.size() - 1);
        QCOMPARE(last->pass, std::uint64_t{passes.size() - 1});
    }
    QCOMPARE(entries(dir_->path()).filter(QStringLiteral(".zentadial-")), QStringList());
}

void TestJournal::crash_data() {
    QTest::addColumn<int>("failingWrite");      // of the rewrite's file writes
    QTest::addColumn<int>("failingExchange");   // of the rewrite's exchanges
    QTest::addColumn<int>("crashAfterReplace"); // killed after this replace
    QTest::addColumn<bool>("goesOn");           // past the failed step, to its end
    QTest::addColumn<QString>("states");
    QTest::addColumn<int>("written"); // files holding the pass's version before the undo
    QTest::addColumn<bool>("wholeFolder");

    // The journal is flushed once the new version is on disk beside the
    // file: a pass killed before that has nothing to undo.
    QTest::newRow("killed while writing the first new version")
        << 1 << 0 << 0 << false << "" << 0 << false;
    QTest::newRow("killed after the journal, before the first replace")
        << 0 << 1 << 0 << false << "A" << 0 << false;
    QTest::newRow("killed after the journal, before the second replace")
        << 0 << 2 << 0 << false << "RA" << 1 << false;
    QTest::newRow("killed after the second replace, before the journal marked it")
        << 0 << 0 << 2 << false << "RR" << 2 << false;
    QTest::newRow("killed after the last replace") << 0 << 0 << 3 << false << "RRR" << 3 << false;
    // A file another program changed before the replace would otherwise be
    // named as changed since the pass, which never wrote it.
    QTest::newRow("a file the finished pass could not write is not undone")
        << 2 << 0 << 0 << true << "RR" << 2 << false;
    QTest::newRow("a file the finished pass could not put in place is not undone")
        << 0 << 2 << 0 << true << "RR" << 2 << false;
    // A folder pass puts its files in place as a group, after one flush of
    // the journal for all of them.
    QTest::newRow("folder pass killed at its end, a file refused on the way")
        << 0 << 2 << 0 << false << "RAR" << 2 << true;
    QTest::newRow("folder pass killed after its first replace, before the journal marked it")
        << 0 << 0 << 1 << false << "RRR" << 3 << true;
}

void TestJournal::crash() {
    QFETCH(int, failingWrite);
    QFETCH(int, failingExchange);
    QFETCH(int, crashAfterReplace);
    QFETCH(bool, goesOn);
    QFETCH(QString, states);
    QFETCH(int, written);
    QFETCH(bool, wholeFolder);
    const QStringList names = {QStringLiteral("a.scn"), QStringLiteral("b.scn"),
                               QStringLiteral("c.scn")};
    QList<QByteArray> originals;
    for (const auto& name : names) {
        originals << kSectionCrLf + "Date MJD 1\r\n" + name.toLatin1() + "\r\n";
        QVERIFY(writeBytes(path(name), originals.last()));
    }
    // A step that fails stands for the program killed at that point: the
    // file has not been replaced, and the pass is never finished, unless it
    // goes on.
    const auto outcome = pass(names, {}, systemJournalCalls(),
                              {.failingWrite = failingWrite, .failingExchange = failingExchange},
                              crashAfterReplace, goesOn, wholeFolder);
    QCOMPARE(outcome.has_value(), goesOn);
    int changed = 0;
    for (int i = 0; i < names.size(); ++i) {
        changed += readBytes(path(names[i])) != originals[i] ? 1 : 0;
    }
    QCOMPARE(changed, written);
    const auto kept = listJournalPasses(root()).value();
    QCOMPARE(kept.size(), std::size_t(1));
    QVERIFY(kept[0].manifest && kept[0].manifest->finished == goesOn);

    const auto result = undoLast();
    QVERIFY(result);
    QCOMPARE(statesOf(*result), states);
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(readBytes(path(names[i])), originals[i]);
    }
}

void TestJournal::pruning_data() {
    QTest::addColumn<int>("passes");
    QTest::addColumn<qulonglong>("byteLimit"); // 0: the journal's own
    QTest::addColumn<int>("fileBytes");
    QTest::addColumn<int>("lastFileBytes");
    QTest::addColumn<QList<qulonglong>>("kept");
    QTest::addColumn<JournalState>("lastState");

    QList<qulonglong> last20;
    for (qulonglong n = 2; n <= 21; ++n) {
        last20 << n;
    }
    QTest::newRow("21 passes keep the last 20")
        << 21 << 0ull << 100 << 100 << last20 << JournalState::Kept;
    // A pass of 2,000 bytes is kept with its manifest in about 2,300.
    QTest::newRow("the byte limit drops the oldest first")
        << 5 << 5000ull << 2000 << 2000 << QList<qulonglong>{4, 5} << JournalState::Kept;
    QTest::newRow("a pass too large to keep is said, and undo stops at it")
        << 3 << 5000ull << 500 << 6000 << QList<qulonglong>{1, 2, 3} << JournalState::TooLarge;
}

void TestJournal::pruning() {
    QFETCH(int, passes);
    QFETCH(qulonglong, byteLimit);
    QFETCH(int, fileBytes);
    QFETCH(int, lastFileBytes);
    QFETCH(QList<qulonglong>, kept);
    QFETCH(JournalState, lastState);
    JournalLimits limits;
    if (byteLimit != 0) {
        limits.bytes = byteLimit;
    }
    const QString file = path(QStringLiteral("a.scn"));
    std::optional<JournalOutcome> outcome;
    for (int i = 1; i <= passes; ++i) {
        const int size = i == passes ? lastFileBytes : fileBytes;
        QVERIFY(writeBytes(file, kSectionCrLf + "Date MJD 1\r\n" + QByteArray(size, 'x')));
        outcome = pass({QStringLiteral("a.scn")}, limits);
        QVERIFY(outcome);
    }
    QCOMPARE(outcome->state, lastState);
    QVERIFY(readBytes(file).startsWith(
        QByteArray(kSectionCrLf + kDateLine))); // the pass ran either way
    const auto numbers = keptPasses();
    QCOMPARE(QList<qulonglong>(numbers.begin(), numbers.end()), kept);

    const auto result = undoLast();
    if (lastState == JournalState::Kept) {
        QVERIFY(result);
        QCOMPARE(statesOf(*result), QStringLiteral("R"));
    } else {
        QVERIFY(!result);
        QCOMPARE(result.error().kind, UndoFailureKind::NotKept);
        QVERIFY(readBytes(file).startsWith(QByteArray(kSectionCrLf + kDateLine)));
    }
}

void TestJournal::journalFailure_data() {
    QTest::addColumn<int>("failingAppend"); // 1: the manifest's header
    QTest::addColumn<int>("failingSync");
    QTest::addColumn<JournalState>("state");

    QTest::newRow("journal's disk full at its first write") << 1 << 0 << JournalState::CannotWrite;
    // Header, then a.scn's version and line, then b.scn's version.
    QTest::newRow("journal's disk full at the second file") << 4 << 0 << JournalState::CannotWrite;
    QTest::newRow("journal cannot be flushed") << 0 << 2 << JournalState::CannotWrite;
    QTest::newRow("journal writes well") << 0 << 0 << JournalState::Kept;
}

void TestJournal::journalFailure() {
    QFETCH(int, failingAppend);
    QFETCH(int, failingSync);
    QFETCH(JournalState, state);
    auto appends = std::make_shared<int>(0);
    auto syncs = std::make_shared<int>(0);
    const JournalCalls calls{
        [=](JournalFile& file, std::string_view bytes) {
            return ++*appends == failingAppend ? std::make_error_code(std::errc::no_space_on_device)
                                               : file.append(bytes);
        },
        [=](JournalFile& file) {
            return ++*syncs == failingSync ? std::make_error_code(std::errc::io_error)
                                           : file.sync();
        },
    };
    const QStringList names = {QStringLiteral("a.scn"), QStringLiteral("b.scn")};
    for (const auto& name : names) {
        QVERIFY(writeBytes(path(name), kSectionCrLf + "Date MJD 1\r\n"));
    }
    const auto outcome = pass(names, {}, calls);
    QVERIFY(outcome);
    QCOMPARE(outcome->state, state);
    QCOMPARE(outcome->reason.empty(), state == JournalState::Kept);
    for (const auto& name : names) {
        QCOMPARE(readBytes(path(name)), kSectionCrLf + kDateLine + "\r\n"); // the pass went on
    }
    const auto result = undoLast();
    QCOMPARE(result.has_value(), state == JournalState::Kept);
    if (!result) {
        QCOMPARE(result.error().kind, UndoFailureKind::NotKept);
        QCOMPARE(result.error().notKept, NotKept::CannotWrite);
    }
}

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
