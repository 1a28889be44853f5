#include "converter/form1.h"
#include "preview/preview.h"
#include "support/fake_seams.h"
#include "support/file_bytes.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace zentadial;
using namespace zentadial::test;

namespace {

const QByteArray kDated = "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n";
const QByteArray kPresent = "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD ;\nEND_ENVIRONMENT\n";
const QByteArray kUndated = "BEGIN_ENVIRONMENT\n  System Sol\nEND_ENVIRONMENT\n";
const QByteArray kJulian = "BEGIN_ENVIRONMENT\r\n  Date JD 2453006\r\nEND_ENVIRONMENT\r\n";
const QByteArray kVessels = kDated + "BEGIN_SHIPS\nISS:ProjectAlpha_ISS\n  STATUS Orbiting Earth\n"
                                     "  ELEMENTS 6778000 0.001 51.6 0 0 0 51534.5\nEND\n"
                                     "GL-01:DeltaGlider\n  STATUS Landed Earth\nEND\nEND_SHIPS\n";

// A folder of scenario files: "name=kind" each, kind one of dated, present,
// undated, julian, read-only (dated, no write permission).
void makeFiles(const QString& folder, const QStringList& files) {
    for (const QString& file : files) {
        const QString name = file.section(QLatin1Char('='), 0, 0);
        const QString kind = file.section(QLatin1Char('='), 1);
        const QString path = QDir(folder).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray bytes = kind == "present"   ? kPresent
                                 : kind == "undated" ? kUndated
                                 : kind == "julian"  ? kJulian
                                 : kind == "vessels" ? kVessels
                                                     : kDated;
        QVERIFY(writeBytes(path, bytes));
        if (kind == "read-only") {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        }
    }
}

// The converter window with the fake desktop, a journal of its own, and the
// preview it opens.
struct Converter {
    FakeDesktop desktop;
    QTemporaryDir journal;
    std::unique_ptr<Form1> form;

    Converter() {
        qputenv("ZENTADIAL_JOURNAL", journal.path().toUtf8());
        form = std::make_unique<Form1>(desktop.seams(), RegionalForm::englishUnitedStates());
        form->show();
    }
    ~Converter() { qunsetenv("ZENTADIAL_JOURNAL"); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    template <class T = QWidget> T* get(QObject* in, const char* name) const {
        auto* widget = in->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    template <class T = QWidget> T* get(const char* name) const { return get<T>(form.get(), name); }
    void click(QObject* in, const char* name) const {
        QTest::mouseClick(get<QPushButton>(in, name), Qt::LeftButton);
    }
    // Opens the preview on the folder, or on the file.
    Preview* openPreview(const QString& path, bool folder) const {
        if (folder) {
            QTest::mouseClick(get<QRadioButton>("Option2"), Qt::LeftButton);
            get<QLineEdit>("txtFolder")->setText(path);
        } else {
            get<QLineEdit>("txtFile")->setText(path);
        }
        click(form.get(), "cmdPreview");
        auto* preview = get<Preview>("Preview");
        if (!QTest::qWaitForWindowExposed(preview)) {
            qWarning("the preview was not shown");
        }
        return preview;
    }
    QTableView* table(Preview* preview) const { return get<QTableView>(preview, "tblFiles"); }
    void chooseScale(int index) const {
        auto* scales = get<QComboBox>("Combo2");
        scales->setCurrentIndex(index);
        Q_EMIT scales->activated(index);
    }
    QString field(const char* name) const { return get<QLineEdit>(name)->text(); }
};

// Each row as "name checked" or "name unchecked", then its starts-now text
// and its notes, when it has any.
QStringList rowsOf(QTableView* table) {
    const QAbstractItemModel* model = table->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const bool checked = model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
        rows.append(model->index(row, 0).data().toString() +
                    (checked ? QStringLiteral(" checked") : QStringLiteral(" unchecked")) +
                    QStringLiteral(" | ") + model->index(row, 1).data().toString());
        if (const QString notes = model->index(row, 3).data().toString(); !notes.isEmpty()) {
            rows.last() += QStringLiteral(" | ") + notes;
        }
    }
    return rows;
}

int rowNamed(QTableView* table, const QString& name) {
    const QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == name) {
            return row;
        }
    }
    return -1;
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsAndChecks_data();
    void listsAndChecks();
    void convertCheckedWritesOnlyChecked_data();
    void convertCheckedWritesOnlyChecked();
    void usingFileDate_data();
    void usingFileDate();
    void undoRestores_data();
    void undoRestores();
    void shiftKeepsDistances_data();
    void shiftKeepsDistances();
};

