#include "converter/form1.h"
#include "converter/scale_box.h"
#include "help/form2.h"
#include "platform/path_text.h"
#include "scenario/folder_path.h"
#include "support/fake_seams.h"
#include "support/file_bytes.h"
#include "support/regional_forms.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

using namespace zentadial;
using namespace zentadial::test;

namespace {

struct Window {
    FakeDesktop desktop;
    std::unique_ptr<Form1> form;

    explicit Window(std::optional<StoredSettings> stored = std::nullopt,
                    CivilTime clock = {2004, 1, 1, 10, 0, 0}, double offsetHours = 0,
                    RegionalForm regionalForm = RegionalForm::englishUnitedStates()) {
        desktop.settings.stored = std::move(stored);
        desktop.clock.now = clock;
        desktop.clock.offsetHours = offsetHours;
        form = std::make_unique<Form1>(desktop.seams(), std::move(regionalForm));
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) {
            qWarning("the converter window did not become active");
        }
    }
    template <class T> void find(const char* name, T*& widget) const {
        widget = form->findChild<T*>(QString::fromLatin1(name));
        QVERIFY2(widget, name);
    }
    // A mistyped name fails the test, in every build; the exception ends the
    // test function before anything uses the missing control.
    template <class T = QLineEdit> T* get(const char* name) const {
        T* widget = nullptr;
        find(name, widget);
        if (widget == nullptr) {
            throw std::invalid_argument(name);
        }
        return widget;
    }
    QString text(const char* name) const { return get(name)->text(); }
    // Click into the field, select all, and type over it as a user would.
    void typeInto(const char* name, const QString& text) const {
        QLineEdit* edit = get(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, text);
        }
    }
    // Click into the date field, then press Tab until the field has the
    // focus, and type over its text (Tab selects it) as a user would.
    void tabInto(const char* name, const QString& text) const {
        QLineEdit* edit = get(name);
        QTest::mouseClick(get("txtDate"), Qt::LeftButton);
        for (int presses = 0; presses < 16 && QApplication::focusWidget() != edit; ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, text);
    }
};

QStringList fieldTexts(const Window& w) {
    return {w.text("txtDate"), w.text("txtMJD"), w.text("txtEpoch"), w.text("txtJulian")};
}

// A path given as the bytes the file libraries take (UTF-8 on Windows, any
// bytes on Linux), made and read without Qt, which cannot name a Linux
// file whose name is not UTF-8.
std::filesystem::path bytePath(const std::string& bytes) {
#ifdef Q_OS_WIN
    return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
#else
    return std::filesystem::path(bytes);
#endif
}

bool writeAt(const std::string& path, const std::string& bytes) {
    std::ofstream file(bytePath(path), std::ios::binary);
    file << bytes;
    return bool(file.flush());
}

std::string readAt(const std::string& path) {
    std::ifstream file(bytePath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void tabOrder();
    void opensWithSystemZone_data();
    void opensWithSystemZone();
    void opensWithPresentTime();
    void opensWithStoredZone();
    void fillsZoneList();
    void pastedNumbers_data();
    void pastedNumbers();
    void typingRecomputes_data();
    void typingRecomputes();
    void flagsGuardEveryEdit_data();
    void flagsGuardEveryEdit();
    void keyboardFocusActivates_data();
    void keyboardFocusActivates();
    void nowLeavesOnlyDateActive();
    void zoneOutOfRangeKeepsFields();
    void choosingZoneIsRemembered();
    void typedZone_data();
    void typedZone();
    void closingSavesStoredValues_data();
    void closingSavesStoredValues();
    void closingReportsSaveFailure_data();
    void closingReportsSaveFailure();
    void modesSwitch();
    void fileChoiceSetsStoredFolder_data();
    void fileChoiceSetsStoredFolder();
    void cancelledFileChoiceChangesNothing();
    void folderPickerClosingCopiesField();
    void convertFileRewritesDateLines_data();
    void convertFileRewritesDateLines();
    void convertFileReportsFailure();
    void convertRefusesFieldsThatDisagree_data();
    void convertRefusesFieldsThatDisagree();
    void convertFolderRewritesEveryScenario();
    void convertFolderRefusesEmptyFolder();
    void convertsPathsInAnyScript_data();
    void convertsPathsInAnyScript();
    void convertFileSaysWhatHappened_data();
    void convertFileSaysWhatHappened();
    void convertFolderGoesOnPastRefusedFiles();
    void helpOpensBesideTheWindow();
    void timeScaleRecomputesAndRewrites();
    void timeScaleRestored();
    void scaleNamedWhereShown_data();
    void scaleNamedWhereShown();
};

void TestForm1::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("large");
    // clang-format off
    QTest::newRow("Frame2") << "Frame2" << "Form1" << "Date (GMT)" << QRect(240, 240, 4575, 855) << true;
    QTest::newRow("txtDate") << "txtDate" << "Frame2" << "" << QRect(120, 360, 4215, 375) << true;
    QTest::newRow("Frame4") << "Frame4" << "Form1" << "MJD" << QRect(5160, 240, 4575, 855) << true;
    QTest::newRow("txtMJD") << "txtMJD" << "Frame4" << "" << QRect(120, 360, 4215, 375) << true;
    QTest::newRow("Frame6") << "Frame6" << "Form1" << "Julian Date" << QRect(240, 1200, 4575, 855) << true;
    QTest::newRow("txtJulian") << "txtJulian" << "Frame6" << "" << QRect(120, 360, 4215, 375) << true;
    QTest::newRow("Frame5") << "Frame5" << "Form1" << "Epoch" << QRect(5160, 1200, 4575, 855) << true;
    QTest::newRow("txtEpoch") << "txtEpoch" << "Frame5" << "" << QRect(120, 360, 4215, 375) << true;
    QTest::newRow("btnNow") << "btnNow" << "Form1" << "Now" << QRect(9960, 720, 975, 255) << false;
    QTest::newRow("Frame7") << "Frame7" << "Form1" << "Time Zone" << QRect(9840, 1080, 1215, 735) << false;
    QTest::newRow("Combo1") << "Combo1" << "Frame7" << "" << QRect(120, 240, 975, 315) << false;
    QTest::newRow("Frame3") << "Frame3" << "Form1" << "File to Convert:" << QRect(240, 2520, 9255, 1335) << true;
    QTest::newRow("txtFile") << "txtFile" << "Frame3" << "" << QRect(120, 360, 9015, 375) << true;
    QTest::newRow("Command3") << "Command3" << "Frame3" << "Change" << QRect(120, 840, 1335, 330) << true;
    QTest::newRow("Frame1") << "Frame1" << "Form1" << "Folder to Convert:" << QRect(240, 4080, 9255, 1335) << true;
    QTest::newRow("txtFolder") << "txtFolder" << "Frame1" << "" << QRect(120, 360, 9015, 375) << true;
    QTest::newRow("Command2") << "Command2" << "Frame1" << "Change" << QRect(120, 840, 1335, 375) << true;
    QTest::newRow("Option1") << "Option1" << "Form1" << "Convert single file" << QRect(9600, 2880, 1455, 855) << true;
    QTest::newRow("Option2") << "Option2" << "Form1" << "Convert Entire Folder" << QRect(9600, 4440, 1455, 975) << true;
    QTest::newRow("cmdFolder") << "cmdFolder" << "Form1" << "Convert Folder" << QRect(2880, 5520, 2055, 495) << true;
    QTest::newRow("cmdFile") << "cmdFile" << "Form1" << "Convert File" << QRect(4920, 5520, 2055, 495) << true;
    QTest::newRow("Command1") << "Command1" << "Form1" << "Help" << QRect(7800, 5520, 1215, 495) << false;
    QTest::newRow("Frame8") << "Frame8" << "Form1" << "Scale" << QRect(9840, 1920, 1215, 735) << false;
    QTest::newRow("Combo2") << "Combo2" << "Frame8" << "" << QRect(120, 240, 975, 315) << false;
    QTest::newRow("cmdPreview") << "cmdPreview" << "Form1" << "Preview\u2026" << QRect(9120, 5520, 1935, 495) << true;
    QTest::newRow("cmdUndo") << "cmdUndo" << "Form1" << "Undo Last Conversion" << QRect(240, 5520, 2520, 495) << false;
    // clang-format on
}

