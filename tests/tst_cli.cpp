#include "support/file_bytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#ifdef Q_OS_WIN
#include "support/windows_attributes.h"
#else
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out; // with LF line ends, whatever the platform writes
    QByteArray err;
    QByteArray rawOut;
};

// A console program on Windows ends its lines with CR LF, and only then.
#ifdef Q_OS_WIN
constexpr char kLineEnd[] = "\r\n";
#else
constexpr char kLineEnd[] = "\n";
#endif

// A path as the program prints it: with "\\" on Windows, where it joins
// names with the separator the folder text uses, "\\" for ".".
QByteArray printedPath(const QByteArray& path) {
#ifdef Q_OS_WIN
    return QByteArray(path).replace('/', '\\');
#else
    return path;
#endif
}

QByteArray withLfEnds(const QByteArray& text) {
    return QByteArray(text).replace(kLineEnd, "\n");
}

// The undo journal of every run here: never the user's own.
const QTemporaryDir& journal() {
    static const QTemporaryDir folder;
    return folder;
}

void emptyJournal() {
    QDir(journal().path()).removeRecursively();
    QDir().mkpath(journal().path());
}

Run run(const QStringList& arguments, const QByteArray& input = {}, const QString& folder = {},
        const QString& zone = QStringLiteral("UTC"), const QString& locale = QStringLiteral("C")) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The system's forms are C, which the program reads as English (United
    // States), and the clock is GMT, whatever the machine is set to.
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("TZ"), zone);
    process.setProcessEnvironment(env);
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
    process.start(QStringLiteral(ZENTADIAL_CLI), arguments);
    Run result;
    if (!process.waitForStarted()) {
        return result;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return result;
    }
    result.exitCode = process.exitCode();
    result.rawOut = process.readAllStandardOutput();
    result.out = withLfEnds(result.rawOut);
    result.err = withLfEnds(process.readAllStandardError());
    return result;
}

#ifndef Q_OS_WIN
// Runs the program with arguments as raw bytes and standard output on the
// given descriptor, SIGPIPE as a shell would leave it; the exit status, or -1.
int runRaw(const std::vector<std::string>& arguments, int out, int in = -1) {
    std::vector<char*> argv;
    std::string program = ZENTADIAL_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (auto& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGPIPE, SIG_DFL);
        ::dup2(out, STDOUT_FILENO);
        if (in >= 0) {
            ::dup2(in, STDIN_FILENO);
        }
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}
#endif

QByteArray fieldLines(const QByteArray& date, const QByteArray& mjd, const QByteArray& epoch,
                      const QByteArray& jd) {
    return "date\t" + date + "\nmjd\t" + mjd + "\nepoch\t" + epoch + "\njd\t" + jd + "\n";
}

using zentadial::test::readBytes;
using zentadial::test::writeBytes;

QString fixture(const QString& relative) {
    return qEnvironmentVariable("ZENTADIAL_TEST_DATA") + QStringLiteral("/scenarios/") + relative;
}

const QString kDockedAtIss = QStringLiteral("orbiter/Scenarios/Demo/Docked at ISS.scn");
const QString kCurrentState = QStringLiteral("b747/Scenarios/(Current state).scn");

// A writable copy: the fixtures are checked in read-only.
bool copyFixture(const QString& relative, const QString& target) {
    QDir().mkpath(QFileInfo(target).absolutePath());
    return writeBytes(target, readBytes(fixture(relative)));
}

// The worked example in English (United States) forms.
const QByteArray kNewDateLine = "  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM";

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void convertOneEntry_data();
    void convertOneEntry();
    void convertAsJson();
    void convertNow_data();
    void convertNow();
    void numbersReadAlikeInEveryLocale_data();
    void numbersReadAlikeInEveryLocale();
    void closedPipeFinishesThePass();
    void lineEnds();
    void oddFileNames();
    void dryRunForeseesRefusals();
    void rewriteCounts_data();
    void rewriteCounts();
    void timeScales_data();
    void timeScales();
    void listAndSkipQuicksave_data();
    void listAndSkipQuicksave();
    void wrongCalls_data();
    void wrongCalls();
    void helpAndVersion_data();
    void helpAndVersion();
    void batchWithBadLines();
    void batchAnswersEachLine();
    void batchKeepsFourColumns();
    void batchAsJsonLines();
    void rewriteTreeDryRunThenRecursive();
    void rewriteFromMjdOutsideFolderOnly();
    void failingFileAmongGoodOnes();
    void undoAndHistory_data();
    void undoAndHistory();
};

// Every program started here, by QProcess or by hand, inherits it.
void TestCli::initTestCase() {
    QVERIFY(journal().isValid());
    qputenv("ZENTADIAL_JOURNAL", QFile::encodeName(journal().path()));
}

void TestCli::convertOneEntry_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("exitCode");

    const auto row = [](const char* tag, const QStringList& arguments, const QByteArray& expected,
                        int code) { QTest::newRow(tag) << arguments << expected << code; };
    row("date with read-back Epoch",
        {QStringLiteral("--date"), QStringLiteral("1/1/2004 6:00:00 PM"),
         QStringLiteral("--locale"), QStringLiteral("en_US")},
        fieldLines("1/1/2004 6:00:00 PM", "53005.75", "2004.0006844627", "2453006.25"), 0);
    row("date with seconds", {QStringLiteral("--date"), QStringLiteral("3/21/2006 6:30:15 AM")},
        fieldLines("3/21/2006 6:30:15 AM", "53815.2710069444", "2006.21703218876",
                   "2453815.77100694"),
        0);
    row("mjd of epoch 2000", {QStringLiteral("--mjd"), QStringLiteral("51544.5")},
        fieldLines("1/1/2000 12:00:00 PM", "51544.5", "2000", "2451545"), 0);
    row("mjd 0 has no time part", {QStringLiteral("--mjd"), QStringLiteral("0")},
        fieldLines("11/17/1858", "0", "1858.87885010267", "2400000.5"), 0);
    row("negative mjd as option value", {QStringLiteral("--mjd"), QStringLiteral("-1.5")},
        fieldLines("11/15/1858 12:00:00 PM", "-1.5", "1858.87474332649", "2399999"), 0);
    row("epoch 2004", {QStringLiteral("--epoch"), QStringLiteral("2004")},
        fieldLines("1/1/2004 12:00:00 PM", "53005.5", "2004", "2453006"), 0);
    row("jd typed into its field", {QStringLiteral("--jd"), QStringLiteral("2453005.5")},
        fieldLines("1/1/2004", "53005", "2003.99863107461", "2453005.5"), 0);
    row("date that is no date empties", {QStringLiteral("--date"), QStringLiteral("abc")},
        fieldLines("", "", "", ""), 1);
    row("iso date with Z", {QStringLiteral("--date"), QStringLiteral("1969-07-20T20:17:40Z")},
        fieldLines("7/20/1969 8:17:40 PM", "40422.8456018518", "1969.55056975182",
                   "2440423.34560185"),
        0);
    // A figure of the window's chains that rests on a step that overflowed
    // is no value of the entry: it is left out, never shown as 11/17/1858.
    for (const char* scale : {"utc", "tdb", "sim-now"}) {
        for (const char* mjd : {"1.7976931348623157e308", "-1.7976931348623157e308"}) {
            QTest::addRow("mjd %s in %s", mjd, scale)
                << QStringList{QStringLiteral("--mjd"), QLatin1String(mjd),
                               QStringLiteral("--scale"), QLatin1String(scale)}
                << fieldLines("", "", "", "") << 1;
        }
    }
    row("epoch beyond the doubles' JD", {QStringLiteral("--epoch"), QStringLiteral("1e308")},
        fieldLines("", "", "1E+308", ""), 1);
    row("jd far beyond the dates", {QStringLiteral("--jd"), QStringLiteral("-1.7e308")},
        fieldLines("", "-1.7E+308", "-4.65434633812457E+305", "-1.7E+308"), 1);
    row("jd 0 lies before year 100", {QStringLiteral("--jd"), QStringLiteral("0")},
        fieldLines("", "-2400000.5", "-4711.96440793977", "0"), 1);
    row("german output, plain input",
        {QStringLiteral("--mjd"), QStringLiteral("53005.75"), QStringLiteral("--locale"),
         QStringLiteral("de_DE")},
        fieldLines("01.01.2004 18:00:00", "53005.75", "2004.0006844627", "2453006.25"), 0);
    row("C locale is English (United States)",
        {QStringLiteral("--epoch"), QStringLiteral("2000"), QStringLiteral("--locale"),
         QStringLiteral("C")},
        fieldLines("1/1/2000 12:00:00 PM", "51544.5", "2000", "2451545"), 0);
}

