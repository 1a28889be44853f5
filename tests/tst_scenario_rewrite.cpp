#include "scenario/scenario_preview.h"
#include "scenario/scenario_rewrite.h"
#include "support/native_file_system.h"
#include "support/scenario_fixture.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#ifndef Q_OS_WIN
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

using namespace zentadial;
using namespace scenario_fixture;

Q_DECLARE_METATYPE(zentadial::ScenarioFailureKind)
Q_DECLARE_METATYPE(zentadial::DateHiddenBy)

namespace {

#ifndef Q_OS_WIN
// Sets the append-only or immutable mark (chattr +a, +i) alone; false where
// the file system or our privileges do not allow it.
bool setMarks(const QString& path, int marks) {
    const int fd = ::open(local(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = (flags & ~(FS_APPEND_FL | FS_IMMUTABLE_FL)) | marks;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// An access list in the form the kernel keeps it: the owner, one named
// user, the group, the mask and others.
QByteArray accessList(std::uint32_t namedUser, std::uint16_t namedPerm) {
    struct Entry {
        std::uint16_t tag;
        std::uint16_t perm;
        std::uint32_t id;
    };
    constexpr std::uint32_t kVersion = 2;
    constexpr std::uint32_t kNoId = 0xffffffff;
    const Entry entries[] = {{0x01, 6, kNoId},
                             {0x02, namedPerm, namedUser},
                             {0x04, 4, kNoId},
                             {0x10, 6, kNoId},
                             {0x20, 0, kNoId}};
    QByteArray bytes(reinterpret_cast<const char*>(&kVersion), sizeof kVersion);
    bytes.append(reinterpret_cast<const char*>(entries), sizeof entries);
    return bytes;
}

QByteArray attribute(const QString& path, const char* name) {
    char value[256] = {};
    const ssize_t size = ::getxattr(local(path).c_str(), name, value, sizeof value);
    return size < 0 ? QByteArray() : QByteArray(value, int(size));
}
#endif

} // namespace

class TestScenarioRewrite : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    const RegionalForm us_ = RegionalForm::englishUnitedStates();

    QString path(const QString& name) const { return dir_->filePath(name); }
    ScenarioFileOutcome rewrite(const QString& file, std::string_view dateText = kDateText,
                                const test::WriteFaults& faults = {}, bool removalFails = false,
                                const test::SteppedFileSystem::Hook& hook = {}) {
        test::NativeFileSystem native(test::faultyCalls(faults));
        test::SteppedFileSystem fs(native, hook);
        fs.removalFails = removalFails;
        return rewriteScenarioFile(local(file), dateText, us_, fs);
    }
    ScenarioPreviewOutcome preview(const QString& file) {
        DateLineSource dateLine{std::string(kDateText), us_};
        return previewScenarioFile(local(file), dateLine);
    }

private Q_SLOTS:
    void init();
    void bytes_data();
    void bytes();
    void dateLine_data();
    void dateLine();
    void dateFailure_data();
    void dateFailure();
    void noDateLineNeedsNoDate_data();
    void noDateLineNeedsNoDate();
    void lineLimit_data();
    void lineLimit();
    void failedWrite_data();
    void failedWrite();
    void permissionsKept_data();
    void permissionsKept();
    void readOnlyRefused_data();
    void readOnlyRefused();
    void namedLink_data();
    void namedLink();
    void openFailure_data();
    void openFailure();
    void refused_data();
    void refused();
    void changedMeanwhile_data();
    void changedMeanwhile();
    void lineFitsTheSimulator_data();
    void lineFitsTheSimulator();
    void longCommentIsCut();
    void attributesKept();
    void longNameAndLeftovers();
    void mjdWrittenAsGiven();
    void relativePathUsesCurrentDirectory();
};

void TestScenarioRewrite::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestScenarioRewrite::bytes_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("dateLines");
    QTest::addColumn<bool>("presentMoment");
    const QByteArray d = kDateLine;

    QTest::newRow("indented date line, CR LF")
        << QByteArray("A\r\n  Date MJD 51982.5\r\nB\r\n") << "A\r\n" + d + "\r\nB\r\n"
        << 1 << false;
    QTest::newRow("bare date line, LF")
        << QByteArray("A\nDate MJD 51982.5\nB\n") << "A\n" + d + "\nB\n"
        << 1 << false;
    QTest::newRow("exactly Date MJD") << QByteArray("Date MJD\r\n") << d + "\r\n" << 1 << true;
    QTest::newRow("only the prefix counts") << QByteArray("  Date MJDX 7 ; old\r\n") << d + "\r\n"
                                            << 1 << true;
    QTest::newRow("date line without a number")
        << QByteArray("BEGIN_ENVIRONMENT\n  Date MJD ;\n") << "BEGIN_ENVIRONMENT\n" + d + "\n"
        << 1 << true;
    QTest::newRow("two date lines, same text")
        << QByteArray("  Date MJD 1\r\nx\r\nDate MJD 2\r\n") << d + "\r\nx\r\n" + d + "\r\n"
        << 2 << false;
    const QByteArray lookalikes = " Date MJD 1\r\n   Date MJD 1\r\n\tDate MJD 1\r\n"
                                  "date mjd 1\r\n  DATE MJD 1\r\n  Date JD 1\r\nDate JE 1\r\n"
                                  "Date MJ\r\n  Date MJ\r\nX Date MJD 1\r\n";
    QTest::newRow("look-alikes outside a section untouched")
        << lookalikes << lookalikes << 0 << false;
    QTest::newRow("empty file") << QByteArray() << QByteArray() << 0 << false;
    // A second pass with the same date finds nothing to change.
    QTest::newRow("already at the date") << kSectionCrLf + d + "\r\n"
                                         << kSectionCrLf + d + "\r\n"
                                         << 1 << false;
    // A file without a date line is not written at all.
    QTest::newRow("one line, no end") << QByteArray("A") << QByteArray("A") << 0 << false;
    QTest::newRow("last line without end, CR LF")
        << QByteArray("A\r\nB\r\n  Date MJD 1") << "A\r\nB\r\n" + d + "\r\n"
        << 1 << false;
    QTest::newRow("last line without end, LF") << QByteArray("A\nDate MJD 1") << "A\n" + d + "\n"
                                               << 1 << false;
    QTest::newRow("empty lines kept, LF")
        << QByteArray("\n\nA\n\n") << QByteArray("\n\nA\n\n") << 0 << false;
    QTest::newRow("empty lines kept, CR LF")
        << QByteArray("\r\n\r\nA\r\n") << QByteArray("\r\n\r\nA\r\n") << 0 << false;
    QTest::newRow("CR alone ends a line")
        << QByteArray("A\rDate MJD 1\rB") << "A\r\n" + d + "\r\nB\r\n"
        << 1 << true;
    QTest::newRow("mixed ends become CR LF")
        << QByteArray("A\r\nB\nC\rDate MJD 1") << "A\r\nB\r\nC\r\n" + d + "\r\n"
        << 1 << true;
    QTest::newRow("CR CR LF is two ends")
        << QByteArray("A\r\r\nDate MJD 1\r\n") << "A\r\n\r\n" + d + "\r\n"
        << 1 << false;
    QTest::newRow("LF CR is two ends") << QByteArray("A\n\rDate MJD 1") << "A\r\n\r\n" + d + "\r\n"
                                       << 1 << true;
    QTest::newRow("LF CR without a date line stays as it is")
        << QByteArray("A\n\rB\n\r") << QByteArray("A\n\rB\n\r") << 0 << false;
    QTest::newRow("Windows-1252 bytes kept")
        << QByteArray("Caf\xe9 \x93quoted\x94 \xb0\r\n  Date MJD 1\r\n")
        << "Caf\xe9 \x93quoted\x94 \xb0\r\n" + d + "\r\n"
        << 1 << false;
    QTest::newRow("UTF-8 bytes kept") << QByteArray("Vessel \xc3\x9f\xe2\x80\x94\n")
                                      << QByteArray("Vessel \xc3\x9f\xe2\x80\x94\n") << 0 << false;
    QTest::newRow("control bytes kept")
        << QByteArray("Date MJD 1\nA\x01B\x1a\x7f\n") << d + "\nA\x01B\x1a\x7f\n"
        << 1 << false;
    QTest::newRow("every form inside the section")
        << QByteArray(" Date MJD 1\n\tdate mjd 1\n   DATE JD 2400001.5 ; x\nDateJE 1858.9\n")
        << d + "\n" + d + "\n" + d + "\n" + d + "\n"
        << 4 << false;
    QTest::newRow("only the section's date lines")
        << QByteArray("Date MJD 1\nbegin_environment\n  Date JD 2\n end_environment ;\n"
                      "  Date MJD 3\nBEGIN_ENVIRONMENT\nDate MJD 4\n")
        << "Date MJD 1\nbegin_environment\n" + d +
               "\n end_environment ;\n  Date MJD 3\nBEGIN_ENVIRONMENT\nDate MJD 4\n"
        << 1 << false;
    QTest::newRow("section to the end of the file")
        << QByteArray("BEGIN_ENVIRONMENT\r\n  Date MJD 1\r\nBEGIN_SHIPS\r\nDate MJD 5")
        << "BEGIN_ENVIRONMENT\r\n" + d + "\r\nBEGIN_SHIPS\r\n" + d + "\r\n"
        << 2 << false;
    QTest::newRow("a date line only after the section")
        << QByteArray("BEGIN_ENVIRONMENT\nEND_ENVIRONMENT\nDate MJD 1\n")
        << QByteArray("BEGIN_ENVIRONMENT\nEND_ENVIRONMENT\nDate MJD 1\n") << 0 << false;
}

void TestScenarioRewrite::bytes() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(int, dateLines);
    QFETCH(bool, presentMoment);
    // Rows about line forms and line ends take their date lines into an
    // environment section of their own.
    if (dateLines > 0 && !input.toUpper().contains("BEGIN_ENVIRONMENT")) {
        const QByteArray section = input.contains('\r') ? kSectionCrLf : kSection;
        input.prepend(section);
        output.prepend(section);
    }
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, input));

    const auto result = rewrite(file);
    QVERIFY2(result, result ? "" : failureValues(result.error()).c_str());
    QCOMPARE(readBytes(file), output);
    QCOMPARE(result->dateLineCount, std::size_t(dateLines));
    QCOMPARE(result->wasPresentMoment(), presentMoment);
    const FileOutcome outcome = dateLines == 0    ? FileOutcome::NoDateLine
                                : input == output ? FileOutcome::AlreadyAtDate
                                                  : FileOutcome::Written;
    QCOMPARE(result->outcome, outcome);
    QCOMPARE(entries(dir_->path()), QStringList{QStringLiteral("a.scn")});
}