void TestForm1::layout() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(bool, large);
    Window w;
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Zentadial"));
    auto* widget = w.form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(box->title(), caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), caption);
    }
    const double scale = w.form->logicalDpiX() / 1440.0;
    const QRect expected(qRound(twips.x() * scale), qRound(twips.y() * scale),
                         qRound(twips.width() * scale), qRound(twips.height() * scale));
    QCOMPARE(widget->geometry(), expected);
    QCOMPARE(widget->font().pointSizeF() == 12.0, large);
}

void TestForm1::tabOrder() {
    Window w;
    // Hidden and disabled controls are passed over, as the keyboard does.
    const QStringList expected = {"txtDate",    "txtFile",   "Command3", "Option1", "txtMJD",
                                  "txtEpoch",   "txtJulian", "cmdUndo",  "cmdFile", "Command1",
                                  "cmdPreview", "btnNow",    "Combo1",   "Combo2"};
    QTRY_COMPARE(QApplication::focusWidget(), w.get<QWidget>("txtDate"));
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

// With no zone stored, the zone text is the system's offset, so the date
// field shows GMT, not the local time; nothing is stored until chosen.
void TestForm1::opensWithSystemZone_data() {
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("date");
    QTest::newRow("GMT") << 0.0 << QStringLiteral(" 0") << QStringLiteral("1/1/2004 10:00:00 AM");
    QTest::newRow("California") << -8.0 << QStringLiteral("-8")
                                << QStringLiteral("1/1/2004 6:00:00 PM");
    QTest::newRow("India") << 5.5 << QStringLiteral(" 5.5")
                           << QStringLiteral("1/1/2004 4:30:00 AM");
}

void TestForm1::opensWithSystemZone() {
    QFETCH(double, offset);
    QFETCH(QString, zone);
    QFETCH(QString, date);
    Window w(std::nullopt, {2004, 1, 1, 10, 0, 0}, offset);
    QCOMPARE(w.get<QComboBox>("Combo1")->currentText(), zone);
    QCOMPARE(w.text("txtDate"), date);
    QCOMPARE(w.form->storedTimeZone(), QString());
    w.form->close();
    QCOMPARE(w.desktop.settings.saved.size(), 1);
    QCOMPARE(w.desktop.settings.saved[0].timeZone, std::string());
}

void TestForm1::opensWithPresentTime() {
    Window w;
    QCOMPARE(fieldTexts(w), (QStringList{"1/1/2004 10:00:00 AM", "53005.4166666667",
                                         "2003.99977184577", "2453005.91666667"}));
    QCOMPARE(w.text("txtFolder"), QString());
    QCOMPARE(w.desktop.fileChooser.initialFolder, QString());
    // The date field is the active one.
    w.get("txtDate")->setText(QStringLiteral("1/1/2004 6:00:00 PM"));
    QCOMPARE(w.text("txtMJD"), QStringLiteral("53005.75"));
}

void TestForm1::opensWithStoredZone() {
    Window w(StoredSettings{"/home/pilot/Scenarios", "-8"});
    QCOMPARE(w.get<QComboBox>("Combo1")->currentText(), QStringLiteral("-8"));
    QCOMPARE(w.text("txtDate"), QStringLiteral("1/1/2004 6:00:00 PM"));
    QCOMPARE(w.text("txtMJD"), QStringLiteral("53005.75"));
    QCOMPARE(w.text("txtFolder"), QStringLiteral("/home/pilot/Scenarios"));
    QCOMPARE(w.desktop.fileChooser.initialFolder, QStringLiteral("/home/pilot/Scenarios"));
    QCOMPARE(w.form->storedTimeZone(), QStringLiteral("-8"));
}

void TestForm1::fillsZoneList() {
    Window w;
    auto* combo = w.get<QComboBox>("Combo1");
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
        entries.append(combo->itemText(i));
    }
    QCOMPARE(entries, (QStringList{" 0", "-1",  "-2",  "-3",  "-4",  "-5",  "-6",  "-7", "-8",
                                   "-9", "-10", "-11", "-12", " 12", " 11", " 10", " 9", " 8",
                                   " 7", " 6",  " 5",  " 4",  " 3",  " 2",  " 1",  " 0"}));
    QVERIFY(combo->isEditable());
}