void TestCli::convertOneEntry() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    QFETCH(int, exitCode);
    const Run result = run(QStringList{QStringLiteral("convert")} + arguments);
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, exitCode);
    // A failed entry says why on standard error, a good one says nothing.
    QCOMPARE(result.err.isEmpty(), exitCode == 0);
}

void TestCli::convertAsJson() {
    const Run result = run({QStringLiteral("convert"), QStringLiteral("--date"),
                            QStringLiteral("1/1/2004 \"6\":00 PM"), QStringLiteral("--json")});
    QCOMPARE(result.exitCode, 1);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    for (const char* key : {"date", "utc", "mjd", "epoch", "jd"}) {
        QVERIFY2(object.value(QLatin1String(key)).isNull(), key);
    }
    QVERIFY(
        object.value(QStringLiteral("error")).toString().contains(QStringLiteral("not a date")));

    // Numbers are JSON numbers with "." in every locale.
    const Run good =
        run({QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("53005.75"),
             QStringLiteral("--json"), QStringLiteral("--locale"), QStringLiteral("de_DE")});
    QCOMPARE(good.out,
             QByteArray("{\"date\":\"01.01.2004 18:00:00\",\"utc\":\"2004-01-01T18:00:00Z\","
                        "\"mjd\":53005.75,"
                        "\"epoch\":2004.0006844627,\"jd\":2453006.25,\"scale\":\"utc\"}\n"));
}

void TestCli::convertNow_data() {
    QTest::addColumn<QString>("zone"); // empty: no --zone
    QTest::addColumn<QString>("tz");
    QTest::addColumn<double>("hoursAhead");
    QTest::newRow("GMT") << QStringLiteral("0") << QStringLiteral("UTC") << 0.0;
    QTest::newRow("eight hours behind GMT") << QStringLiteral("-8") << QStringLiteral("UTC") << 8.0;
    QTest::newRow("half hours east") << QStringLiteral("5.5") << QStringLiteral("UTC") << -5.5;
    QTest::newRow("+H:MM") << QStringLiteral("+5:30") << QStringLiteral("UTC") << -5.5;
    // The local clock is five hours ahead; without --zone the true UTC time.
    QTest::newRow("no zone is true UTC") << QString() << QStringLiteral("XYZ-5") << 0.0;
#ifndef Q_OS_WIN // there the local clock's zone is the system's setting, not TZ
    QTest::newRow("zone applies to the local clock")
        << QStringLiteral("5") << QStringLiteral("XYZ-5") << 0.0;
#endif
}

void TestCli::convertNow() {
    QFETCH(QString, zone);
    QFETCH(QString, tz);
    QFETCH(double, hoursAhead);
    QStringList arguments{QStringLiteral("convert"), QStringLiteral("--now")};
    if (!zone.isEmpty()) {
        arguments << QStringLiteral("--zone") << zone;
    }
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const Run result = run(arguments, {}, {}, tz);
    const qint64 after = QDateTime::currentSecsSinceEpoch();
    QCOMPARE(result.exitCode, 0);
    const QList<QByteArray> lines = result.out.split('\n');
    QVERIFY(lines.size() >= 2 && lines[1].startsWith("mjd\t"));
    const double mjd = lines[1].mid(4).toDouble();
    // Unix time 0 is MJD 40587; the clock is read to the second.
    const double expectedLow = 40587.0 + (double(before - 1) / 3600.0 + hoursAhead) / 24.0;
    const double expectedHigh = 40587.0 + (double(after + 1) / 3600.0 + hoursAhead) / 24.0;
    QVERIFY2(mjd >= expectedLow && mjd <= expectedHigh, lines[1].constData());
}

void TestCli::wrongCalls_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("named");

    const auto row = [](const char* tag, const QStringList& arguments, const QByteArray& named) {
        QTest::newRow(tag) << arguments << named;
    };
    row("no command", {}, "convert, list, rewrite, undo or history");
    row("list without a path", {QStringLiteral("list")}, "give at least one PATH");
    row("list with an unknown scale",
        {QStringLiteral("list"), QStringLiteral("--scale"), QStringLiteral("tt"),
         QStringLiteral("a.scn")},
        "'tt' is no time scale");
    row("unknown command", {QStringLiteral("konvert")}, "'konvert'");
    row("unknown option", {QStringLiteral("convert"), QStringLiteral("--mdj"), QStringLiteral("1")},
        "'mdj'");
    row("missing value", {QStringLiteral("convert"), QStringLiteral("--mjd")}, "'--mjd'");
    row("no entry", {QStringLiteral("convert")}, "--date");
    row("two entries",
        {QStringLiteral("convert"), QStringLiteral("--date"), QStringLiteral("1/1/2004"),
         QStringLiteral("--jd"), QStringLiteral("0")},
        "'--date' and '--jd'");
    row("one option twice",
        {QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("1"),
         QStringLiteral("--mjd"), QStringLiteral("2")},
        "'mjd' is given more than once");
    row("zone without now",
        {QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("1"),
         QStringLiteral("--zone"), QStringLiteral("3")},
        "'--zone'");
    for (const char* zone : {"1e9", "1e3", "abc", "UTC+2", "14.5", "+5:60", "5,5"}) {
        QTest::newRow(qPrintable(QStringLiteral("zone %1").arg(QLatin1String(zone))))
            << QStringList{QStringLiteral("convert"), QStringLiteral("--now"),
                           QStringLiteral("--zone"), QLatin1String(zone)}
            << QByteArray("'--zone'");
    }
    // A number is one number: never read as far as it goes, or with "." as a
    // group separator.
    for (const char* option : {"mjd", "jd", "epoch"}) {
        for (const char* text : {"2453005.5x", "53005,5", "1.000.5", ""}) {
            QTest::newRow(qPrintable(
                QStringLiteral("--%1 '%2'").arg(QLatin1String(option), QLatin1String(text))))
                << QStringList{QStringLiteral("convert"),
                               QLatin1String("--") + QLatin1String(option), QLatin1String(text)}
                << QByteArray(QByteArray("'--") + option + "': '" + text + "' is not a number");
        }
    }
    row("unknown locale",
        {QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("1"),
         QStringLiteral("--locale"), QStringLiteral("xx_QQ")},
        "'--locale'");
    row("stray argument to convert",
        {QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("1"),
         QStringLiteral("extra")},
        "'extra'");
    row("rewrite without date", {QStringLiteral("rewrite"), QStringLiteral(".")}, "--date");
    row("rewrite date that is no date",
        {QStringLiteral("rewrite"), QStringLiteral("--date"), QStringLiteral("abc"),
         QStringLiteral(".")},
        "'--date'");
    row("rewrite date with control characters, escaped",
        {QStringLiteral("rewrite"), QStringLiteral("--date"), QStringLiteral("\x1b[2J\r"),
         QStringLiteral(".")},
        "'\\x1b[2J\\r' is not a date");
    row("rewrite mjd that is no number",
        {QStringLiteral("rewrite"), QStringLiteral("--mjd"), QStringLiteral("5x"),
         QStringLiteral(".")},
        "'--mjd'");
    row("rewrite mjd beyond the dates",
        {QStringLiteral("rewrite"), QStringLiteral("--mjd"), QStringLiteral("99999999"),
         QStringLiteral(".")},
        "'--mjd'");
    row("rewrite without path",
        {QStringLiteral("rewrite"), QStringLiteral("--mjd"), QStringLiteral("53005")}, "PATH");
    row("undo takes no path", {QStringLiteral("undo"), QStringLiteral("a.scn")}, "'a.scn'");
    row("history takes no option", {QStringLiteral("history"), QStringLiteral("--all")}, "'all'");
}

