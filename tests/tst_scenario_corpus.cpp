// Real scenario files from the simulator and its add-ons: a rewrite may
// change the date lines and, where a file mixes or lacks line ends, those;
// nothing else. The new date line must read as the simulator reads it.

#include "scenario/scenario_rewrite.h"
#include "support/scenario_fixture.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <sstream>

using namespace zentadial;
using namespace scenario_fixture;

namespace {

struct SplitFile {
    QList<QByteArray> lines;
    bool allLf = false;
};

// An independent reading of the line rules, kept deliberately naive.
SplitFile split(const QByteArray& bytes) {
    SplitFile file;
    file.allLf = !bytes.contains('\r') && bytes.contains('\n');
    QByteArray normal = bytes;
    normal.replace("\r\n", "\n").replace('\r', '\n');
    if (normal.isEmpty()) {
        return file;
    }
    if (normal.endsWith('\n')) {
        normal.chop(1);
    }
    file.lines = normal.split('\n');
    return file;
}

// The simulator takes the keyword, "MJD" and a number, and ignores what
// follows the semicolon.
bool readsAsSimulatorDate(const QByteArray& line) {
    std::istringstream in(line.left(line.indexOf(';')).toStdString());
    std::string keyword, scale, number;
    if (!(in >> keyword >> scale >> number) || keyword != "Date" || scale != "MJD") {
        return false;
    }
    char* end = nullptr;
    std::strtod(number.c_str(), &end);
    std::string rest;
    return end == number.c_str() + number.size() && !(in >> rest);
}

QString fixtureRoot() {
    const QString data = qEnvironmentVariable("ZENTADIAL_TEST_DATA");
    return (data.isEmpty() ? QStringLiteral(ZENTADIAL_FIXTURE_DATA) : data) +
           QStringLiteral("/scenarios");
}

void addCorpusRows(const QString& root, const QString& tagPrefix) {
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.scn")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    files.sort();
    for (const QString& file : files) {
        const QString tag = tagPrefix + QDir(root).relativeFilePath(file);
        QTest::newRow(tag.toUtf8().constData()) << file;
    }
}

} // namespace

class TestScenarioCorpus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void corpus_data();
    void corpus();
};

void TestScenarioCorpus::corpus_data() {
    QTest::addColumn<QString>("source");
    addCorpusRows(fixtureRoot(), QStringLiteral("fixtures/"));
    const QString shared = QStringLiteral(ZENTADIAL_SHARED_SCENARIOS);
    if (QFileInfo(shared).isDir()) {
        addCorpusRows(shared, QStringLiteral("shared/"));
    }
}

void TestScenarioCorpus::corpus() {
    QFETCH(QString, source);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QFileInfo(source).fileName());
    const QByteArray original = readBytes(source);
    QVERIFY(writeBytes(copy, original));

    const auto result =
        rewriteScenarioFile(local(copy), kDateText, RegionalForm::englishUnitedStates());
    QVERIFY2(result, result ? "" : failureValues(result.error()).c_str());

    const SplitFile before = split(original);
    const QByteArray after = readBytes(copy);
    const QByteArray end = before.allLf ? "\n" : "\r\n";
    QByteArray expected;
    std::size_t dateLines = 0;
    for (const QByteArray& line : before.lines) {
        const bool dated = line.startsWith("  Date MJD") || line.startsWith("Date MJD");
        dateLines += dated;
        expected += (dated ? kDateLine : line) + end;
    }
    QCOMPARE(after, expected);
    QCOMPARE(result->dateLineCount, dateLines);
    QCOMPARE(result->lineCount, std::size_t(before.lines.size()));
    for (const QByteArray& line : split(after).lines) {
        if (line.startsWith("  Date MJD")) {
            QVERIFY2(readsAsSimulatorDate(line), line.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestScenarioCorpus)
#include "tst_scenario_corpus.moc"