void TestForm1::typingRecomputes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("fields");
    // clang-format off
    QTest::newRow("MJD of J2000") << "txtMJD" << "51544.5"
        << QStringList{"1/1/2000 12:00:00 PM", "51544.5", "2000", "2451545"};
    QTest::newRow("epoch 2004") << "txtEpoch" << "2004"
        << QStringList{"1/1/2004 12:00:00 PM", "53005.5", "2004", "2453006"};
    QTest::newRow("cleared JD") << "txtJulian" << ""
        << QStringList{"", "-2400000.5", "-4711.96440793977", ""};
    QTest::newRow("cleared epoch") << "txtEpoch" << ""
        << QStringList{"", "-678955.5", "", "1721045"};
    QTest::newRow("date not a date") << "txtDate" << "abc" << QStringList{"abc", "", "", ""};
    QTest::newRow("cleared MJD") << "txtMJD" << "" << QStringList{"", "", "", "2400000.5"};
    QTest::newRow("JD trailing letter") << "txtJulian" << "2453005.5x"
        << QStringList{"1/1/2004", "53005", "2003.99863107461", "2453005.5x"};
    QTest::newRow("MJD trailing letter") << "txtMJD" << "53005x"
        << QStringList{"", "53005x", "", "2400000.5"};
    QTest::newRow("typed date kept") << "txtDate" << "1/1/2004 6:00:00 PM"
        << QStringList{"1/1/2004 6:00:00 PM", "53005.75", "2004.0006844627", "2453006.25"};
    // clang-format on
}

// A number copied from a scenario file or a spreadsheet reads as itself in
// every form: "." is a decimal point, blanks around it are blanks.
void TestForm1::pastedNumbers_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("fields");
    // clang-format off
    QTest::newRow("scenario MJD in a German form") << true << "txtMJD" << "51982.5"
        << QStringList{"14.03.2001 12:00:00", "51982.5", "2001,19917864476", "2451983"};
    QTest::newRow("JD with a point in a German form") << true << "txtJulian" << "2453006.25"
        << QStringList{"01.01.2004 18:00:00", "53005,75", "2004,0006844627", "2453006.25"};
    QTest::newRow("points as groups are no number") << true << "txtMJD" << "51.982,5"
        << QStringList{"", "51.982,5", "", "2400000,5"};
    QTest::newRow("no-break space before") << false << "txtMJD" << QStringLiteral("\u00A053005.5")
        << QStringList{"1/1/2004 12:00:00 PM", QStringLiteral("\u00A053005.5"), "2004", "2453006"};
    // clang-format on
}

void TestForm1::pastedNumbers() {
    QFETCH(bool, german);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, fields);
    const RegionalForm form = german ? test::germanForm() : RegionalForm::englishUnitedStates();
    Window w(std::nullopt, {2004, 1, 1, 10, 0, 0}, 0, form);
    w.typeInto(field.toLatin1().constData(), typed);
    QCOMPARE(fieldTexts(w), fields);
}

void TestForm1::typingRecomputes() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, fields);
    Window w;
    w.typeInto(field.toLatin1().constData(), typed);
    QCOMPARE(fieldTexts(w), fields);
}

// The active-field flags are the only guard against a recompute running
// inside another: after any two clicks, one key in the field clicked last
// changes each other field exactly once (twice where a date that is no date
// first writes its figures, then empties them).
void TestForm1::flagsGuardEveryEdit_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QList<int>>("changes"); // date, MJD, Epoch, Julian
    const QStringList fields{"txtDate", "txtMJD", "txtEpoch", "txtJulian"};
    for (const QString& before : fields) {
        for (const QString& now : fields) {
            const QList<int> changes =
                now == QStringLiteral("txtDate") ? QList<int>{1, 2, 2, 2} : QList<int>{1, 1, 1, 1};
            QTest::addRow("%s then %s", qPrintable(before), qPrintable(now))
                << before << now << changes;
        }
    }
}

void TestForm1::flagsGuardEveryEdit() {
    QFETCH(QString, before);
    QFETCH(QString, now);
    QFETCH(QList<int>, changes);
    Window w;
    QTest::mouseClick(w.get(before.toLatin1().constData()), Qt::LeftButton);
    QLineEdit* edit = w.get(now.toLatin1().constData());
    QTest::mouseClick(edit, Qt::LeftButton);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : {"txtDate", "txtMJD", "txtEpoch", "txtJulian"}) {
        spies.push_back(std::make_unique<QSignalSpy>(w.get(name), &QLineEdit::textChanged));
    }
    // Backspace at the end leaves "1/1/2004 10:00:00 A", which is no date; a
    // "1" in front of a number keeps it a number and moves every other field.
    if (now == QStringLiteral("txtDate")) {
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        edit->home(false);
        QTest::keyClick(edit, Qt::Key_1);
    }
    QList<int> counted;
    for (const auto& spy : spies) {
        counted.append(int(spy->count()));
    }
    QCOMPARE(counted, changes);
}

// A field reached with the keyboard becomes the active one, as a click makes
// it: typing there moves the other three.
void TestForm1::keyboardFocusActivates_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("from"); // the control that has the focus then, if not that field
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("reached");
    QTest::addColumn<QString>("typed");
    const QString none;
    // clang-format off
    QTest::newRow("Tab from MJD to Epoch") << "txtMJD" << none << int(Qt::Key_Tab) << "txtEpoch"
                                           << "2000";
    QTest::newRow("Tab from Epoch to JD") << "txtEpoch" << none << int(Qt::Key_Tab) << "txtJulian"
                                          << "2451545";
    QTest::newRow("Backtab from Epoch to MJD") << "txtEpoch" << none << int(Qt::Key_Backtab)
                                               << "txtMJD" << "51544.5";
    QTest::newRow("Tab from an option to MJD") << "txtDate" << "Option1" << int(Qt::Key_Tab)
                                               << "txtMJD" << "51544.5";
    QTest::newRow("Backtab from JD to Epoch") << "txtJulian" << none << int(Qt::Key_Backtab)
                                              << "txtEpoch" << "2000";
    // clang-format on
}