void TestScenarioRewrite::dateLine_data() {
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("worked example") << QByteArray(kDateText.data()) << kDateLine;
    QTest::newRow("date alone") << QByteArray("1/1/2004")
                                << QByteArray("  Date MJD 53005     ; 1/1/2004");
    QTest::newRow("seconds as a fraction")
        << QByteArray("3/21/2006 6:30:15 AM")
        << QByteArray("  Date MJD 53815.2710069444     ; 3/21/2006 6:30:15 AM");
    QTest::newRow("negative MJD has no blank before the sign")
        << QByteArray("1/1/1800") << QByteArray("  Date MJD-21504     ; 1/1/1800");
    QTest::newRow("late date still has an MJD")
        << QByteArray("11/19/9958") << QByteArray("  Date MJD 2958466     ; 11/19/9958");
}

void TestScenarioRewrite::dateLine() {
    QFETCH(QByteArray, dateText);
    QFETCH(QByteArray, line);
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, kSectionCrLf + "Date MJD 51982.5\r\n"));
    const auto result = rewrite(file, dateText.toStdString());
    QVERIFY2(result, result ? "" : failureValues(result.error()).c_str());
    QCOMPARE(readBytes(file), kSectionCrLf + line + "\r\n");
}

void TestScenarioRewrite::dateFailure_data() {
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<ScenarioFailureKind>("kind");
    QTest::newRow("empty") << QByteArray() << ScenarioFailureKind::DateNotADate;
    QTest::newRow("not a date") << QByteArray("soon") << ScenarioFailureKind::DateNotADate;
    QTest::newRow("year beyond 9999")
        << QByteArray("1/1/10000") << ScenarioFailureKind::DateNotADate;
}