void TestPreview::listsAndChecks_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("subFolders");
    QTest::addColumn<QStringList>("rows");
    const QString date = QStringLiteral("1/1/2000 12:00:00 PM");
    QTest::newRow("one file") << QStringList{"a.scn=dated"} << false << false
                              << QStringList{"a.scn checked | " + date};
    QTest::newRow("a read-only file starts unchecked")
        << QStringList{"a.scn=dated", "b.scn=read-only"} << true << false
        << QStringList{"a.scn checked | " + date,
                       "b.scn unchecked | " + date +
                           " | The file \"<folder>/b.scn\" is read-only. It was left unchanged."};
    QTest::newRow("present moment and no date line stay checked")
        << QStringList{"p.scn=present", "u.scn=undated"} << true << false
        << QStringList{"p.scn checked | the present moment | its date line has no number: it "
                       "starts at the present moment",
                       "u.scn checked | the present moment | no date line: the simulator starts it "
                       "at the present moment; no date line: left as it is"};
    QTest::newRow("a JD line read as its MJD")
        << QStringList{"j.scn=julian"} << true << false
        << QStringList{
               "j.scn checked | 1/1/2004 12:00:00 PM | line 2 gives the date as a Julian Date"};
    QTest::newRow("what else a new date touches")
        << QStringList{"v.scn=vessels"} << true << false
        << QStringList{"v.scn checked | " + date +
                       " | vessels given by elements: 1, epochs up to 10.0 days from the date; "
                       "landed vessels: 1"};
    QTest::newRow("sub-folders off: one folder")
        << QStringList{"a.scn=dated", "Sub/b.scn=dated"} << true << false
        << QStringList{"a.scn checked | " + date};
    QTest::newRow("sub-folders on: the folders below too")
        << QStringList{"a.scn=dated", "Sub/b.scn=dated"} << true << true
        << QStringList{"a.scn checked | " + date, "Sub/b.scn checked | " + date};
}

void TestPreview::listsAndChecks() {
    QFETCH(QStringList, files);
    QFETCH(bool, folder);
    QFETCH(bool, subFolders);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    makeFiles(dir.path(), files);
    Converter c;
    Preview* preview =
        c.openPreview(folder ? dir.path() : QDir(dir.path()).filePath("a.scn"), folder);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Preview"));
    QVERIFY(preview->isVisible());
    auto* box = c.get<QAbstractButton>(preview, "chkSubfolders");
    QVERIFY(!box->isChecked());
    if (subFolders) {
        QTest::mouseClick(box, Qt::LeftButton);
    }
    rows.replaceInStrings(QStringLiteral("<folder>"), dir.path());
    QCOMPARE(rowsOf(c.table(preview)), rows);
    QVERIFY(c.desktop.messages.shown.isEmpty());
}

void TestPreview::convertCheckedWritesOnlyChecked_data() {
    QTest::addColumn<QStringList>("readOnly"); // these start unchecked
    QTest::addColumn<QStringList>("toggle");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("all checked") << QStringList{} << QStringList{}
                                 << QStringList{"a.scn", "b.scn", "c.scn"} << "Folder Converted";
    QTest::newRow("one unchecked") << QStringList{} << QStringList{"b.scn"}
                                   << QStringList{"a.scn", "c.scn"} << "Folder Converted";
    QTest::newRow("none checked") << QStringList{} << QStringList{"a.scn", "b.scn", "c.scn"}
                                  << QStringList{} << "No file is checked.";
    QTest::newRow("a refused file checked: the files after it are still written")
        << QStringList{"b.scn"} << QStringList{"b.scn"} << QStringList{"a.scn", "c.scn"}
        << "Folder Partly Converted";
    QTest::newRow("every checked file refused")
        << QStringList{"a.scn", "c.scn"} << QStringList{"a.scn", "b.scn", "c.scn"} << QStringList{}
        << "Folder Not Converted";
}