void TestForm1::keyboardFocusActivates() {
    QFETCH(QString, clicked);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, reached);
    QFETCH(QString, typed);
    Window w;
    QTest::mouseClick(w.get(clicked.toLatin1().constData()), Qt::LeftButton);
    if (!from.isEmpty()) {
        w.get<QWidget>(from.toLatin1().constData())->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), w.get<QWidget>(reached.toLatin1().constData()));
    // The keyboard focus selects the field's text, so typing replaces it.
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(fieldTexts(w), (QStringList{"1/1/2000 12:00:00 PM", "51544.5", "2000", "2451545"}));
}

void TestForm1::nowLeavesOnlyDateActive() {
    Window w;
    w.typeInto("txtMJD", QStringLiteral("51544.5"));
    QTest::mouseClick(w.get<QPushButton>("btnNow"), Qt::LeftButton);
    QCOMPARE(w.text("txtDate"), QStringLiteral("1/1/2004 10:00:00 AM"));
    const QStringList afterNow = fieldTexts(w);
    // The MJD field was active before "Now"; an edit there no longer runs.
    w.get("txtMJD")->setText(QStringLiteral("1"));
    QStringList expected = afterNow;
    expected[1] = QStringLiteral("1");
    QCOMPARE(fieldTexts(w), expected);
}

void TestForm1::zoneOutOfRangeKeepsFields() {
    Window w;
    w.typeInto("txtMJD", QStringLiteral("51544.5"));
    const QStringList before = fieldTexts(w);
    w.get<QComboBox>("Combo1")->setEditText(QStringLiteral("1e9"));
    QTest::mouseClick(w.get<QPushButton>("btnNow"), Qt::LeftButton);
    QCOMPARE(fieldTexts(w), before);
}

void TestForm1::choosingZoneIsRemembered() {
    Window w;
    auto* combo = w.get<QComboBox>("Combo1");
    combo->setFocus();
    // Arrow keys choose an entry just as the mouse does.
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(w.form->storedTimeZone(), combo->currentText());
    combo->setCurrentIndex(20); // " 5": a program change is not a choice
    QCOMPARE(w.form->storedTimeZone(), combo->itemText(1));
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(w.form->storedTimeZone(), QStringLiteral(" 4"));
    w.form->close();
    QCOMPARE(w.desktop.settings.saved.size(), 1);
    QCOMPARE(QString::fromStdString(w.desktop.settings.saved[0].timeZone), QStringLiteral(" 4"));
}

// A typed offset is used and kept like a chosen one; other text is still
// read by its leading number but leaves the stored zone alone.
void TestForm1::typedZone_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("stored");
    QTest::newRow("whole hours") << "3"
                                 << "1/1/2004 7:00:00 AM"
                                 << "3";
    QTest::newRow("hours and minutes") << "5:30"
                                       << "1/1/2004 4:30:00 AM"
                                       << "5:30";
    QTest::newRow("west, hours and minutes") << "-3:30"
                                             << "1/1/2004 1:30:00 PM"
                                             << "-3:30";
    QTest::newRow("signed east") << "+5:45"
                                 << "1/1/2004 4:15:00 AM"
                                 << "+5:45";
    QTest::newRow("decimal hours") << "9.5"
                                   << "1/1/2004 12:30:00 AM"
                                   << "9.5";
    QTest::newRow("trailing letter, no offset") << "3x"
                                                << "1/1/2004 7:00:00 AM"
                                                << " 5";
    QTest::newRow("minutes beyond the hour") << "5:75"
                                             << "1/1/2004 5:00:00 AM"
                                             << " 5";
}

void TestForm1::typedZone() {
    QFETCH(QString, typed);
    QFETCH(QString, date);
    QFETCH(QString, stored);
    Window w(StoredSettings{"", " 5"});
    auto* combo = w.get<QComboBox>("Combo1");
    const int entries = combo->count();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), typed);
    QTest::mouseClick(w.get<QPushButton>("btnNow"), Qt::LeftButton);
    QCOMPARE(w.text("txtDate"), date);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->count(), entries);
    w.form->close();
    QCOMPARE(QString::fromStdString(w.desktop.settings.saved.at(0).timeZone), stored);
}

// What the settings held goes back byte for byte, a folder name in another
// encoding than UTF-8 included.
void TestForm1::closingSavesStoredValues_data() {
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("/srv/a") << QStringLiteral("/srv/a");
    QTest::newRow("UTF-8") << QByteArray("/srv/Szenarien f\xc3\xbcr J\xc3\xb6rg")
                           << QStringLiteral("/srv/Szenarien f\u00fcr J\u00f6rg");
    QTest::newRow("Latin-1") << QByteArray("/srv/Szenarien f\xfcr J\xf6rg")
                             << QStringLiteral("/srv/Szenarien f\u00fcr J\u00f6rg");
}

void TestForm1::closingSavesStoredValues() {
    QFETCH(QByteArray, folder);
    QFETCH(QString, shown);
    Window w(StoredSettings{folder.toStdString(), "-2"});
    QCOMPARE(w.text("txtFolder"), shown);
    // Typing into the folder field is not a choice of folder.
    w.get("txtFolder")->setText(QStringLiteral("/typed"));
    w.form->close();
    QCOMPARE(w.desktop.settings.saved.size(), 1);
    QCOMPARE(w.desktop.settings.saved[0], (StoredSettings{folder.toStdString(), "-2"}));
    QVERIFY(w.desktop.messages.shown.isEmpty());
}

// A failed save, or a settings file the store left alone, is said once.
void TestForm1::closingReportsSaveFailure_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("warning");
    QTest::newRow("not saved") << "The settings could not be saved to /x: denied"
                               << "";
    QTest::newRow("saved elsewhere") << ""
                                     << "The settings file /x is left alone: it is a link.";
}

void TestForm1::closingReportsSaveFailure() {
    QFETCH(QString, failure);
    QFETCH(QString, warning);
    Window w;
    w.desktop.settings.saveFailure = failure;
    w.desktop.settings.warning = warning;
    w.form->close();
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    QVERIFY(w.desktop.messages.shown[0].warning);
    QVERIFY(w.desktop.messages.shown[0].prompt.contains(QStringLiteral("/x")));
}