void TestScenarioRewrite::dateFailure() {
    QFETCH(QByteArray, dateText);
    QFETCH(ScenarioFailureKind, kind);
    const QString file = path(QStringLiteral("a.scn"));
    const QByteArray original = kSection + "  Date MJD 51982.5\n";
    QVERIFY(writeBytes(file, original));

    const auto result = rewrite(file, dateText.toStdString());
    QVERIFY(!result);
    QCOMPARE(result.error().kind, kind);
    QCOMPARE(readBytes(file), original);
    QCOMPARE(result.error().path, local(file));
    QCOMPARE(result.error().dateText, dateText.toStdString());
}

// The date is converted only when a date line needs it.
void TestScenarioRewrite::noDateLineNeedsNoDate_data() {
    QTest::addColumn<QByteArray>("dateText");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a date") << QByteArray("soon");
}

void TestScenarioRewrite::noDateLineNeedsNoDate() {
    QFETCH(QByteArray, dateText);
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, "A\nB"));
    const auto result = rewrite(file, dateText.toStdString());
    QVERIFY(result);
    QCOMPARE(readBytes(file), QByteArray("A\nB"));
    QCOMPARE(result->dateLineCount, std::size_t(0));
}

void TestScenarioRewrite::lineLimit_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("10000 lines") << 10000 << QByteArray("\r\n") << true;
    QTest::newRow("10000 LF lines") << 10000 << QByteArray("\n") << true;
    QTest::newRow("10001 lines") << 10001 << QByteArray("\r\n") << false;
    QTest::newRow("10001 lines, date line first") << 10001 << QByteArray("\n") << false;
}

void TestScenarioRewrite::lineLimit() {
    QFETCH(int, count);
    QFETCH(QByteArray, end);
    QFETCH(bool, accepted);
    const QString file = path(QStringLiteral("big.scn"));
    const QByteArray original =
        "BEGIN_ENVIRONMENT" + end + "Date MJD 1" + end + lines(count - 2, "x", end);
    QVERIFY(writeBytes(file, original));

    const auto result = rewrite(file);
    QCOMPARE(bool(result), accepted);
    if (accepted) {
        QCOMPARE(result->lineCount, std::size_t(count));
        QCOMPARE(readBytes(file),
                 "BEGIN_ENVIRONMENT" + end + kDateLine + end + lines(count - 2, "x", end));
    } else {
        QCOMPARE(result.error().kind, ScenarioFailureKind::TooManyLines);
        QCOMPARE(readBytes(file), original);
    }
}