void TestCli::wrongCalls() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, named);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const Run result = run(arguments, {}, folder.path());
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(named), result.err.constData());
    QVERIFY(result.out.isEmpty());
    // Nothing may have been written by a call that was refused.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 0);
}

void TestCli::helpAndVersion_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("shows");
    QTest::newRow("program") << QStringList{QStringLiteral("--help")}
                             << QByteArray("Usage: zentadial-cli COMMAND");
    QTest::newRow("convert") << QStringList{QStringLiteral("convert"), QStringLiteral("--help")}
                             << QByteArray("--batch");
    QTest::newRow("rewrite") << QStringList{QStringLiteral("rewrite"), QStringLiteral("-h")}
                             << QByteArray("--dry-run");
    QTest::newRow("undo") << QStringList{QStringLiteral("undo"), QStringLiteral("--help")}
                          << QByteArray("ZENTADIAL_JOURNAL");
    QTest::newRow("history") << QStringList{QStringLiteral("history"), QStringLiteral("-h")}
                             << QByteArray("20 passes or 64 MiB");
    QTest::newRow("version") << QStringList{QStringLiteral("--version")}
                             << QByteArray("zentadial-cli 0.");
}

void TestCli::helpAndVersion() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, shows);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(shows), result.out.constData());
    QVERIFY(result.err.isEmpty());
}

void TestCli::batchWithBadLines() {
    const QByteArray tooLong = "mjd 1" + QByteArray(70 * 1024, '0') + "\n";
    const QByteArray input = "# made by hand\n"
                             "mjd 51544.5\n"
                             "date 1/1/2004 6:00:00 PM\r\n" // a line written on Windows
                             "mjd 53005x\n"
                             "time 12\n"
                             "\n"
                             "  \t\n"
                             "jd 2453005.5x\n"
                             "date abc\n" +
                             tooLong +
                             "MJD 51544.5\n"
                             "Date 1969-07-20T20:17:40Z\n"
                             "date 1/1/2004\t18:00\n"
                             "date \x1b[2Jx\n"
                             "epoch 2004"; // no line end on the last line
    const Run result = run({QStringLiteral("convert"), QStringLiteral("--batch")}, input);
    QCOMPARE(result.out, QByteArray("1/1/2000 12:00:00 PM\t51544.5\t2000\t2451545\n"
                                    "1/1/2004 6:00:00 PM\t53005.75\t2004.0006844627\t2453006.25\n"
                                    "\t\t\t\n"
                                    "\t\t\t\n"
                                    "\t\t\t\n"
                                    "\t\t\t\n"
                                    "\t\t\t\n"
                                    "1/1/2000 12:00:00 PM\t51544.5\t2000\t2451545\n"
                                    "7/20/1969 8:17:40 PM\t40422.8456018518\t1969.55056975182\t"
                                    "2440423.34560185\n"
                                    "1/1/2004 6:00:00 PM\t53005.75\t2004.0006844627\t2453006.25\n"
                                    "\t\t\t\n"
                                    "1/1/2004 12:00:00 PM\t53005.5\t2004\t2453006\n"));
    QCOMPARE(result.exitCode, 1);
    // Each failure once, on standard error, by its input line; control
    // characters escaped.
    QCOMPARE(result.err, QByteArray("zentadial-cli: line 4: \"53005x\" is not a number; write it "
                                    "with '.' as the decimal point and no group separators\n"
                                    "zentadial-cli: line 5: \"time\" is no kind of entry (date, "
                                    "mjd, epoch or jd)\n"
                                    "zentadial-cli: line 8: \"2453005.5x\" is not a number; write "
                                    "it with '.' as the decimal point and no group separators\n"
                                    "zentadial-cli: line 9: \"abc\" is not a date\n"
                                    "zentadial-cli: line 10: a line of more than 65536 bytes is "
                                    "no entry\n"
                                    "zentadial-cli: line 14: \"\\x1b[2Jx\" is not a date\n"));
}

// Whoever feeds the batch a line at a time gets each answer before the
// next line: nothing waits for a buffer to fill.
void TestCli::batchAnswersEachLine() {
    QProcess process;
    process.start(QStringLiteral(ZENTADIAL_CLI),
                  {QStringLiteral("convert"), QStringLiteral("--batch"), QStringLiteral("--locale"),
                   QStringLiteral("C")});
    QVERIFY(process.waitForStarted());
    for (const QByteArray& mjd : {QByteArray("51544.5"), QByteArray("bad"), QByteArray("0")}) {
        process.write("mjd " + mjd + "\n");
        QByteArray line;
        while (!line.endsWith('\n') && process.waitForReadyRead(10000)) {
            line += process.readAllStandardOutput();
        }
        QVERIFY2(line.count('\n') == 1, line.constData());
    }
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 1);
}

void TestCli::batchKeepsFourColumns() {
    // A tab inside a date reads as a blank, but must not split a column.
    const Run result =
        run({QStringLiteral("convert"), QStringLiteral("--batch")}, "date 1/1/2004\t6:00:00 PM\n");
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
             QByteArray("1/1/2004 6:00:00 PM\t53005.75\t2004.0006844627\t2453006.25\n"));
}