void TestPreview::convertCheckedWritesOnlyChecked() {
    QFETCH(QStringList, readOnly);
    QFETCH(QStringList, toggle);
    QFETCH(QStringList, written);
    QFETCH(QString, prompt);
    QTemporaryDir dir;
    QStringList files;
    for (const QString name : {"a.scn", "b.scn", "c.scn"}) {
        files.append(name + (readOnly.contains(name) ? "=read-only" : "=dated"));
    }
    makeFiles(dir.path(), files);
    Converter c;
    Preview* preview = c.openPreview(dir.path(), true);
    QTableView* table = c.table(preview);
    // By the keyboard alone: the arrows to the row, Space on it.
    table->setFocus();
    for (const QString& name : toggle) {
        table->setCurrentIndex(table->model()->index(rowNamed(table, name), 2));
        QTest::keyClick(table, Qt::Key_Space);
    }
    const QString mjd = c.field("txtMJD");
    c.click(preview, "cmdConvertChecked");
    for (const QString name : {"a.scn", "b.scn", "c.scn"}) {
        const QByteArray bytes = readBytes(QDir(dir.path()).filePath(name));
        const QByteArray line = "Date MJD " + mjd.toUtf8();
        QCOMPARE(bytes.contains(line), written.contains(name));
        QCOMPARE(bytes == kDated, !written.contains(name));
    }
    QCOMPARE(c.desktop.messages.shown.size(), 1);
    QCOMPARE(c.desktop.messages.shown.front().prompt, prompt);
    // Each refused file is named in the details.
    for (const QString& name : readOnly) {
        QVERIFY(c.desktop.messages.shown.front().details.contains(name));
    }
    // The table shows the files as they are now.
    for (const QString& row : rowsOf(table)) {
        const QString name = row.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(row.section(QStringLiteral(" | "), 1, 1),
                 written.contains(name) ? c.field("txtDate") : "1/1/2000 12:00:00 PM");
    }
    for (const QString& name : readOnly) {
        QVERIFY(QFile::setPermissions(QDir(dir.path()).filePath(name),
                                      QFile::ReadOwner | QFile::WriteOwner));
    }
}

void TestPreview::usingFileDate_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("typedDate"); // written first, through the converter
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("mjd");
    QTest::newRow("UTC, double-click") << 0 << QString() << false << "1/1/2000 12:00:00 PM"
                                       << "51544.5";
    QTest::newRow("UTC, Enter") << 0 << QString() << true << "1/1/2000 12:00:00 PM"
                                << "51544.5";
    QTest::newRow("written in TDB, read back in TDB")
        << 1 << "7/20/1969 8:17:40 PM" << true << "7/20/1969 8:17:40 PM" << QString();
    QTest::newRow("written in UTC, read back in the simulator's now")
        << 2 << "3/4/2021 5:06:07 AM" << false << "3/4/2021 5:05:01 AM" << QString();
}