// A write that fails part-way must leave the original whole and no
// temporary file behind.
void TestScenarioRewrite::failedWrite_data() {
    QTest::addColumn<int>("failingWrite"); // 0: no write fails
    QTest::addColumn<int>("chunk");
    QTest::addColumn<bool>("syncFails");
    QTest::addColumn<bool>("removalFails"); // the temporary file stays, and is named
    QTest::addColumn<int>("failingExchange");
    QTest::newRow("first write fails") << 1 << 4096 << false << false << 0;
    QTest::newRow("third write fails after partial writes") << 3 << 4 << false << false << 0;
    QTest::newRow("flush fails") << 0 << 4096 << true << false << 0;
    QTest::newRow("flush fails, temporary file cannot be removed")
        << 0 << 4096 << true << true << 0;
    QTest::newRow("the exchange fails") << 0 << 4096 << false << false << 1;
}

void TestScenarioRewrite::failedWrite() {
    QFETCH(int, failingWrite);
    QFETCH(int, chunk);
    QFETCH(bool, syncFails);
    QFETCH(bool, removalFails);
    QFETCH(int, failingExchange);
    const QString file = path(QStringLiteral("a.scn"));
    const QByteArray original = "BEGIN_ENVIRONMENT\r\n  Date MJD 51982.5\r\nEND_ENVIRONMENT\r\n";
    QVERIFY(writeBytes(file, original));

    const auto result = rewrite(file, kDateText,
                                {.failingWrite = failingWrite,
                                 .chunk = std::size_t(chunk),
                                 .flushFails = syncFails,
                                 .failingExchange = failingExchange},
                                removalFails);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, ScenarioFailureKind::CannotWrite);
    QCOMPARE(readBytes(file), original);
    QCOMPARE(result.error().path, local(file));
    const QStringList left = entries(dir_->path());
    if (removalFails) {
        QCOMPARE(left.size(), 2);
        const std::string& reason = result.error().reason;
        QVERIFY2(reason.find(local(left[0])) != std::string::npos, reason.c_str());
        QVERIFY2(reason.find("could not be removed") != std::string::npos, reason.c_str());
    } else {
        QCOMPARE(left, QStringList{QStringLiteral("a.scn")});
    }
}

void TestScenarioRewrite::permissionsKept_data() {
    QTest::addColumn<int>("mode");
    // What the folder would give a new file: a group (set-group-ID) or
    // access entries (a default access list) the old version did not have.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("ownList"); // the file has an access list of its own
    QTest::newRow("0640") << 0640 << QString() << false;
    QTest::newRow("0604") << 0604 << QString() << false;
    QTest::newRow("0200, write only") << 0200 << QString() << false;
    QTest::newRow("set-group-ID folder of another group")
        << 0640 << QStringLiteral("setgid") << false;
    QTest::newRow("folder with a default access list")
        << 0600 << QStringLiteral("default list") << false;
    QTest::newRow("own access list in a folder with a default one")
        << 0640 << QStringLiteral("default list") << true;
}