void TestCli::batchAsJsonLines() {
    const Run result =
        run({QStringLiteral("convert"), QStringLiteral("--batch"), QStringLiteral("--json")},
            "mjd 51544.5\ndate \xff\x01\n");
    QCOMPARE(result.exitCode, 1);
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    for (const QByteArray& line : lines) {
        QJsonParseError error{};
        QJsonDocument::fromJson(line, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
    }
    const QJsonObject failed = QJsonDocument::fromJson(lines[1]).object();
    QVERIFY(failed.value(QStringLiteral("date")).isNull());
    QCOMPARE(failed.value(QStringLiteral("error")).toString(),
             QStringLiteral("\"\uFFFD\\x01\" is not a date"));
}

void TestCli::rewriteTreeDryRunThenRecursive() {
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    const QString top = tree.filePath(QStringLiteral("a.scn"));
    const QString sub = tree.filePath(QStringLiteral("sub/b.SCN"));
    const QString deeper = tree.filePath(QStringLiteral("sub/deeper/c.scn"));
    const QString hidden = tree.filePath(QStringLiteral(".hidden/d.scn"));
    QVERIFY(copyFixture(kCurrentState, top));
    QVERIFY(copyFixture(kDockedAtIss, sub));
    QVERIFY(copyFixture(kDockedAtIss, hidden));
#ifdef Q_OS_WIN // hidden by its attribute there, not by its name
    QVERIFY(zentadial::test::setWindowsAttributes(QFileInfo(hidden).absolutePath(),
                                                  FILE_ATTRIBUTE_HIDDEN));
#endif
    QDir().mkpath(QFileInfo(deeper).absolutePath());
    QVERIFY(writeBytes(deeper, "BEGIN_ENVIRONMENT\r\nDate MJD 1\r\n  Date MJD 2\r\n"));
    // A link back up the tree must not be walked into.
    QVERIFY(QFile::link(tree.path(), tree.filePath(QStringLiteral("sub/loop"))));
    const QStringList files = {top, sub, deeper, hidden};
    QList<QByteArray> original;
    for (const QString& file : files) {
        original << readBytes(file);
    }

    const QStringList dateArguments = {QStringLiteral("--date"),
                                       QStringLiteral("1/1/2004 12:00:00 PM"),
                                       QStringLiteral("--recursive")};
    const Run preview = run(QStringList{QStringLiteral("rewrite")} + dateArguments +
                                QStringList{QStringLiteral("--dry-run"), QStringLiteral(".")},
                            {}, tree.path());
    QCOMPARE(preview.exitCode, 0);
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(readBytes(files[i]), original[i]);
    }
    const QByteArray deeperPreview = printedPath("./sub/deeper/c.scn") +
                                     ": would be rewritten, 2 date lines\n"
                                     "  line 2: -Date MJD 1\n"
                                     "  line 2: +" +
                                     kNewDateLine +
                                     "\n"
                                     "  line 3: -  Date MJD 2\n"
                                     "  line 3: +" +
                                     kNewDateLine + "\n";
    QVERIFY2(preview.out.contains(deeperPreview), preview.out.constData());
    QVERIFY(preview.out.contains("  line 7: -  Date MJD 51982.6744190574\n"));
    QVERIFY(!preview.out.contains(".hidden"));
    QVERIFY(!preview.out.contains("loop"));
    QVERIFY2(preview.out.endsWith("Dry run, nothing written: 3 files would be rewritten (4 date "
                                  "lines), 0 would be left unchanged, 0 would fail.\n"),
             preview.out.constData());

    const Run rewrite = run(QStringList{QStringLiteral("rewrite")} + dateArguments +
                                QStringList{QStringLiteral(".")},
                            {}, tree.path());
    QCOMPARE(rewrite.exitCode, 0);
    QCOMPARE(rewrite.out, printedPath("./a.scn") + ": rewritten, 1 date line\n" +
                              printedPath("./sub/b.SCN") + ": rewritten, 1 date line\n" +
                              printedPath("./sub/deeper/c.scn") + ": rewritten, 2 date lines\n" +
                              "3 files rewritten (4 date lines), 0 left unchanged, 0 failed.\n");
    QCOMPARE(readBytes(deeper),
             "BEGIN_ENVIRONMENT\r\n" + kNewDateLine + "\r\n" + kNewDateLine + "\r\n");
    QByteArray expectedTop = original[0];
    expectedTop.replace("  Date MJD 51982.6744190574", kNewDateLine);
    QCOMPARE(readBytes(top), expectedTop);
    QVERIFY(readBytes(sub).contains(kNewDateLine));
    QCOMPARE(readBytes(hidden), original[3]);
}

void TestCli::rewriteFromMjdOutsideFolderOnly() {
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    const QString top = tree.filePath(QStringLiteral("a.scn"));
    const QString sub = tree.filePath(QStringLiteral("sub/b.scn"));
    QVERIFY(copyFixture(kDockedAtIss, top));
    QVERIFY(copyFixture(kDockedAtIss, sub));
    const QByteArray original = readBytes(sub);

    const Run result = run({QStringLiteral("rewrite"), QStringLiteral("--mjd"),
                            QStringLiteral("53005.5"), tree.path()});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(readBytes(top).contains(QByteArray(kNewDateLine + "\n")));
    QCOMPARE(readBytes(sub), original);
}

void TestCli::failingFileAmongGoodOnes() {
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    const QString first = tree.filePath(QStringLiteral("1.scn"));
    const QString locked = tree.filePath(QStringLiteral("2.scn"));
    const QString last = tree.filePath(QStringLiteral("3.scn"));
    for (const QString& file : {first, locked, last}) {
        QVERIFY(copyFixture(kDockedAtIss, file));
    }
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray original = readBytes(locked);
    const QString missing = tree.filePath(QStringLiteral("gone.scn"));

    const Run result = run({QStringLiteral("rewrite"), QStringLiteral("--mjd"),
                            QStringLiteral("53005.5"), tree.path(), missing});
    QCOMPARE(result.exitCode, 1);
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.size(), 6); // four files, the summary, the last line end
    QVERIFY(lines[0].endsWith("1.scn: rewritten, 1 date line"));
    QVERIFY2(lines[1].endsWith("2.scn: failed"), lines[1].constData());
    QVERIFY(lines[2].endsWith("3.scn: rewritten, 1 date line"));
    QVERIFY(lines[3].endsWith("gone.scn: failed"));
    QCOMPARE(lines[4], QByteArray("2 files rewritten (2 date lines), 0 left unchanged, 2 failed."));
    // Each failure is said once, on standard error.
    QCOMPARE(result.err.count("2.scn"), 1);
    QVERIFY(result.err.contains("read-only"));
    QCOMPARE(result.err.count("gone.scn"), 1);

    QCOMPARE(readBytes(locked), original);
    QVERIFY(readBytes(first).contains(kNewDateLine));
    QVERIFY(readBytes(last).contains(kNewDateLine));
    // No temporary file left beside them.
    QCOMPARE(
        QDir(tree.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{QStringLiteral("1.scn"), QStringLiteral("2.scn"), QStringLiteral("3.scn")}));

    const Run preview = run({QStringLiteral("rewrite"), QStringLiteral("--mjd"),
                             QStringLiteral("53005.5"), QStringLiteral("--dry-run"), locked});
    QCOMPARE(preview.exitCode, 1);
    QVERIFY(preview.out.contains("would fail"));
}