void TestPreview::usingFileDate() {
    QFETCH(int, scale);
    QFETCH(QString, typedDate);
    QFETCH(bool, byEnter);
    QFETCH(QString, date);
    QFETCH(QString, mjd);
    QTemporaryDir dir;
    makeFiles(dir.path(), {"a.scn=dated"});
    const QString path = QDir(dir.path()).filePath("a.scn");
    Converter c;
    if (!typedDate.isEmpty()) {
        if (scale == 1) {
            c.chooseScale(scale);
        }
        auto* txtDate = c.get<QLineEdit>("txtDate");
        QTest::mouseClick(txtDate, Qt::LeftButton);
        txtDate->selectAll();
        QTest::keyClicks(txtDate, typedDate);
        c.get<QLineEdit>("txtFile")->setText(path);
        c.click(c.form.get(), "cmdFile");
        QCOMPARE(c.desktop.messages.shown.back().prompt, QStringLiteral("File Converted"));
    }
    c.chooseScale(scale);
    Preview* preview = c.openPreview(path, false);
    QTableView* table = c.table(preview);
    // Another date in the fields first, so that the file's must replace it.
    QTest::mouseClick(c.get<QPushButton>("btnNow"), Qt::LeftButton);
    const QModelIndex row = table->model()->index(0, 1);
    if (byEnter) {
        table->setFocus();
        table->setCurrentIndex(row);
        QTest::keyClick(table, Qt::Key_Return);
    } else {
        // As the system delivers one: press, release, a double-click press,
        // release.
        const QPoint cell = table->visualRect(row).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell);
    }
    QCOMPARE(c.field("txtDate"), date);
    if (!mjd.isEmpty()) {
        QCOMPARE(c.field("txtMJD"), mjd);
    }
    // The four fields show one instant: converting writes what they show.
    QVERIFY(c.form->dateLineToWrite().has_value());
}

void TestPreview::undoRestores_data() {
    QTest::addColumn<bool>("fromPreview");
    QTest::addColumn<bool>("editOne");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("the converter's undo") << false << false << "Conversion Undone";
    QTest::newRow("the preview's undo") << true << false << "Conversion Undone";
    QTest::newRow("a file changed since is named and left")
        << true << true << "Conversion Partly Undone";
}

void TestPreview::undoRestores() {
    QFETCH(bool, fromPreview);
    QFETCH(bool, editOne);
    QFETCH(QString, prompt);
    QTemporaryDir dir;
    makeFiles(dir.path(), {"a.scn=dated", "b.scn=julian"});
    const QString a = QDir(dir.path()).filePath("a.scn");
    const QString b = QDir(dir.path()).filePath("b.scn");
    Converter c;
    Preview* preview = c.openPreview(dir.path(), true);
    c.click(preview, "cmdConvertChecked");
    QVERIFY(readBytes(a) != kDated);
    QVERIFY(readBytes(b) != kJulian);
    const QByteArray edited = readBytes(b) + "; a note added since\r\n";
    if (editOne) {
        QVERIFY(writeBytes(b, edited));
    }
    c.click(fromPreview ? static_cast<QObject*>(preview) : c.form.get(), "cmdUndo");
    QCOMPARE(readBytes(a), kDated);
    QCOMPARE(readBytes(b), editOne ? edited : kJulian);
    const Message& said = c.desktop.messages.shown.back();
    QCOMPARE(said.prompt, prompt);
    QCOMPARE(said.detail.contains(b), editOne);
    // The preview shows the files as they are again.
    QCOMPARE(rowsOf(c.table(preview)).front(),
             QStringLiteral("a.scn checked | 1/1/2000 12:00:00 PM"));
}

namespace {

QByteArray missionFile(const QByteArray& mjd) {
    return "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD " + mjd +
           "\nEND_ENVIRONMENT\nBEGIN_SHIPS\nISS:ProjectAlpha_ISS\n  STATUS Orbiting Earth\n"
           "  ELEMENTS 6734919 0.0009 74.513 169.034 328.305 122.0 51544.5\nEND\nEND_SHIPS\n";
}

} // namespace