void TestScenarioRewrite::permissionsKept() {
#ifdef Q_OS_WIN
    QSKIP("modes are POSIX; the read-only attribute is tested in tst_windows_files");
#else
    QFETCH(int, mode);
    QFETCH(QString, folder);
    QFETCH(bool, ownList);
    const QString file = path(QStringLiteral("a.scn"));
    const std::string folderPath = local(dir_->path());
    constexpr gid_t kOtherGroup = 4242;
    constexpr std::uint32_t kOtherUser = 4243;
    if (folder == QStringLiteral("setgid")) {
        if (::geteuid() != 0) {
            QSKIP("giving the folder a group we are not in needs root");
        }
        QCOMPARE(::chown(folderPath.c_str(), uid_t(-1), kOtherGroup), 0);
        QCOMPARE(::chmod(folderPath.c_str(), 02775), 0);
    } else if (folder == QStringLiteral("default list")) {
        const QByteArray list = accessList(kOtherUser, 6);
        if (::setxattr(folderPath.c_str(), "system.posix_acl_default", list.constData(),
                       std::size_t(list.size()), 0) != 0) {
            QSKIP("this file system keeps no access lists");
        }
    }
    QVERIFY(writeBytes(file, kSection + "Date MJD 1\n"));
    // The old version as the user made it, whatever the folder gave it.
    QCOMPARE(::chown(local(file).c_str(), uid_t(-1), ::getegid()), 0);
    (void)::removexattr(local(file).c_str(), "system.posix_acl_access");
    QByteArray list;
    if (ownList) {
        list = accessList(kOtherUser, 4);
        QCOMPARE(::setxattr(local(file).c_str(), "system.posix_acl_access", list.constData(),
                            std::size_t(list.size()), 0),
                 0);
    }
    QCOMPARE(::chmod(local(file).c_str(), mode_t(mode)), 0);
    list = attribute(file, "system.posix_acl_access");

    const auto result = rewrite(file);
    QVERIFY2(result, result ? "" : result.error().reason.c_str());
    struct stat st {};
    QCOMPARE(::stat(local(file).c_str(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
    QCOMPARE(st.st_gid, ::getegid());
    QCOMPARE(attribute(file, "system.posix_acl_access"), list);
    QCOMPARE(list.isEmpty(), !ownList);
    QCOMPARE(readBytes(file), kSection + kDateLine + "\n");
#endif
}

void TestScenarioRewrite::readOnlyRefused_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("0444") << 0444;
    QTest::newRow("0400") << 0400;
    QTest::newRow("0555") << 0555;
}

void TestScenarioRewrite::readOnlyRefused() {
#ifdef Q_OS_WIN
    QSKIP("modes are POSIX; the read-only attribute is tested in tst_windows_files");
#else
    QFETCH(int, mode);
    const QString file = path(QStringLiteral("a.scn"));
    const QByteArray original = kSection + "Date MJD 1\n";
    QVERIFY(writeBytes(file, original));
    QCOMPARE(::chmod(local(file).c_str(), mode_t(mode)), 0);

    const auto result = rewrite(file);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, ScenarioFailureKind::ReadOnly);
    QCOMPARE(readBytes(file), original);
    struct stat st {};
    QCOMPARE(::stat(local(file).c_str(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
    QCOMPARE(entries(dir_->path()), QStringList{QStringLiteral("a.scn")});
    QCOMPARE(::chmod(local(file).c_str(), 0644), 0); // so the folder can be cleaned up
#endif
}

// A link the user names is followed as a folder pass follows one: only to a
// file of its own folder, by a plain name; another user who can write there
// could point it anywhere.
void TestScenarioRewrite::namedLink_data() {
    QTest::addColumn<QString>("target"); // "@" stands for the temporary folder
    QTest::addColumn<bool>("followed");
    QTest::newRow("to a file beside it") << QStringLiteral("target.scn") << true;
    QTest::newRow("into a sub-folder") << QStringLiteral("real/target.scn") << false;
    QTest::newRow("by a full path to a file beside it") << QStringLiteral("@/target.scn") << false;
}

void TestScenarioRewrite::namedLink() {
#ifdef Q_OS_WIN
    QSKIP("symbolic links need a privilege on Windows");
#else
    QFETCH(QString, target);
    QFETCH(bool, followed);
    target.replace(QLatin1Char('@'), dir_->path());
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("real")));
    const QString file = QFileInfo(target).isAbsolute() ? target : path(target);
    const QString link = path(QStringLiteral("link.scn"));
    QVERIFY(writeBytes(file, kSection + "Date MJD 1\n"));
    QCOMPARE(::symlink(local(target).c_str(), local(link).c_str()), 0);

    const auto result = rewrite(link);
    QCOMPARE(bool(result), followed);
    QCOMPARE(readBytes(file), kSection + (followed ? kDateLine : QByteArray("Date MJD 1")) + "\n");
    if (!followed) {
        QCOMPARE(result.error().kind, ScenarioFailureKind::LinkOutside);
        QCOMPARE(result.error().path, local(link));
    }
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(file).absoluteFilePath());
    for (const QString& folder : {dir_->path(), path(QStringLiteral("real"))}) {
        for (const QString& name : entries(folder)) {
            QVERIFY2(!name.startsWith(QStringLiteral(".zentadial-")), qPrintable(name));
        }
    }
#endif
}

void TestScenarioRewrite::openFailure_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<ScenarioFailureKind>("kind");
    QTest::addColumn<bool>("systemWords"); // the reason is the system's own text for ENOENT
#ifdef Q_OS_WIN
    // Windows' words differ between versions (and Wine).
    QTest::newRow("missing file") << QStringLiteral("missing.scn")
                                  << ScenarioFailureKind::CannotOpen << false;
#else
    QTest::newRow("missing file") << QStringLiteral("missing.scn")
                                  << ScenarioFailureKind::CannotOpen << true;
    QTest::newRow("a pipe") << QStringLiteral("pipe.scn") << ScenarioFailureKind::NotAFile << false;
#endif
    QTest::newRow("a folder") << QStringLiteral("folder.scn") << ScenarioFailureKind::NotAFile
                              << false;
    QTest::newRow("no path") << QString() << ScenarioFailureKind::CannotOpen << false;
}

void TestScenarioRewrite::openFailure() {
    QFETCH(QString, name);
    QFETCH(ScenarioFailureKind, kind);
    QFETCH(bool, systemWords);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.scn")));
#ifndef Q_OS_WIN
    QCOMPARE(::mkfifo(local(path(QStringLiteral("pipe.scn"))).c_str(), 0644), 0);
#endif

    const QString file = name.isEmpty() ? QString() : path(name);
    const auto result = rewrite(file);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, kind);
    QCOMPARE(result.error().path, local(file));
    if (systemWords) {
        QCOMPARE(result.error().reason, std::generic_category().message(ENOENT));
    }
}