void TestForm1::modesSwitch() {
    Window w(StoredSettings{"/srv/stored", ""});
    w.get("txtFile")->setText(QStringLiteral("/srv/a.scn"));
    const auto states = [&w] {
        QStringList s;
        for (const char* name :
             {"Frame3", "txtFile", "Command3", "Frame1", "txtFolder", "Command2"}) {
            s.append(w.get<QWidget>(name)->isEnabled() ? QStringLiteral("on")
                                                       : QStringLiteral("off"));
        }
        s.append(w.get<QWidget>("cmdFolder")->isVisible() ? QStringLiteral("shown")
                                                          : QStringLiteral("hidden"));
        s.append(w.get<QWidget>("cmdFile")->isVisible() ? QStringLiteral("shown")
                                                        : QStringLiteral("hidden"));
        return s;
    };
    const QStringList single{"on", "on", "on", "off", "off", "off", "hidden", "shown"};
    const QStringList folder{"off", "off", "off", "on", "on", "on", "shown", "hidden"};
    QCOMPARE(states(), single);
    QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
    QVERIFY(w.get<QRadioButton>("Option2")->isChecked());
    QCOMPARE(states(), folder);
    QTest::mouseClick(w.get<QRadioButton>("Option1"), Qt::LeftButton);
    QCOMPARE(states(), single);
    QCOMPARE(w.text("txtFile"), QStringLiteral("/srv/a.scn"));
    QCOMPARE(w.text("txtFolder"), QStringLiteral("/srv/stored"));
}

void TestForm1::fileChoiceSetsStoredFolder_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("storedFolder");
#ifdef Q_OS_WIN
    QTest::newRow("nested") << "C:\\Orbiter\\Scenarios\\a.scn"
                            << "C:\\Orbiter\\Scenarios";
    // "C:" alone would be the current folder of drive C at the next start.
    QTest::newRow("at a drive root, the root") << "C:\\a.scn"
                                               << "C:\\";
    QTest::newRow("accented") << "C:\\Users\\José\\Käse\\a.scn"
                              << "C:\\Users\\José\\Käse";
#else
    QTest::newRow("nested") << "/home/pilot/Scenarios/a.scn"
                            << "/home/pilot/Scenarios";
    QTest::newRow("in the root keeps the root") << "/a.scn"
                                                << "/";
    QTest::newRow("name longer than its folder") << "/ab/long name.scn"
                                                 << "/ab";
#endif
    QTest::newRow("bare name keeps the folder") << "a"
                                                << "/previous";
}