void TestCli::undoAndHistory_data() {
    // "edit" is another program's save; "lock" makes the file read-only, "unlock" writable.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("exitCode");     // of the last step
    QTest::addColumn<QByteArray>("shows"); // in its output and standard error
    QTest::addColumn<QString>("file"); // at the end: original, rewritten, edited, shifted, twice

    const auto row = [](const char* tag, const char* steps, int code, const QByteArray& shows,
                        const char* file) {
        QTest::newRow(tag) << QString::fromLatin1(steps).split(u',') << code << shows
                           << QString::fromLatin1(file);
    };
    row("undo puts the file back", "rewrite,undo", 0,
        "put back as it was before pass 1\nUndid pass 1 (", "original");
    row("undo dry run writes nothing", "rewrite,undo --dry-run", 0, "would be put back",
        "rewritten");
    row("undo names a file changed since", "rewrite,edit,undo", 1,
        "changed since pass 1, left as it is", "edited");
    row("undo of an undo writes the pass again", "rewrite,undo,undo", 0,
        "Undid pass 2 (the undo of pass 1)", "rewritten");
    row("nothing to undo", "undo", 1, "nothing to undo", "original");
    row("a dry-run rewrite is no pass", "rewrite --dry-run,undo", 1, "nothing to undo", "original");
    row("history lists the passes", "rewrite,undo,history", 0, "  rewrite  1 file, ", "original");
    row("history names an undo", "rewrite,undo,history", 0, "  undo of pass 1  1 file", "original");
    row("history of an empty journal", "history", 0, "It holds no pass.", "original");
    row("a pass that replaced nothing is no pass", "rewrite,lock,rewrite --shift +779,unlock,undo",
        0, "Undid pass 1 (", "original");
    row("a shift undone puts the file back", "rewrite --shift +779,undo", 0,
        "put back as it was before pass 1", "original");
    row("the same shift twice is refused", "rewrite --shift +779,rewrite --shift 779d", 1,
        "pass 1 already shifted it by the same span", "shifted");
    row("--again shifts twice", "rewrite --shift +779,rewrite --shift +779 --again", 0,
        "shifted, MJD 52761.029 -> 53540.029; also moved: 3 ELEMENTS epochs", "twice");
    row("a shift after its undo is no double shift",
        "rewrite --shift +779,undo,rewrite --shift +779", 0, "1 file shifted by +779 days.",
        "shifted");
    row("history names the shift", "rewrite --shift +779,history", 0,
        "  rewrite (shift by +779 days)  1 file", "shifted");
    row("a shift's dry run foresees a read-only file", "lock,rewrite --shift +779 --dry-run", 1,
        "a.scn\" is read-only", "original");
    row("a shift in JSON: one object a file, then the counts", "rewrite --shift +779 --json", 0,
        "a.scn\",\"outcome\":\"shifted\",\"oldMjd\":51982.029,\"oldUtc\":\"2001-03-14T00:41:46Z\","
        "\"newMjd\":52761.029,\"newUtc\":\"2003-05-02T00:41:46Z\",\"moved\":[{\"kind\":"
        "\"ELEMENTS\",\"line\":43,\"before\":51544.5,\"after\":52323.5},",
        "shifted");
    row("a shift in JSON ends with the counts", "rewrite --shift +779 --json", 0,
        "\n{\"summary\":{\"shifted\":1,\"failed\":0,\"days\":779,\"dryRun\":false}}\n", "shifted");
}

void TestCli::undoAndHistory() {
    QFETCH(QStringList, steps);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, shows);
    QFETCH(QString, file);
    emptyJournal();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString scenario = folder.filePath(QStringLiteral("a.scn"));
    QVERIFY(copyFixture(kDockedAtIss, scenario));
    const QByteArray original = readBytes(scenario);
    const QByteArray edited = original + "BEGIN_SHIPS\r\nEND_SHIPS\r\n";

    Run last;
    for (const QString& step : steps) {
        QStringList arguments = step.split(u' ');
        if (step == QStringLiteral("edit")) {
            QVERIFY(writeBytes(scenario, edited));
            continue;
        }
        if (step == QStringLiteral("lock") || step == QStringLiteral("unlock")) {
            QVERIFY(QFile::setPermissions(scenario,
                                          step == QStringLiteral("lock")
                                              ? QFileDevice::ReadOwner
                                              : QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            continue;
        }
        if (arguments.first() == QStringLiteral("rewrite")) {
            if (!step.contains(QStringLiteral("--shift"))) {
                arguments << QStringLiteral("--mjd") << QStringLiteral("53005.5");
            }
            arguments << scenario;
        }
        last = run(arguments);
    }
    QCOMPARE(last.exitCode, exitCode);
    const QByteArray said = last.out + last.err;
    QVERIFY2(said.contains(shows), said.constData());
    const QByteArray now = readBytes(scenario);
    if (file == QStringLiteral("original")) {
        QCOMPARE(now, original);
    } else if (file == QStringLiteral("edited")) {
        QCOMPARE(now, edited);
    } else if (file == QStringLiteral("shifted") || file == QStringLiteral("twice")) {
        // The date and the vessels' epochs by the span; nothing else.
        const bool once = file == QStringLiteral("shifted");
        QByteArray expected = original;
        expected.replace("51544.5", once ? "52323.5" : "53102.5");
        const QByteArray dateLine =
            once ? "  Date MJD 52761.029     ; " : "  Date MJD 53540.029     ; ";
        const qsizetype at = now.indexOf(dateLine);
        QVERIFY(at >= 0);
        const qsizetype end = now.indexOf('\n', at);
        expected.replace("  Date MJD 51982.029", now.mid(at, end - at));
        QCOMPARE(now, expected);
    } else {
        QVERIFY(now.contains(kNewDateLine));
    }
}

// "." must never be taken for a group separator, whatever LANG says.
void TestCli::numbersReadAlikeInEveryLocale_data() {
    QTest::addColumn<QString>("locale");
    for (const char* locale : {"de_DE.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "nl_NL.UTF-8",
                               "pt_BR.UTF-8", "en_US.UTF-8"}) {
        QTest::newRow(locale) << QString::fromLatin1(locale);
    }
}

void TestCli::numbersReadAlikeInEveryLocale() {
    QFETCH(QString, locale);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("f.scn"));
    QVERIFY(writeBytes(file, "BEGIN_ENVIRONMENT\r\nDate MJD 1\r\n"));
    const Run rewrite =
        run({QStringLiteral("rewrite"), QStringLiteral("--mjd"), QStringLiteral("60000.5"), file},
            {}, {}, QStringLiteral("UTC"), locale);
    QCOMPARE(rewrite.exitCode, 0);
    QVERIFY2(readBytes(file).startsWith("BEGIN_ENVIRONMENT\r\n  Date MJD 60000.5     ; "),
             readBytes(file).constData());

    const Run batch =
        run({QStringLiteral("convert"), QStringLiteral("--batch"), QStringLiteral("--json")},
            "mjd 51544.5\njd 2453005.5\nmjd 53005,5\n", {}, QStringLiteral("UTC"), locale);
    QCOMPARE(batch.exitCode, 1);
    const QList<QByteArray> lines = batch.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(QJsonDocument::fromJson(lines[0]).object().value(QStringLiteral("jd")).toDouble(),
             2451545.0);
    QCOMPARE(QJsonDocument::fromJson(lines[1]).object().value(QStringLiteral("mjd")).toDouble(),
             53005.0);
    QVERIFY(QJsonDocument::fromJson(lines[2]).object().contains(QStringLiteral("error")));

    // The numbers of the text output read back in every locale too.
    const Run text =
        run({QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("51544.25")}, {},
            {}, QStringLiteral("UTC"), locale);
    QCOMPARE(text.exitCode, 0);
    QVERIFY2(text.out.endsWith("\nmjd\t51544.25\nepoch\t1999.9993155373\njd\t2451544.75\n"),
             text.out.constData());
}

// A reader that goes away must not stop the pass half-way: every file is
// rewritten, and the lost output makes the exit status 1.
void TestCli::closedPipeFinishesThePass() {
#ifdef Q_OS_WIN
    QSKIP("SIGPIPE and pipe(2) are POSIX");
#else
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("%1.scn").arg(i)),
                           "BEGIN_ENVIRONMENT\nDate MJD 1\n"));
    }
    int fds[2];
    QCOMPARE(::pipe(fds), 0);
    ::close(fds[0]);
    const int status = runRaw({"rewrite", "--mjd", "53005.5", folder.path().toStdString()}, fds[1]);
    ::close(fds[1]);
    QCOMPARE(status, 1);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(readBytes(folder.filePath(QStringLiteral("%1.scn").arg(i))),
                 "BEGIN_ENVIRONMENT\n" + kNewDateLine + "\n");
    }

    // A batch has nothing to finish for nobody: it stops, with status 1,
    // rather than convert the rest of its input.
    QTemporaryFile entries;
    QVERIFY(entries.open());
    QByteArray lines;
    for (int i = 0; i < 20000; ++i) {
        lines += "mjd 51544.5\n";
    }
    QCOMPARE(entries.write(lines), lines.size());
    QVERIFY(entries.flush() && entries.seek(0));
    QCOMPARE(::pipe(fds), 0);
    ::close(fds[0]);
    const int in = ::open(entries.fileName().toLocal8Bit().constData(), O_RDONLY);
    QVERIFY(in >= 0);
    QCOMPARE(runRaw({"convert", "--batch"}, fds[1], in), 1);
    ::close(fds[1]);
    QVERIFY(::lseek(in, 0, SEEK_CUR) < lines.size());
    ::close(in);