// Files a rewrite must refuse by name, leaving them exactly as they are.
void TestScenarioRewrite::refused_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<ScenarioFailureKind>("kind");
    // For DateNotRead: what hides the date written, on which line, how long.
    QTest::addColumn<DateHiddenBy>("hiddenBy");
    QTest::addColumn<int>("causeLine");
    QTest::addColumn<int>("causeLength");
    const auto none = DateHiddenBy::NoSection;
    const QByteArray utf16le("\xFF\xFE"
                             "D\0a\0t\0e\0 \0M\0J\0D\0\r\0\n\0",
                             22);
    QTest::newRow("UTF-16 LE") << utf16le << QString() << ScenarioFailureKind::NotText << none << 0
                               << 0;
    QTest::newRow("UTF-16 BE, mark only")
        << QByteArray("\xFE\xFF") << QString() << ScenarioFailureKind::NotText << none << 0 << 0;
    QTest::newRow("NUL after a date line") << QByteArray("Date MJD 1\n\0\n", 13) << QString()
                                           << ScenarioFailureKind::NotText << none << 0 << 0;
    QTest::newRow("above the size limit")
        << kSection + "Date MJD 1\n"
        << QStringLiteral("grow") << ScenarioFailureKind::TooLarge << none << 0 << 0;
    QTest::newRow("second hard link")
        << kSection + "Date MJD 1\n"
        << QStringLiteral("link") << ScenarioFailureKind::HardLinked << none << 0 << 0;
    // The simulator would not read the date written: nothing is written.
    const auto notRead = ScenarioFailureKind::DateNotRead;
    QTest::newRow("a 300-byte line earlier in the section")
        << kSection + QByteArray(300, 'x') + "\n  Date MJD 1\n"
        << QString() << notRead << DateHiddenBy::LongLine << 2 << 300;
    QTest::newRow("Ctrl-Z earlier in the section")
        << kSectionCrLf + "System Sol\x1a\r\n  Date MJD 1\r\n"
        << QString() << notRead << DateHiddenBy::EndOfFileMark << 2 << 0;
    QTest::newRow("indented BEGIN_ENVIRONMENT")
        << QByteArray("  BEGIN_ENVIRONMENT\n  Date MJD 1\n") << QString() << notRead
        << DateHiddenBy::IndentedSection << 1 << 0;
    QTest::newRow("byte-order mark before BEGIN_ENVIRONMENT")
        << "\xEF\xBB\xBF" + kSection + "Date MJD 1\n"
        << QString() << notRead << DateHiddenBy::MarkBeforeSection << 1 << 0;
    QTest::newRow("Ctrl-Z before BEGIN_ENVIRONMENT")
        << "\x1a\n" + kSection + "Date MJD 1\n"
        << QString() << notRead << DateHiddenBy::EndOfFileBeforeSection << 1 << 0;
#ifndef Q_OS_WIN
    // Marks that refuse the rename even to root: the dry run must say so too,
    // and no temporary file may be left behind.
    QTest::newRow("append-only file")
        << kSection + "Date MJD 1\n"
        << QStringLiteral("+a") << ScenarioFailureKind::ReadOnly << none << 0 << 0;
    QTest::newRow("immutable file")
        << kSection + "Date MJD 1\n"
        << QStringLiteral("+i") << ScenarioFailureKind::ReadOnly << none << 0 << 0;
    QTest::newRow("append-only folder")
        << kSection + "Date MJD 1\n"
        << QStringLiteral("folder +a") << ScenarioFailureKind::CannotWrite << none << 0 << 0;
    QTest::newRow("immutable folder")
        << kSection + "Date MJD 1\n"
        << QStringLiteral("folder +i") << ScenarioFailureKind::CannotWrite << none << 0 << 0;
#endif
}

void TestScenarioRewrite::refused() {
    QFETCH(QByteArray, content);
    QFETCH(QString, setup);
    QFETCH(ScenarioFailureKind, kind);
    QFETCH(DateHiddenBy, hiddenBy);
    QFETCH(int, causeLine);
    QFETCH(int, causeLength);
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, content));
    if (setup == QStringLiteral("grow")) {
        std::filesystem::resize_file(file.toStdWString(), kMaxScenarioBytes + 1);
    } else if (setup == QStringLiteral("link")) {
        std::filesystem::create_hard_link(file.toStdWString(),
                                          path(QStringLiteral("b.scn")).toStdWString());
    }
#ifndef Q_OS_WIN
    struct Unmark {
        QString file, folder;
        ~Unmark() {
            (void)setMarks(file, 0);
            (void)setMarks(folder, 0);
        }
    } unmark{file, dir_->path()};
    if (setup.endsWith(QStringLiteral("+a")) || setup.endsWith(QStringLiteral("+i"))) {
        const int mark = setup.endsWith(QStringLiteral("+a")) ? FS_APPEND_FL : FS_IMMUTABLE_FL;
        if (!setMarks(setup.startsWith(QStringLiteral("folder")) ? dir_->path() : file, mark)) {
            QSKIP("this file system or user cannot mark files append-only or immutable");
        }
    }