void TestForm1::fileChoiceSetsStoredFolder() {
    QFETCH(QString, fileName);
    QFETCH(QString, storedFolder);
    Window w(StoredSettings{"/previous", ""});
    w.desktop.fileChooser.answer = ChosenFile{fileName};
    QTest::mouseClick(w.get<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(w.text("txtFile"), fileName);
    QCOMPARE(w.form->storedFolder(), storedFolder);
    QCOMPARE(w.text("txtFolder"), QStringLiteral("/previous"));
}

void TestForm1::cancelledFileChoiceChangesNothing() {
    Window w(StoredSettings{"/previous", ""});
    w.get("txtFile")->setText(QStringLiteral("/typed.scn"));
    QTest::mouseClick(w.get<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(w.desktop.fileChooser.openings, 1);
    QCOMPARE(w.text("txtFile"), QStringLiteral("/typed.scn"));
    QCOMPARE(w.form->storedFolder(), QStringLiteral("/previous"));
}

void TestForm1::folderPickerClosingCopiesField() {
    Window w(StoredSettings{"/previous", ""});
    QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
    w.desktop.fileChooser.answer = ChosenFile{QStringLiteral("/x/a.scn")};
    QTest::mouseClick(w.get<QRadioButton>("Option1"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(w.form->storedFolder(), QStringLiteral("/x"));
    // Cancelling the picker sets the stored folder back to the field.
    QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(w.form->storedFolder(), QStringLiteral("/previous"));
    w.desktop.folderPicker.answer = QStringLiteral("/chosen");
    QTest::mouseClick(w.get<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(w.text("txtFolder"), QStringLiteral("/chosen"));
    QCOMPARE(w.form->storedFolder(), QStringLiteral("/chosen"));
    QCOMPARE(w.desktop.folderPicker.seenAtOpening, (QStringList{"/previous", "/previous"}));
}

namespace {} // namespace

// The file gets the MJD the MJD field shows, exactly, and the date text.
void TestForm1::convertFileRewritesDateLines_data() {
    QTest::addColumn<bool>("tdb");
    QTest::addColumn<bool>("byTab");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("line");
    // clang-format off
    QTest::newRow("date typed") << false << false << "txtDate" << "1/1/2004 12:00:00 PM"
        << QByteArray("  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM");
    QTest::newRow("MJD reached by Tab") << false << true << "txtMJD" << "51000"
        << QByteArray("  Date MJD 51000     ; 7/6/1998");
    // The date text holds the second; the MJD is written as typed.
    QTest::newRow("MJD in TDB") << true << false << "txtMJD" << "60000.5"
        << QByteArray("  Date MJD 60000.5     ; 2/25/2023 11:58:51 AM UTC, MJD in TDB");
    QTest::newRow("TDB MJD in a leap second") << true << true << "txtMJD" << "57754.0007949531"
        << QByteArray("  Date MJD 57754.0007949531     ; 12/31/2016 11:59:59 PM UTC, MJD in TDB");
    // clang-format on
}

void TestForm1::convertFileRewritesDateLines() {
    QFETCH(bool, tdb);
    QFETCH(bool, byTab);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QString path = dir.filePath("a.scn");
    QVERIFY(
        test::writeBytes(path, "BEGIN_ENVIRONMENT\r\n  Date MJD 51982.5\r\nEND_ENVIRONMENT\r\n"));
    Window w(tdb ? std::optional(StoredSettings{"", "", "tdb"}) : std::nullopt);
    if (byTab) {
        w.tabInto(field.toLatin1().constData(), typed);
    } else {
        w.typeInto(field.toLatin1().constData(), typed);
    }
    w.get("txtFile")->setText(path);
    QTest::mouseClick(w.get<QPushButton>("cmdFile"), Qt::LeftButton);
    QCOMPARE(test::readBytes(path), "BEGIN_ENVIRONMENT\r\n" + line + "\r\nEND_ENVIRONMENT\r\n");
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    const Message& shown = w.desktop.messages.shown[0];
    QCOMPARE(shown.prompt, QStringLiteral("File Converted"));
    QCOMPARE(shown.title, QStringLiteral("Finished"));
    QVERIFY(!shown.warning);
    QVERIFY(!shown.detail.isEmpty());
}

void TestForm1::convertFileReportsFailure() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.scn");
    Window w;
    w.get("txtFile")->setText(path);
    QTest::mouseClick(w.get<QPushButton>("cmdFile"), Qt::LeftButton);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    QVERIFY(w.desktop.messages.shown[0].warning);
    QCOMPARE(w.desktop.messages.shown[0].title, QStringLiteral("Not Converted"));
    QVERIFY(w.desktop.messages.shown[0].prompt.contains(QStringLiteral("a.scn")));
}

// Fields that do not show one instant reach no file, in either pass, and the
// message says which field is at fault.
void TestForm1::convertRefusesFieldsThatDisagree_data() {
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("programEdit"); // set without the field being active
    QTest::addColumn<QString>("saying");
    // clang-format off
    QTest::newRow("JD letters, read as 0") << false << "txtJulian" << "abc" << false
        << "\"abc\" in the Julian Date field is not a number";
    QTest::newRow("JD letters, folder") << true << "txtJulian" << "abc" << false
        << "\"abc\" in the Julian Date field is not a number";
    QTest::newRow("date not a date") << false << "txtDate" << "not a date" << false
        << "\"not a date\" in the date field is not a date";
    QTest::newRow("MJD with a letter") << false << "txtMJD" << "53005x" << false
        << "\"53005x\" in the MJD field is not a number";
    QTest::newRow("MJD emptied") << false << "txtMJD" << "" << false
        << "the date field is empty";
    QTest::newRow("MJD past year 9999") << true << "txtMJD" << "3000000" << false
        << "the date field is empty";
    QTest::newRow("epoch changed alone") << false << "txtEpoch" << "1999" << true
        << "the Epoch field and the MJD field do not show the same instant";
    QTest::newRow("date a second on, alone") << false << "txtDate" << "1/1/2004 10:00:01 AM" << true
        << "the date field and the MJD field do not show the same instant";
    // clang-format on
}

void TestForm1::convertRefusesFieldsThatDisagree() {
    QFETCH(bool, folder);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, programEdit);
    QFETCH(QString, saying);
    QTemporaryDir dir;
    const QByteArray original("BEGIN_ENVIRONMENT\r\n  Date MJD 51982.5\r\n");
    QVERIFY(test::writeBytes(dir.filePath("a.scn"), original));
    Window w;
    if (programEdit) {
        // The Julian Date is the active field; the edit recomputes nothing.
        QTest::mouseClick(w.get("txtJulian"), Qt::LeftButton);
        w.get(field.toLatin1().constData())->setText(typed);
    } else {
        w.typeInto(field.toLatin1().constData(), typed);
    }
    if (folder) {
        QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
        w.get("txtFolder")->setText(dir.path());
        QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    } else {
        w.get("txtFile")->setText(dir.filePath("a.scn"));
        QTest::mouseClick(w.get<QPushButton>("cmdFile"), Qt::LeftButton);
    }
    QCOMPARE(test::readBytes(dir.filePath("a.scn")), original);
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    const Message& shown = w.desktop.messages.shown[0];
    QVERIFY(shown.warning);
    QCOMPARE(shown.title, QStringLiteral("Not Converted"));
    QVERIFY2(shown.prompt.contains(saying), qPrintable(shown.prompt));
}

void TestForm1::convertFolderRewritesEveryScenario() {
    QTemporaryDir dir;
    QVERIFY(test::writeBytes(dir.filePath("one.scn"), "BEGIN_ENVIRONMENT\nDate MJD 1\n"));
    QVERIFY(test::writeBytes(dir.filePath("TWO.SCN"), "BEGIN_ENVIRONMENT\r\n  Date MJD 2\r\n"));
    QVERIFY(test::writeBytes(dir.filePath("notes.txt"), "Date MJD 3\n"));
    Window w;
    w.typeInto("txtMJD", QStringLiteral("53005.5"));
    QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
    w.get("txtFolder")->setText(dir.path());
    QVERIFY(!w.get<QPushButton>("cmdFile")->isVisible());
    QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    QCOMPARE(test::readBytes(dir.filePath("one.scn")),
             QByteArray("BEGIN_ENVIRONMENT\n  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM\n"));
    QCOMPARE(test::readBytes(dir.filePath("TWO.SCN")),
             QByteArray("BEGIN_ENVIRONMENT\r\n  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM\r\n"));
    QCOMPARE(test::readBytes(dir.filePath("notes.txt")), QByteArray("Date MJD 3\n"));
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    QCOMPARE(w.desktop.messages.shown[0].prompt, QStringLiteral("Folder Converted"));
    QCOMPARE(w.desktop.messages.shown[0].title, QStringLiteral("Finished"));

    // Many files without a date line: a few in the box, all in its details.
    for (int i = 0; i < 8; ++i) {
        QVERIFY(test::writeBytes(dir.filePath(QStringLiteral("plain%1.scn").arg(i)), "x\n"));
    }
    QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    QCOMPARE(w.desktop.messages.shown.size(), 2);
    QVERIFY(w.desktop.messages.shown[1].detail.contains(QStringLiteral("and 3 more.")));
    QCOMPARE(w.desktop.messages.shown[1].details.count(QStringLiteral("/plain")), 8);
}

void TestForm1::convertFolderRefusesEmptyFolder() {
    Window w;
    QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    QVERIFY(w.desktop.messages.shown[0].warning);
}

// The window hands the file libraries the path's own bytes: UTF-8 for
// every script (the Win32 file system reads UTF-8, not the ANSI code page),
// and on Linux a folder name that is not UTF-8 at all, coming from the
// settings and going back into them unchanged.
void TestForm1::convertsPathsInAnyScript_data() {
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("wholeFolder");
    QTest::addColumn<bool>("fromSettings");
    const QByteArray accented = QStringLiteral("Käse José").toUtf8();
    const QByteArray japanese = QStringLiteral("シナリオ").toUtf8();
    // clang-format off
    QTest::newRow("accented file") << accented << QStringLiteral("Brücke.scn").toUtf8() << false << false;
    QTest::newRow("Japanese file") << japanese << QStringLiteral("月面着陸.scn").toUtf8() << false << false;
    QTest::newRow("accented folder") << accented << QStringLiteral("Brücke.scn").toUtf8() << true << false;
    QTest::newRow("Japanese folder") << japanese << QStringLiteral("月面着陸.scn").toUtf8() << true << false;
    QTest::newRow("Japanese folder from the settings") << japanese << QByteArray("a.scn") << true << true;
#ifndef Q_OS_WIN
    QTest::newRow("Latin-1 folder from the settings") << QByteArray("Szenarien f\xfcr J\xf6rg")
                                                      << QByteArray("a.scn") << true << true;
#endif
    // clang-format on
}

void TestForm1::convertsPathsInAnyScript() {
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, file);
    QFETCH(bool, wholeFolder);
    QFETCH(bool, fromSettings);
    QTemporaryDir dir;
    const std::string folderPath = joinPath(dir.path().toStdString(), folder.toStdString());
    const std::string filePath = joinPath(folderPath, file.toStdString());
    QVERIFY(std::filesystem::create_directory(bytePath(folderPath)));
    // Qt cannot name a folder whose name is not UTF-8, so it cannot remove it.
    const auto removeFolder =
        qScopeGuard([&] { std::filesystem::remove_all(bytePath(folderPath)); });
    QVERIFY(writeAt(filePath, "BEGIN_ENVIRONMENT\r\n  Date MJD 51982.5\r\nEND_ENVIRONMENT\r\n"));

    Window w(fromSettings ? std::optional(StoredSettings{folderPath, "0"}) : std::nullopt);
    w.typeInto("txtMJD", QStringLiteral("53005.5"));
    if (wholeFolder) {
        QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
        if (!fromSettings) {
            w.get("txtFolder")->setText(QDir::toNativeSeparators(pathFromUtf8(folderPath)));
        }
        QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    } else {
        w.get("txtFile")->setText(QDir::toNativeSeparators(pathFromUtf8(filePath)));
        QTest::mouseClick(w.get<QPushButton>("cmdFile"), Qt::LeftButton);
    }
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    QVERIFY2(!w.desktop.messages.shown[0].warning, qPrintable(w.desktop.messages.shown[0].prompt));
    QCOMPARE(readAt(filePath), std::string("BEGIN_ENVIRONMENT\r\n  Date MJD 53005.5     ; 1/1/2004 "
                                           "12:00:00 PM\r\nEND_ENVIRONMENT\r\n"));
    w.form->close();
    QCOMPARE(w.desktop.settings.saved.at(0).folder, fromSettings ? folderPath : std::string());
}

// "File Converted" only over a file that was written; the title stays.
void TestForm1::convertFileSaysWhatHappened_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("written");
    const QByteArray line =
        "BEGIN_ENVIRONMENT\r\n  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM\r\n";
    QTest::newRow("written") << QByteArray("BEGIN_ENVIRONMENT\r\nDate MJD 1\r\n") << false
                             << QStringLiteral("File Converted") << true;
    QTest::newRow("no date line") << QByteArray("BEGIN\r\n") << false
                                  << QStringLiteral("File Left Unchanged") << false;
    QTest::newRow("already at the date")
        << line << false << QStringLiteral("File Left Unchanged") << false;
    QTest::newRow("read-only") << QByteArray("BEGIN_ENVIRONMENT\r\nDate MJD 1\r\n") << true
                               << QStringLiteral("Not Converted") << false;
}

void TestForm1::convertFileSaysWhatHappened() {
    QFETCH(QByteArray, content);
    QFETCH(bool, readOnly);
    QFETCH(QString, prompt);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("a.scn");
    QVERIFY(test::writeBytes(path, content));
    if (readOnly) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    }
    Window w;
    w.typeInto("txtDate", QStringLiteral("1/1/2004 12:00:00 PM"));
    w.get("txtFile")->setText(path);
    QTest::mouseClick(w.get<QPushButton>("cmdFile"), Qt::LeftButton);
    QCOMPARE(test::readBytes(path) != content, written);
    QCOMPARE(w.desktop.messages.shown.size(), 1);
    const Message& shown = w.desktop.messages.shown[0];
    QCOMPARE(shown.warning, readOnly);
    QCOMPARE(readOnly ? shown.title : shown.prompt, prompt);
    if (!readOnly) {
        QCOMPARE(shown.title, QStringLiteral("Finished"));
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

// A refused file is named and the pass goes on; the counts say what the pass
// did, and a second pass with the same date writes nothing.
void TestForm1::convertFolderGoesOnPastRefusedFiles() {
    QTemporaryDir dir;
    for (const char* name : {"1.scn", "2.scn", "3.scn"}) {
        QVERIFY(
            test::writeBytes(dir.filePath(QLatin1String(name)), "BEGIN_ENVIRONMENT\nDate MJD 1\n"));
    }
    const QString locked = dir.filePath(QStringLiteral("2.scn"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner));
    Window w;
    w.typeInto("txtDate", QStringLiteral("1/1/2004 12:00:00 PM"));
    QTest::mouseClick(w.get<QRadioButton>("Option2"), Qt::LeftButton);
    w.get("txtFolder")->setText(dir.path());
    QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("cmdFolder"), Qt::LeftButton);
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    const QByteArray line = "BEGIN_ENVIRONMENT\n  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM\n";
    QCOMPARE(test::readBytes(dir.filePath(QStringLiteral("1.scn"))), line);
    QCOMPARE(test::readBytes(locked), QByteArray("BEGIN_ENVIRONMENT\nDate MJD 1\n"));
    QCOMPARE(test::readBytes(dir.filePath(QStringLiteral("3.scn"))), line);
    QCOMPARE(w.desktop.messages.shown.size(), 2);
    for (const Message& shown : w.desktop.messages.shown) {
        QVERIFY(!shown.warning);
        QCOMPARE(shown.title, QStringLiteral("Finished"));
        QCOMPARE(shown.prompt, QStringLiteral("Folder Partly Converted"));
        QVERIFY2(shown.details.contains(QStringLiteral("2.scn")), qPrintable(shown.details));
    }
    QVERIFY2(w.desktop.messages.shown[0].detail.startsWith(
                 QStringLiteral("2 files written (2 date lines), 0 left unchanged, 1 refused.")),
             qPrintable(w.desktop.messages.shown[0].detail));
    QVERIFY2(w.desktop.messages.shown[1].detail.startsWith(
                 QStringLiteral("0 files written (0 date lines), 2 left unchanged, 1 refused.")),
             qPrintable(w.desktop.messages.shown[1].detail));
}

void TestForm1::helpOpensBesideTheWindow() {
    Window w;
    QTest::mouseClick(w.get<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("Command1"), Qt::LeftButton);
    Form2* help = helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->parentWidget(), nullptr);
    // The text once: the six classic paragraphs (923 characters), then the added one.
    QCOMPARE(help->label()->text().size(), 923 + 3 + 279);
    // The converter stays usable while help is open.
    w.typeInto("txtMJD", QStringLiteral("51544.5"));
    QCOMPARE(w.text("txtEpoch"), QStringLiteral("2000"));
    w.form->close();
    QVERIFY(helpWindow());
    QVERIFY(helpWindow()->isVisible());
    helpWindow()->close();
}