void TestPreview::shiftKeepsDistances_data() {
    QTest::addColumn<bool>("keepElements");
    QTest::addColumn<int>("passes");  // Convert Checked clicked this many times
    QTest::addColumn<bool>("answer"); // to the question before moving files again
    QTest::addColumn<QByteArray>("dateA");
    QTest::addColumn<QByteArray>("dateB");
    QTest::addColumn<QByteArray>("epoch");  // of a.scn's vessel
    QTest::addColumn<int>("scale");         // index in the converter's list
    QTest::addColumn<QByteArray>("suffix"); // after the date text in the comment
    QTest::newRow("the others keep their distance")
        << false << 1 << false << QByteArray("52323.5") << QByteArray("52324.25")
        << QByteArray("52323.5") << 0 << QByteArray();
    QTest::newRow("ELEMENTS epochs kept as asked")
        << true << 1 << false << QByteArray("52323.5") << QByteArray("52324.25")
        << QByteArray("51544.5") << 0 << QByteArray();
    QTest::newRow("moving again asks; No leaves the files")
        << false << 2 << false << QByteArray("52323.5") << QByteArray("52324.25")
        << QByteArray("52323.5") << 0 << QByteArray();
    QTest::newRow("moving again asks; Yes moves them once more")
        << false << 2 << true << QByteArray("53102.5") << QByteArray("53103.25")
        << QByteArray("53102.5") << 0 << QByteArray();
    QTest::newRow("in TDB the comment names the scale")
        << false << 1 << false << QByteArray("52323.5") << QByteArray("52324.25")
        << QByteArray("52323.5") << 1 << QByteArray(" UTC, MJD in TDB");
}

void TestPreview::shiftKeepsDistances() {
    QFETCH(bool, keepElements);
    QFETCH(int, passes);
    QFETCH(bool, answer);
    QFETCH(QByteArray, dateA);
    QFETCH(QByteArray, dateB);
    QFETCH(QByteArray, epoch);
    QFETCH(int, scale);
    QFETCH(QByteArray, suffix);
    QTemporaryDir dir;
    const QString a = QDir(dir.path()).filePath("a.scn");
    const QString b = QDir(dir.path()).filePath("b.scn");
    QVERIFY(writeBytes(a, missionFile("51544.5")));
    QVERIFY(writeBytes(b, missionFile("51545.25")));
    Converter c;
    c.desktop.messages.answer = answer;
    c.chooseScale(scale);
    Preview* preview = c.openPreview(dir.path(), true);
    QTableView* table = c.table(preview);
    auto* txtMJD = c.get<QLineEdit>("txtMJD");
    QTest::mouseClick(txtMJD, Qt::LeftButton);
    txtMJD->selectAll();
    QTest::keyClicks(txtMJD, QStringLiteral("52323.5"));
    QTest::mouseClick(c.get<QRadioButton>(preview, "optShift"), Qt::LeftButton);
    if (keepElements) {
        QTest::mouseClick(c.get<QCheckBox>(preview, "chkKeepElements"), Qt::LeftButton);
    }
    for (int pass = 0; pass < passes; ++pass) {
        if (pass == 1) {
            // The same span again: the date shown moves on by it too.
            QTest::mouseClick(txtMJD, Qt::LeftButton);
            txtMJD->selectAll();
            QTest::keyClicks(txtMJD, QStringLiteral("53102.5"));
        }
        table->setCurrentIndex(table->model()->index(rowNamed(table, "a.scn"), 0));
        // "Would start at" follows the choice: the selected file at the date
        // shown, the other as far from it as before.
        const QModelIndex other = table->model()->index(rowNamed(table, "b.scn"), 2);
        QCOMPARE(other.data().toString(), c.form->dateTextOf(51545.25 + 779 * (pass + 1)));
        c.click(preview, "cmdConvertChecked");
    }
    QVERIFY(readBytes(a).contains(QByteArray("  Date MJD " + dateA + "     ; ")));
    QVERIFY(readBytes(b).contains(QByteArray("  Date MJD " + dateB + "     ; ")));
    QVERIFY(readBytes(a).contains(QByteArray(" 122.0 " + epoch + "\n")));
    // The comment is the date text, then the scale as the window's own pass names it.
    const QByteArray dateLine = readBytes(a).split('\n').at(2);
    QVERIFY2(dateLine.endsWith(QByteArray(c.form->dateTextOf(dateA.toDouble()).toUtf8() + suffix)),
             dateLine.constData());
    const Message& last = c.desktop.messages.shown.back();
    QCOMPARE(last.question, passes == 2 && !answer);
    if (!last.question) {
        QCOMPARE(last.prompt, QStringLiteral("Files Moved"));
        QCOMPARE(last.detail, QStringLiteral("2 files moved."));
    }
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