#endif
    const QStringList entriesBefore = entries(dir_->path());
    const QByteArray before = readBytes(file);
    const auto predicted = preview(file);
    QVERIFY(!predicted);
    QCOMPARE(predicted.error().kind, kind);
    const auto result = rewrite(file);
    QVERIFY(!result);
    QCOMPARE(result.error().kind, kind);
    QCOMPARE(readBytes(file), before);
    QCOMPARE(entries(dir_->path()), entriesBefore);
    QCOMPARE(result.error().path, local(file));
    if (kind == ScenarioFailureKind::DateNotRead) {
        QVERIFY(result.error().unread);
        QCOMPARE(result.error().unread->by, hiddenBy);
        QCOMPARE(int(result.error().unread->causeLine), causeLine);
        QCOMPARE(int(result.error().unread->causeLength), causeLength);
    }
}

// Another program's change between the read and the rename must win:
// the rewrite stops and names the file. The change is made from inside
// the first write of the temporary file.
void TestScenarioRewrite::changedMeanwhile_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("left");
    // Where another program makes its change: before the new version is
    // written, or after every check, just before it takes the file's place.
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("exchangeRefused"); // a file system that only renames
    const QByteArray appended = kSectionCrLf + "Date MJD 1\r\nmore\r\n";
    const QString write = QStringLiteral("writeSome");
    const QString exchange = QStringLiteral("exchange");
    QTest::newRow("editor saves by rename")
        << QStringLiteral("replace") << QByteArray("saved\n") << write << false;
    QTest::newRow("append") << QStringLiteral("append") << appended << write << false;
    QTest::newRow("half-written by another program")
        << QStringLiteral("truncate") << QByteArray("BEGI") << write << false;
#ifndef Q_OS_WIN
    QTest::newRow("link retargeted")
        << QStringLiteral("retarget") << QByteArray("other\n") << write << false;
#endif
    QTest::newRow("deleted") << QStringLiteral("delete") << QByteArray("<unreadable>") << write
                             << false;
    QTest::newRow("append just before the exchange")
        << QStringLiteral("append") << appended << exchange << false;
    QTest::newRow("editor saves by rename just before the exchange")
        << QStringLiteral("replace") << QByteArray("saved\n") << exchange << false;
    QTest::newRow("half-written just before the exchange")
        << QStringLiteral("truncate") << QByteArray("BEGI") << exchange << false;
    // Only the bytes tell this one: the size and the time are as read.
    QTest::newRow("rewritten in place, its time put back, just before the exchange")
        << QStringLiteral("in place") << kSectionCrLf.toLower() + "Date MJD 1\r\n"
        << exchange << false;
    QTest::newRow("deleted just before the exchange")
        << QStringLiteral("delete") << QByteArray("<unreadable>") << exchange << false;
    QTest::newRow("append, where the exchange is refused")
        << QStringLiteral("append") << appended << write << true;
    QTest::newRow("nothing changed, where the exchange is refused")
        << QString() << kSectionCrLf + kDateLine + "\r\n"
        << write << true;
}

void TestScenarioRewrite::changedMeanwhile() {
    QFETCH(QString, change);
    QFETCH(QByteArray, left);
    QFETCH(QString, step);
    QFETCH(bool, exchangeRefused);
    const QString real = path(QStringLiteral("real.scn"));
    QVERIFY(writeBytes(real, kSectionCrLf + "Date MJD 1\r\n"));
    QVERIFY(writeBytes(path(QStringLiteral("other.scn")), "other\n"));
#ifdef Q_OS_WIN
    const QString file = real; // symbolic links need a privilege there
#else
    const QString file = path(QStringLiteral("a.scn"));
    QCOMPARE(::symlink("real.scn", local(file).c_str()), 0);
#endif

    bool changed = false;
    const auto changeIt = [&](std::string_view call) {
        namespace fs = std::filesystem;
        if (call != step.toStdString() || changed) {
            return;
        }
        changed = true;
        const fs::path target = real.toStdWString();
        if (change == QStringLiteral("replace")) {
            const QString saved = path(QStringLiteral("saved"));
            writeBytes(saved, "saved\n");
            fs::rename(saved.toStdWString(), target);
        } else if (change == QStringLiteral("append")) {
            QFile f(real);
            (void)f.open(QIODevice::Append);
            f.write("more\r\n");
        } else if (change == QStringLiteral("truncate")) {
            fs::resize_file(target, 4);
        } else if (change == QStringLiteral("in place")) {
            const auto time = fs::last_write_time(target);
            QFile f(real);
            (void)f.open(QIODevice::ReadWrite);
            f.write(kSectionCrLf.toLower());
            f.close();
            fs::last_write_time(target, time);
        } else if (change == QStringLiteral("retarget")) {
            fs::remove(file.toStdWString());
            fs::create_symlink("other.scn", file.toStdWString());
        } else if (change == QStringLiteral("delete")) {
            fs::remove(target);
        }
    };
    const auto result =
        rewrite(file, kDateText, {.exchangeRefused = exchangeRefused}, false, changeIt);
    QVERIFY(changed);
    QCOMPARE(readBytes(file), left);
    QCOMPARE(result.has_value(), change.isEmpty());
    if (!result) {
        QCOMPARE(result.error().kind, ScenarioFailureKind::Changed);
        QCOMPARE(result.error().path, local(file));
    }
    for (const QString& name : entries(dir_->path())) {
        QVERIFY2(!name.startsWith(QStringLiteral(".zentadial-")), qPrintable(name));
    }
}