#endif
}

// Every line the program prints ends as the platform's text files do.
void TestCli::lineEnds() {
    const Run result =
        run({QStringLiteral("convert"), QStringLiteral("--mjd"), QStringLiteral("53005.5")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.rawOut.count('\n'), 4);
    QCOMPARE(result.rawOut.count(kLineEnd), 4);
    // No CR of its own elsewhere, and none doubled.
    QCOMPARE(result.rawOut.count('\r'), 4 * qsizetype(qstrlen(kLineEnd) - 1));
}

// A name that is not UTF-8 and holds a line end is found by its bytes and
// shown escaped, so it cannot split the report.
void TestCli::oddFileNames() {
#ifdef Q_OS_WIN
    QSKIP("names as raw bytes are POSIX; tst_windows_files passes a non-ASCII name");
#else
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string name = folder.path().toStdString() + "/bad\xff\n.scn";
    const int created = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(created >= 0);
    QCOMPARE(::write(created, "BEGIN_ENVIRONMENT\nDate MJD 1\n", 29), ssize_t(29));
    ::close(created);
    QTemporaryFile output;
    QVERIFY(output.open());
    QCOMPARE(runRaw({"rewrite", "--mjd", "53005.5", name}, output.handle()), 0);
    QFile written(QString::fromStdString(output.fileName().toStdString()));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray out = written.readAll();
    QVERIFY2(out.startsWith(QByteArray(QByteArray::fromStdString(folder.path().toStdString()) +
                                       "/bad\xff\\n.scn: rewritten, 1 date line\n")),
             out.constData());
    QFile scenario;
    const int fd = ::open(name.c_str(), O_RDONLY);
    QVERIFY(fd >= 0 && scenario.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(scenario.readAll(), "BEGIN_ENVIRONMENT\n" + kNewDateLine + "\n");
#endif
}

// A dry run says "would fail" for what the real run refuses.
void TestCli::dryRunForeseesRefusals() {
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    QVERIFY(QDir(tree.path()).mkdir(QStringLiteral("pass")));
    const QString pass = tree.filePath(QStringLiteral("pass"));
    // Not "nul.scn": NUL is a device name on Windows.
    QVERIFY(writeBytes(pass + QStringLiteral("/zero.scn"), QByteArray("Date MJD 1\n\0", 12)));
    QVERIFY(writeBytes(pass + QStringLiteral("/big.scn"), "Date MJD 1\n"));
    QVERIFY(QFile::resize(pass + QStringLiteral("/big.scn"), 17 * 1024 * 1024));
    QVERIFY(writeBytes(tree.filePath(QStringLiteral("elsewhere.txt")), "Date MJD 1\n"));
    QStringList refused{QStringLiteral("/zero.scn"), QStringLiteral("/big.scn")};
#ifndef Q_OS_WIN // QFile::link makes a shell shortcut there, not a link
    QVERIFY(QFile::link(tree.filePath(QStringLiteral("elsewhere.txt")),
                        pass + QStringLiteral("/away.scn")));
    refused << QStringLiteral("/away.scn");
#endif
    QVERIFY(writeBytes(pass + QStringLiteral("/good.scn"), "BEGIN_ENVIRONMENT\nDate MJD 1\n"));

    for (const char* dryRun : {"--dry-run", ""}) {
        QStringList arguments{QStringLiteral("rewrite"), QStringLiteral("--mjd"),
                              QStringLiteral("53005.5"), pass};
        if (*dryRun != 0) {
            arguments << QLatin1String(dryRun);
        }
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 1);
        const QByteArray failed = *dryRun != 0 ? ": would fail\n" : ": failed\n";
        for (const QString& name : refused) {
            QVERIFY2(result.out.contains(QByteArray(pass.toUtf8() + name.toUtf8() + failed)),
                     result.out.constData());
        }
        QVERIFY(result.out.contains(
            QByteArray("good.scn: " + QByteArray(*dryRun != 0 ? "would be " : "") + "rewritten")));
    }
    QCOMPARE(readBytes(tree.filePath(QStringLiteral("elsewhere.txt"))), QByteArray("Date MJD 1\n"));
}

// Files written, left unchanged and failed are each counted and named so, in
// text and in JSON, and a dry run predicts the same; a temporary file that an
// interrupted run left is named once.
void TestCli::rewriteCounts_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<QByteArray>>("lines"); // JSON: path, outcome, dateLines, why
    const QList<QByteArray> text{printedPath("./a.scn") + ": rewritten, 1 date line",
                                 printedPath("./b.scn") + ": left unchanged, no date line",
                                 printedPath("./c.scn") + ": left unchanged, already at this date",
                                 printedPath("./d.scn") + ": failed",
                                 "1 file rewritten (1 date line), 2 left unchanged, 1 failed."};
    QTest::newRow("text") << QStringList() << text;
    QTest::newRow("dry run")
        << QStringList{QStringLiteral("--dry-run")}
        << QList<QByteArray>{printedPath("./a.scn") + ": would be rewritten, 1 date line",
                             "  line 2: -Date MJD 1",
                             "  line 2: +" + kNewDateLine,
                             printedPath("./b.scn") + ": would be left unchanged, no date line",
                             printedPath("./c.scn") +
                                 ": would be left unchanged, already at this date",
                             printedPath("./d.scn") + ": would fail",
                             "Dry run, nothing written: 1 file would be rewritten (1 date "
                             "line), 2 would be left unchanged, 1 would fail."};
    const QList<QByteArray> json{printedPath("./a.scn") + " written 1 ",
                                 printedPath("./b.scn") + " unchanged 0 no-date-line",
                                 printedPath("./c.scn") + " unchanged 1 already-at-date",
                                 printedPath("./d.scn") + " failed null read-only",
                                 "summary written 1 unchanged 2 failed 1 dateLines 1"};
    QTest::newRow("json") << QStringList{QStringLiteral("--json")} << json;
    QTest::newRow("json, dry run")
        << QStringList{QStringLiteral("--json"), QStringLiteral("--dry-run")} << json;
}