// The scale changes the three numeric fields, never the date (civil UTC), is
// kept in the settings, and moves scenario files to the MJD in that scale,
// named in the comment.
void TestForm1::timeScaleRecomputesAndRewrites() {
    Window w(std::nullopt, {2026, 12, 9, 12, 0, 0});
    QCOMPARE(fieldTexts(w),
             (QStringList{"12/9/2026 12:00:00 PM", "61383.5", "2026.93771389459", "2461384"}));
    auto* scale = w.get<QComboBox>("Combo2");
    QCOMPARE(scale->currentText(), QStringLiteral("UTC"));
    scale->setFocus();
    QTest::keyClick(scale, Qt::Key_Down);
    QCOMPARE(scale->currentText(), QStringLiteral("TDB (simulator clock)"));
    QCOMPARE(fieldTexts(w), (QStringList{"12/9/2026 12:00:00 PM", "61383.5008007326",
                                         "2026.93771608688", "2461384.00080073"}));
    QVERIFY(w.get("txtMJD")->toolTip().contains(QStringLiteral("no leap second after 2016")));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.scn"));
    QVERIFY(test::writeBytes(file, "BEGIN_ENVIRONMENT\r\nDate MJD 1\r\n"));
    w.get("txtFile")->setText(file);
    QTest::mouseClick(w.get<QPushButton>("cmdFile"), Qt::LeftButton);
    QCOMPARE(
        test::readBytes(file),
        QByteArray(
            "BEGIN_ENVIRONMENT\r\n  Date MJD 61383.5008007326     ; 12/9/2026 12:00:00 PM UTC, "
            "MJD in TDB\r\n"));

    // Typing an MJD in TDB gives back the UTC date.
    w.typeInto("txtMJD", QStringLiteral("61383.5008007326"));
    QCOMPARE(w.text("txtDate"), QStringLiteral("12/9/2026 12:00:00 PM"));

    QTest::keyClick(scale, Qt::Key_Down);
    QCOMPARE(w.text("txtMJD"), QStringLiteral("61383.5007660185"));
    w.form->close();
    QCOMPARE(w.desktop.settings.saved.last().timeScale, std::string("sim-now"));
}