// The simulator reads 255 characters of a line: a long date text is
// shortened in the comment, never in the number.
void TestScenarioRewrite::lineFitsTheSimulator_data() {
    QTest::addColumn<QByteArray>("dateText");
    QTest::addColumn<QByteArray>("line");
    const QByteArray blanks(300, ' ');
    QTest::newRow("runs of blanks collapse")
        << "1/1/2004" + blanks + "12:00:00 PM"
        << QByteArray("  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM");
    QTest::newRow("short text untouched")
        << QByteArray("1/1/2004  12:00:00 PM")
        << QByteArray("  Date MJD 53005.5     ; 1/1/2004  12:00:00 PM");
}

void TestScenarioRewrite::lineFitsTheSimulator() {
    QFETCH(QByteArray, dateText);
    QFETCH(QByteArray, line);
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, kSectionCrLf + "Date MJD 1\r\n"));
    QVERIFY(rewrite(file, dateText.toStdString()));
    QCOMPARE(readBytes(file), kSectionCrLf + line + "\r\n");
}

void TestScenarioRewrite::longCommentIsCut() {
    const std::string comment(400, 'x');
    const std::string line = dateLineFor(53005.123456789, comment);
    QCOMPARE(line.size() + 2, kMaxSimulatorLine);
    QVERIFY(line.starts_with("  Date MJD 53005.123456789     ; xxx"));
    // Not inside a UTF-8 character either.
    const std::string accented = dateLineFor(1, std::string(300, 'a') + "\xc3\xa9");
    QVERIFY(dateLineFor(1, "\xc3\xa9" + std::string(300, '\xc3')).size() <= 253);
    QCOMPARE(accented.size(), std::size_t(253));
}

// Mode was always kept; extended attributes (ACLs live there) are too.
void TestScenarioRewrite::attributesKept() {
#ifdef Q_OS_WIN
    QSKIP("extended attributes are POSIX; ReplaceFileW keeps streams and ACLs");
#else
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, kSection + "Date MJD 1\n"));
    if (::setxattr(local(file).c_str(), "user.origin", "hangar", 6, 0) != 0) {
        QSKIP("this file system keeps no user attributes");
    }
    QVERIFY(rewrite(file));
    char value[16] = {};
    QCOMPARE(::getxattr(local(file).c_str(), "user.origin", value, sizeof value), ssize_t(6));
    QCOMPARE(QByteArray(value), QByteArray("hangar"));
    QCOMPARE(readBytes(file), kSection + kDateLine + "\n");
#endif
}

// Names near the file system's limit still leave room for the temporary
// file, and one left by a crash is reported.
void TestScenarioRewrite::longNameAndLeftovers() {
    const QString name = QString(250, QLatin1Char('n')) + QStringLiteral(".scn");
    const QString file = path(name);
    QVERIFY(writeBytes(file, kSection + "Date MJD 1\n"));
    QVERIFY(writeBytes(path(QStringLiteral(".zentadial-AbC123")), "half"));
    const auto result = rewrite(file);
    QVERIFY2(result, result ? "" : failureValues(result.error()).c_str());
    QCOMPARE(readBytes(file), kSection + kDateLine + "\n");
    QCOMPARE(result->leftovers, std::vector<std::string>{local(path(".zentadial-AbC123"))});
}

// --mjd writes the number to the digits given, not rounded to a second.
void TestScenarioRewrite::mjdWrittenAsGiven() {
    const QString file = path(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, kSection + "Date MJD 1\n"));
    DateLineSource source = DateLineSource::forMjd(60000.123456789, "5/18/2023 2:57:47 AM");
    QVERIFY(rewriteScenarioFile(local(file), source));
    QCOMPARE(readBytes(file), kSection + "  Date MJD 60000.123456789     ; 5/18/2023 2:57:47 AM\n");
}

void TestScenarioRewrite::relativePathUsesCurrentDirectory() {
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
    QVERIFY(writeBytes(QStringLiteral("rel.scn"), kSection + "Date MJD 1\n"));
    const auto result = rewriteScenarioFile("rel.scn", kDateText, us_);
    QVERIFY(QDir::setCurrent(before));
    QVERIFY(result);
    QCOMPARE(readBytes(path(QStringLiteral("rel.scn"))), kSection + kDateLine + "\n");
}

QTEST_GUILESS_MAIN(TestScenarioRewrite)
#include "tst_scenario_rewrite.moc"