void TestCli::rewriteCounts() {
    QFETCH(QStringList, options);
    QFETCH(QList<QByteArray>, lines);
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    QVERIFY(writeBytes(tree.filePath(QStringLiteral("a.scn")), "BEGIN_ENVIRONMENT\nDate MJD 1\n"));
    QVERIFY(writeBytes(tree.filePath(QStringLiteral("b.scn")), "no date\n"));
    QVERIFY(writeBytes(tree.filePath(QStringLiteral("c.scn")),
                       "BEGIN_ENVIRONMENT\n" + kNewDateLine + "\n"));
    const QString locked = tree.filePath(QStringLiteral("d.scn"));
    QVERIFY(writeBytes(locked, "BEGIN_ENVIRONMENT\nDate MJD 1\n"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QVERIFY(writeBytes(tree.filePath(QStringLiteral(".zentadial-AbC123")), "half"));

    const Run result = run(QStringList{QStringLiteral("rewrite"), QStringLiteral("--mjd"),
                                       QStringLiteral("53005.5"), QStringLiteral(".")} +
                               options,
                           {}, tree.path());
    QCOMPARE(result.exitCode, 1);
    QList<QByteArray> shown = result.out.split('\n');
    QCOMPARE(shown.takeLast(), QByteArray());
    if (options.contains(QStringLiteral("--json"))) {
        for (QByteArray& line : shown) {
            QJsonParseError error{};
            const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            const QJsonObject summary = object.value(QStringLiteral("summary")).toObject();
            const auto value = [](const QJsonValue& v) {
                return v.isNull()     ? QByteArray("null")
                       : v.isDouble() ? QByteArray::number(v.toInt())
                                      : v.toString().toUtf8();
            };
            line = summary.isEmpty()
                       ? QByteArray(value(object.value(QStringLiteral("path"))) + " " +
                                    value(object.value(QStringLiteral("outcome"))) + " " +
                                    value(object.value(QStringLiteral("dateLines"))) + " " +
                                    value(object.value(QStringLiteral("unchanged"))) +
                                    value(object.value(QStringLiteral("failure"))))
                       : QByteArray(
                             "summary written " + value(summary.value(QStringLiteral("written"))) +
                             " unchanged " + value(summary.value(QStringLiteral("unchanged"))) +
                             " failed " + value(summary.value(QStringLiteral("failed"))) +
                             " dateLines " + value(summary.value(QStringLiteral("dateLines"))));
        }
    }
    QCOMPARE(shown, lines);
    QCOMPARE(result.err.count("d.scn"), 1);
    QCOMPARE(result.err.count(".zentadial-AbC123"), 1);
    QCOMPARE(readBytes(tree.filePath(QStringLiteral("a.scn"))),
             options.contains(QStringLiteral("--dry-run"))
                 ? QByteArray("BEGIN_ENVIRONMENT\nDate MJD 1\n")
                 : "BEGIN_ENVIRONMENT\n" + kNewDateLine + "\n");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

// --scale: the figures in that scale, the scale named in JSON and in the
// scenario line, and a note where the figure needs one.
void TestCli::timeScales_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QByteArray>("mjd");
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<QByteArray>("note");
    QTest::newRow("utc") << QStringLiteral("utc") << QByteArray("61383.5")
                         << QByteArray("12/9/2026 12:00:00 PM") << QByteArray();
    QTest::newRow("tdb") << QStringLiteral("tdb") << QByteArray("61383.5008007326")
                         << QByteArray("12/9/2026 12:00:00 PM UTC, MJD in TDB")
                         << QByteArray("no leap second after 2016");
    QTest::newRow("sim-now") << QStringLiteral("sim-now") << QByteArray("61383.5007660185")
                             << QByteArray("12/9/2026 12:00:00 PM UTC, MJD in UTC + 66.184 s")
                             << QByteArray();
}

void TestCli::timeScales() {
    QFETCH(QString, scale);
    QFETCH(QByteArray, mjd);
    QFETCH(QByteArray, comment);
    QFETCH(QByteArray, note);
    const QStringList date{QStringLiteral("--date"), QStringLiteral("12/9/2026 12:00:00 PM"),
                           QStringLiteral("--scale"), scale};
    const Run convert =
        run(QStringList{QStringLiteral("convert"), QStringLiteral("--json")} + date);
    QCOMPARE(convert.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(convert.out).object();
    QCOMPARE(object.value(QStringLiteral("scale")).toString(), scale);
    QVERIFY2(convert.out.contains(QByteArray("\"mjd\":" + mjd + ",")), convert.out.constData());
    QCOMPARE(convert.err.contains("note:"), !note.isEmpty());
    QVERIFY(convert.err.contains(note));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("a.scn"));
    QVERIFY(writeBytes(file, "BEGIN_ENVIRONMENT\r\nDate MJD 1\r\n"));
    const Run rewrite = run(QStringList{QStringLiteral("rewrite")} + date + QStringList{file});
    QCOMPARE(rewrite.exitCode, 0);
    QCOMPARE(readBytes(file),
             QByteArray("BEGIN_ENVIRONMENT\r\n  Date MJD " + mjd + "     ; " + comment + "\r\n"));
}

// What list shows of each file, and which folders a recursive pass enters:
// run in a made tree, each row's lines in order.
void TestCli::listAndSkipQuicksave_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<QByteArray>>("lines");
    const auto p = [](const char* path) { return printedPath(path); };
    QTest::newRow("plain MJD")
        << QStringList{QStringLiteral("list"), QStringLiteral("mjd.scn")}
        << QList<QByteArray>{"mjd.scn: MJD 53005.5 (1/1/2004 12:00:00 PM), line 2, Date MJD"};
    QTest::newRow("JD read as MJD")
        << QStringList{QStringLiteral("list"), QStringLiteral("jd.scn")}
        << QList<QByteArray>{"jd.scn: MJD 53005.5 (1/1/2004 12:00:00 PM), line 3, Date JD"};
    QTest::newRow("present moment, no number")
        << QStringList{QStringLiteral("list"), QStringLiteral("now.scn")}
        << QList<QByteArray>{"now.scn: present moment (its date lines hold no number)"};
    QTest::newRow("elements and launch")
        << QStringList{QStringLiteral("list"), QStringLiteral("notes.scn")}
        << QList<QByteArray>{
               "notes.scn: MJD 53005.5 (1/1/2004 12:00:00 PM), line 2, Date MJD",
               "  ELEMENTS: 2 vessels, epochs -5.5 to 0.5 days from the scenario's date",
               "  landed: 1 vessel", "  LAUNCH_MJD: line 12, MJD 53006, Pad"};
    QTest::newRow("checked-in scenario with ELEMENTS and landed vessels")
        << QStringList{QStringLiteral("list"), fixture(kDockedAtIss)}
        << QList<QByteArray>{
               fixture(kDockedAtIss).toUtf8() +
                   ": MJD 51982.029 (3/14/2001 12:41:46 AM), line 9, Date MJD",
               "  ELEMENTS: 3 vessels, epochs -437.529000000002 to -437.529000000002 days from "
               "the scenario's date",
               "  landed: 2 vessels"};
    QTest::newRow("a UTF-16 file is no text scenario")
        << QStringList{QStringLiteral("list"), QStringLiteral("mjd.scn"), QStringLiteral("u16.scn")}
        << QList<QByteArray>{"mjd.scn: MJD 53005.5 (1/1/2004 12:00:00 PM), line 2, Date MJD",
                             "u16.scn: failed"};
    QTest::newRow("tdb date read in its scale")
        << QStringList{QStringLiteral("list"), QStringLiteral("--scale"), QStringLiteral("tdb"),
                       QStringLiteral("mjd.scn")}
        << QList<QByteArray>{"mjd.scn: MJD 53005.5 (1/1/2004 11:58:56 AM), line 2, Date MJD"};
    QTest::newRow("json")
        << QStringList{QStringLiteral("list"), QStringLiteral("--json"),
                       QStringLiteral("notes.scn"), QStringLiteral("now.scn")}
        << QList<QByteArray>{
               "{\"path\":\"notes.scn\",\"scale\":\"utc\",\"presentMoment\":false,\"why\":null,"
               "\"mjd\":53005.5,\"date\":\"1/1/2004 12:00:00 PM\",\"utc\":"
               "\"2004-01-01T12:00:00Z\",\"line\":2,\"kind\":\"MJD\",\"elements\":2,"
               "\"elementsDays\":[0.5,-5.5],\"stateVectors\":0,\"landed\":1,\"addOns\":"
               "[{\"key\":\"LAUNCH_MJD\",\"line\":12,\"mjd\":53006,\"vessel\":\"Pad\"}],"
               "\"playback\":false}",
               "{\"path\":\"now.scn\",\"scale\":\"utc\",\"presentMoment\":true,\"why\":"
               "\"no-number\",\"mjd\":null,\"date\":null,\"utc\":null,\"line\":null,\"kind\":null,"
               "\"elements\":0,\"elementsDays\":[],\"stateVectors\":0,\"landed\":0,\"addOns\":[],"
               "\"playback\":false}"};
    QTest::newRow("recursive list skips Quicksave")
        << QStringList{QStringLiteral("list"), QStringLiteral("--recursive"), QStringLiteral("sub")}
        << QList<QByteArray>{p("sub/a.scn") + ": present moment (no date line)"};
    QTest::newRow("recursive list enters Quicksave when asked")
        << QStringList{QStringLiteral("list"), QStringLiteral("--recursive"),
                       QStringLiteral("--include-quicksave"), QStringLiteral("sub")}
        << QList<QByteArray>{p("sub/a.scn") + ": present moment (no date line)",
                             p("sub/QUICKSAVE/q.scn") + ": present moment (no date line)"};
    QTest::newRow("named Quicksave folder is listed")
        << QStringList{QStringLiteral("list"), QString::fromUtf8(p("sub/QUICKSAVE"))}
        << QList<QByteArray>{p("sub/QUICKSAVE/q.scn") + ": present moment (no date line)"};
    QTest::newRow("recursive rewrite skips Quicksave")
        << QStringList{QStringLiteral("rewrite"),   QStringLiteral("--mjd"),
                       QStringLiteral("53005.5"),   QStringLiteral("--recursive"),
                       QStringLiteral("--dry-run"), QStringLiteral("sub")}
        << QList<QByteArray>{p("sub/a.scn") + ": would be left unchanged, no date line",
                             "Dry run, nothing written: 0 files would be rewritten (0 date "
                             "lines), 1 would be left unchanged, 0 would fail."};
    QTest::newRow("rewrite names a file that started now")
        << QStringList{QStringLiteral("rewrite"), QStringLiteral("--mjd"),
                       QStringLiteral("53005.5"), QStringLiteral("now.scn")}
        << QList<QByteArray>{"now.scn: rewritten, 1 date line",
                             "  started at the present moment; now starts at 1/1/2004 12:00:00 PM",
                             "1 file rewritten (1 date line), 0 left unchanged, 0 failed."};
    QTest::newRow("rewrite json: dates before and after, and the notes")
        << QStringList{QStringLiteral("rewrite"),   QStringLiteral("--mjd"),
                       QStringLiteral("53006.5"),   QStringLiteral("--json"),
                       QStringLiteral("notes.scn"), QStringLiteral("mjd.scn")}
        << QList<QByteArray>{
               "{\"path\":\"notes.scn\",\"outcome\":\"written\",\"dateLines\":1,"
               "\"oldMjd\":53005.5,\"oldUtc\":\"2004-01-01T12:00:00Z\",\"newMjd\":53006.5,"
               "\"newUtc\":\"2004-01-02T12:00:00Z\",\"notes\":["
               "{\"kind\":\"ELEMENTS\",\"line\":6,\"value\":53006,\"vessel\":\"Sat\"},"
               "{\"kind\":\"ELEMENTS\",\"line\":9,\"value\":53000,\"vessel\":\"Old\"},"
               "{\"kind\":\"LAUNCH_MJD\",\"line\":12,\"value\":53006,\"vessel\":\"Pad\"},"
               "{\"kind\":\"landed\",\"line\":13,\"value\":null,\"vessel\":\"Pad\"}]}",
               "{\"path\":\"mjd.scn\",\"outcome\":\"written\",\"dateLines\":1,"
               "\"oldMjd\":53005.5,\"oldUtc\":\"2004-01-01T12:00:00Z\",\"newMjd\":53006.5,"
               "\"newUtc\":\"2004-01-02T12:00:00Z\",\"notes\":[]}",
               "{\"summary\":{\"written\":2,\"unchanged\":0,\"failed\":0,\"dateLines\":2,"
               "\"dryRun\":false}}"};
    QTest::newRow("rewrite json: present moment, dry run, instants in the scale")
        << QStringList{QStringLiteral("rewrite"),   QStringLiteral("--mjd"),
                       QStringLiteral("53005.5"),   QStringLiteral("--scale"),
                       QStringLiteral("tdb"),       QStringLiteral("--json"),
                       QStringLiteral("--dry-run"), QStringLiteral("now.scn"),
                       QStringLiteral("sub/a.scn")}
        << QList<QByteArray>{
               "{\"path\":\"now.scn\",\"outcome\":\"written\",\"dateLines\":1,"
               "\"oldMjd\":null,\"oldUtc\":null,\"newMjd\":53005.5,"
               "\"newUtc\":\"2004-01-01T11:58:56Z\",\"notes\":[]}",
               // A file named on the command line is printed as it was named.
               "{\"path\":\"sub/a.scn\",\"outcome\":\"unchanged\","
               "\"dateLines\":0,\"unchanged\":\"no-date-line\",\"oldMjd\":null,"
               "\"oldUtc\":null,\"newMjd\":null,\"newUtc\":null,\"notes\":[]}",
               "{\"summary\":{\"written\":1,\"unchanged\":1,\"failed\":0,\"dateLines\":1,"
               "\"dryRun\":true}}"};
}

void TestCli::listAndSkipQuicksave() {
    QFETCH(QStringList, arguments);
    QFETCH(QList<QByteArray>, lines);
    emptyJournal();
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    const auto made = [&tree](const char* name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(tree.filePath(QString::fromUtf8(name))).absolutePath());
        return writeBytes(tree.filePath(QString::fromUtf8(name)), bytes);
    };
    QVERIFY(made("mjd.scn", "BEGIN_ENVIRONMENT\nDate MJD 53005.5\nEND_ENVIRONMENT\n"));
    QVERIFY(made("jd.scn", "BEGIN_ENVIRONMENT\n  System Sol\n  Date JD 2453006\n"));
    QVERIFY(made("now.scn", "BEGIN_ENVIRONMENT\nDate MJD ; now\nEND_ENVIRONMENT\n"));
    QVERIFY(made("notes.scn", "BEGIN_ENVIRONMENT\nDate MJD 53005.5\nEND_ENVIRONMENT\n"
                              "BEGIN_SHIPS\nSat:Probe\n  ELEMENTS 6678 0 0 0 0 0 53006\nEND\n"
                              "Old:Probe\n  ELEMENTS 6678 0 0 0 0 0 53000\nEND\n"
                              "Pad:Launcher\n  LAUNCH_MJD 53006\n  STATUS Landed Earth\nEND\n"
                              "END_SHIPS\n"));
    QVERIFY(made("u16.scn", QByteArray("\xFF\xFE"
                                       "B\0E\0G\0I\0N\0_\0",
                                       14)));
    QVERIFY(made("sub/a.scn", "no date\n"));
    QVERIFY(made("sub/QUICKSAVE/q.scn", "no date\n"));
    const Run result = run(arguments, {}, tree.path());
    // A file that fails is named once more, on standard error.
    const bool fails = std::any_of(lines.begin(), lines.end(), [](const QByteArray& line) {
        return line.endsWith(": failed");
    });
    QCOMPARE(result.exitCode, fails ? 1 : 0);
    QList<QByteArray> shown = result.out.split('\n');
    QCOMPARE(shown.takeLast(), QByteArray());
    QCOMPARE(shown, lines);
    QCOMPARE(result.err.isEmpty(), !fails);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