void TestForm1::timeScaleRestored() {
    Window w(StoredSettings{"", "0", "tdb"}, {2026, 12, 9, 12, 0, 0});
    QCOMPARE(w.get<QComboBox>("Combo2")->currentText(), QStringLiteral("TDB (simulator clock)"));
    QCOMPARE(w.text("txtMJD"), QStringLiteral("61383.5008007326"));
    // Back to UTC: the settings keep their two lines.
    QTest::keyClick(w.get<QComboBox>("Combo2"), Qt::Key_Up);
    QCOMPARE(w.text("txtMJD"), QStringLiteral("61383.5"));
    w.form->close();
    QCOMPARE(w.desktop.settings.saved.last(), (StoredSettings{"", "0"}));
}

// The closed scale box shows its whole choice, and outside UTC the numeric
// frames name the scale.
void TestForm1::scaleNamedWhereShown_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QStringList>("captions"); // MJD, Julian Date, Epoch
    QTest::newRow("UTC") << ""
                         << "UTC" << QStringList{"MJD", "Julian Date", "Epoch"};
    QTest::newRow("TDB") << "tdb"
                         << "TDB" << QStringList{"MJD (TDB)", "Julian Date (TDB)", "Epoch (TDB)"};
    QTest::newRow("simulator's now")
        << "sim-now"
        << "Sim." << QStringList{"MJD (Sim. Now)", "Julian Date (Sim. Now)", "Epoch (Sim. Now)"};
}

void TestForm1::scaleNamedWhereShown() {
    QFETCH(QString, key);
    QFETCH(QString, shortName);
    QFETCH(QStringList, captions);
    const auto shown = [](const Window& w) {
        return QStringList{w.get<QGroupBox>("Frame4")->title(), w.get<QGroupBox>("Frame6")->title(),
                           w.get<QGroupBox>("Frame5")->title()};
    };
    // Restored from the settings, and chosen from UTC.
    Window restored(StoredSettings{"", "0", key.toStdString()});
    auto* box = restored.get<ScaleBox>("Combo2");
    QCOMPARE(box->currentShortName(), shortName);
    QCOMPARE(shown(restored), captions);
    // Whole, in a font no smaller than can be read.
    const QFont font = box->shortNameFont();
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    QVERIFY2(QFontMetrics(font).horizontalAdvance(shortName) <= field.width(),
             qPrintable(QStringLiteral("%1 px in %2 px")
                            .arg(QFontMetrics(font).horizontalAdvance(shortName))
                            .arg(field.width())));
    QVERIFY(font.pointSizeF() >= 6.0);

    Window chosen;
    auto* fresh = chosen.get<ScaleBox>("Combo2");
    fresh->setFocus();
    QTest::keyClick(fresh, Qt::Key_Down);
    QTest::keyClick(fresh, Qt::Key_Up);
    for (int i = 0; i < fresh->count() && fresh->currentShortName() != shortName; ++i) {
        QTest::keyClick(fresh, Qt::Key_Down);
    }
    QCOMPARE(shown(chosen), captions);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
