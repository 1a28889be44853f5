#include "picker/drive_list.h"
#include "picker/folder_list.h"
#include "picker/oopen.h"
#include "platform/path_text.h"
#include "support/recorded_messages.h"
#include "support/volume_root.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace zentadial;

namespace {

using zentadial::test::volumeRootOf;

// Worked out here rather than by the program's own conversion, so that a
// fault in it shows: 1440 twips to the inch, rounded to the nearest pixel.
QRect twipsRect(const QWidget* widget, int left, int top, int width, int height) {
    const double x = widget->logicalDpiX() / 1440.0;
    const double y = widget->logicalDpiY() / 1440.0;
    return {qRound(left * x), qRound(top * y), qRound(width * x), qRound(height * y)};
}

} // namespace

class TestOopen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void windowIsFixedAndTitled();
    void focusStartsOnFolderListAndTabsInOrder();
    void noButtonIsDefault();

    void startingFolder_data();
    void startingFolder();
    void select_data();
    void select();
    void selectAtRootKeepsSeparator();
    void leavingWithoutSelectWritesNothing_data();
    void leavingWithoutSelectWritesNothing();
    void escapeAndEnterPressNoButton_data();
    void escapeAndEnterPressNoButton();
    void reopeningStartsAfresh();

    void createThenSelect();
    void createAtRootAddsOneSeparator();
    void refusedNames_data();
    void refusedNames();
    void failedCreate_data();
    void failedCreate();

    void desktop_data();
    void desktop();
    void driveChange_data();
    void driveChange();

    void modalRoundTrip();

private:
    [[nodiscard]] QString at(const QString& relative) const { return root_ + relative; }
    std::unique_ptr<Oopen> open(const QStringList& volumes = {QStringLiteral("/")});
    template <typename T> T* control(Oopen& picker, const char* name) {
        return picker.findChild<T*>(QLatin1String(name));
    }
    void openEntry(Oopen& picker, const QString& folder);
    void clickEntry(Oopen& picker, const QString& folder);

    std::unique_ptr<QTemporaryDir> tmp_;
    QString root_;
    QString startDir_;
    QLineEdit txtFolder_;
    test::RecordedMessages messages_;
};

void TestOopen::initTestCase() {
    // The desktop is then $HOME/Desktop, whatever the user's own settings say.
    QStandardPaths::setTestModeEnabled(true);
    startDir_ = QDir::currentPath();
}

void TestOopen::init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    root_ = QFileInfo(tmp_->path()).canonicalFilePath();
    for (const char* folder : {"/cwd", "/start/one", "/start/two", "/vol/home/Desktop"}) {
        QVERIFY(QDir().mkpath(at(QLatin1String(folder))));
    }
    QVERIFY(QDir::setCurrent(at("/cwd")));
    qputenv("HOME", QFile::encodeName(at("/vol/home")));
    txtFolder_.setText(at("/start"));
    messages_.shown.clear();
}

void TestOopen::cleanup() {
    QDir::setCurrent(startDir_);
}

std::unique_ptr<Oopen> TestOopen::open(const QStringList& volumes) {
    auto picker =
        std::make_unique<Oopen>(txtFolder_, messages_, nullptr, [volumes] { return volumes; });
    picker->show();
    if (!QTest::qWaitForWindowExposed(picker.get())) {
        qWarning("picker not exposed");
    }
    return picker;
}

void TestOopen::openEntry(Oopen& picker, const QString& folder) {
    auto* list = control<FolderList>(picker, "Dir1");
    QTreeWidgetItem* item = list->itemFor(folder);
    QVERIFY2(item, qPrintable(folder));
    list->scrollToItem(item);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void TestOopen::clickEntry(Oopen& picker, const QString& folder) {
    auto* list = control<FolderList>(picker, "Dir1");
    QTreeWidgetItem* item = list->itemFor(folder);
    QVERIFY2(item, qPrintable(folder));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void TestOopen::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QList<int>>("twips");

    QTest::newRow("Dir1") << "Dir1"
                          << "zentadial::FolderList"
                          << ""
                          << "" << QList<int>{120, 720, 2895, 2340};
    QTest::newRow("Drive1") << "Drive1"
                            << "zentadial::DriveList"
                            << ""
                            << "" << QList<int>{120, 360, 2295, 315};
    QTest::newRow("Command1") << "Command1"
                              << "QPushButton"
                              << "Select"
                              << "Select the folder" << QList<int>{2280, 3240, 735, 495};
    QTest::newRow("Command2") << "Command2"
                              << "QPushButton"
                              << "Cancel"
                              << "" << QList<int>{2280, 3840, 735, 495};
    QTest::newRow("Command3") << "Command3"
                              << "QPushButton"
                              << ""
                              << "" << QList<int>{2640, 360, 300, 300};
    QTest::newRow("Frame1") << "Frame1"
                            << "QGroupBox"
                            << "Make Directory"
                            << "" << QList<int>{120, 3240, 1935, 1095};
    QTest::newRow("Text1") << "Text1"
                           << "QLineEdit"
                           << ""
                           << "" << QList<int>{120, 240, 1695, 285};
    QTest::newRow("Command4") << "Command4"
                              << "QPushButton"
                              << "Create"
                              << "" << QList<int>{120, 720, 1695, 255};
}

void TestOopen::controls() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QList<int>, twips);

    auto picker = open();
    auto* widget = picker->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QRect expected = twipsRect(widget, twips[0], twips[1], twips[2], twips[3]);
    // Where the system's font makes "Select" or "Cancel" wider than its box
    // (Wine's font does), both grow leftwards and the new-folder frame gives
    // up just as much; in the font of the Linux runs the English ones fit.
    auto* select = picker->findChild<QWidget*>(QStringLiteral("Command1"));
    const int extra = select->width() - twipsRect(select, 0, 0, 735, 0).width();
#ifndef Q_OS_WIN
    QCOMPARE(extra, 0);
#endif
    if (name == QLatin1String("Command1") || name == QLatin1String("Command2")) {
        expected.adjust(-extra, 0, 0, 0);
    } else if (name == QLatin1String("Frame1") || name == QLatin1String("Text1") ||
               name == QLatin1String("Command4")) {
        expected.setWidth(expected.width() - extra);
    }
    QCOMPARE(widget->geometry(), expected);
    QCOMPARE(widget->toolTip(), toolTip);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(frame->title(), caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->text(), caption);
    }
    // Text1 and Command4 are placed inside the frame, the others on the window.
    const bool inFrame = name == QLatin1String("Text1") || name == QLatin1String("Command4");
    QCOMPARE(widget->parentWidget()->objectName(),
             inFrame ? QStringLiteral("Frame1") : QStringLiteral("Oopen"));
}

void TestOopen::windowIsFixedAndTitled() {
    auto picker = open();
    QCOMPARE(picker->windowTitle(), QStringLiteral("Open"));
    QCOMPARE(picker->objectName(), QStringLiteral("Oopen"));
    const QRect client = twipsRect(picker.get(), 0, 0, 3285, 4515);
    QCOMPARE(picker->size(), client.size());
    QCOMPARE(picker->minimumSize(), picker->maximumSize());
    // The desktop button shows where it leads by its icon alone.
    QVERIFY(!control<QPushButton>(*picker, "Command3")->icon().isNull());
}

void TestOopen::focusStartsOnFolderListAndTabsInOrder() {
    auto picker = open();
    QApplication::setActiveWindow(picker.get());
    QVERIFY(QTest::qWaitForWindowActive(picker.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Dir1"));

    const QStringList order{"Drive1", "Command1", "Command2", "Command3",
                            "Text1",  "Command4", "Dir1"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void TestOopen::noButtonIsDefault() {
    auto picker = open();
    const QList<QPushButton*> buttons = picker->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 4);
    for (const QPushButton* button : buttons) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
}

void TestOopen::startingFolder_data() {
    QTest::addColumn<QString>("txtFolder"); // relative to the tree unless it starts with '!'
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("volumes");
    QTest::addColumn<QString>("drive");

    const QStringList rootOnly{"/"};
    QTest::newRow("existing folder") << "/start"
                                     << "/start" << rootOnly << "/";
    QTest::newRow("trailing separator") << "/start/one/"
                                        << "/start/one" << rootOnly << "/";
    QTest::newRow("empty field") << "!"
                                 << "/cwd" << rootOnly << "/";
    QTest::newRow("deleted folder") << "/start/gone"
                                    << "/cwd" << rootOnly << "/";
    QTest::newRow("not a folder") << "/file.txt"
                                  << "/cwd" << rootOnly << "/";
    // Setting the drive from code must not move the list to the drive's root.
    QTest::newRow("folder below a volume's root")
        << "/vol/home"
        << "/vol/home" << QStringList{"/", "/vol"} << "/vol";
    QTest::newRow("deleted folder, current folder on a volume")
        << "/vol/gone"
        << "/cwd" << QStringList{"/", "/cwd"} << "/cwd";
}

void TestOopen::startingFolder() {
    QFETCH(QString, txtFolder);
    QFETCH(QString, shown);
    QFETCH(QStringList, volumes);
    QFETCH(QString, drive);

    for (QString& volume : volumes) {
        if (volume != QLatin1String("/")) {
            volume.prepend(root_);
        }
    }
    if (drive != QLatin1String("/")) {
        drive.prepend(root_);
    }
    QFile file(at("/file.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    txtFolder_.setText(txtFolder == QLatin1String("!") ? QString() : at(txtFolder));

    auto picker = open(volumes);
    QCOMPARE(control<FolderList>(*picker, "Dir1")->path(), at(shown));
    QCOMPARE(control<DriveList>(*picker, "Drive1")->drive(), drive);
    QVERIFY(messages_.shown.isEmpty());
}

void TestOopen::select_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("no navigation") << ""
                                   << ""
                                   << ""
                                   << "/start";
    QTest::newRow("single click only highlights") << "/start/one"
                                                  << ""
                                                  << ""
                                                  << "/start";
    QTest::newRow("double click opens") << ""
                                        << "/start/two"
                                        << ""
                                        << "/start/two";
    QTest::newRow("opened, then its parent highlighted") << "/start"
                                                         << "/start/two"
                                                         << ""
                                                         << "/start/two";
    QTest::newRow("name typed, Create not pressed") << ""
                                                    << ""
                                                    << "new"
                                                    << "/start";
}

void TestOopen::select() {
    QFETCH(QString, clicked);
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    QFETCH(QString, written);

    auto picker = open();
    if (!opened.isEmpty()) {
        openEntry(*picker, at(opened));
    }
    if (!clicked.isEmpty()) {
        clickEntry(*picker, at(clicked));
    }
    if (QTest::currentTestFailed()) {
        return;
    }
    control<QLineEdit>(*picker, "Text1")->setText(typed);

    QTest::mouseClick(control<QPushButton>(*picker, "Command1"), Qt::LeftButton);
    QCOMPARE(txtFolder_.text(), nativeFolderText(at(written)));
    QCOMPARE(picker->result(), int(QDialog::Accepted));
    QVERIFY(!picker->isVisible());
    QVERIFY(!QFileInfo::exists(at("/start/new")));
}

// "/", or "c:\\" on Windows.
void TestOopen::selectAtRootKeepsSeparator() {
    const QString root = nativeFolderText(volumeRootOf(root_));
    txtFolder_.setText(root);
    auto picker = open({volumeRootOf(root_)});
    QTest::mouseClick(control<QPushButton>(*picker, "Command1"), Qt::LeftButton);
    QCOMPARE(txtFolder_.text(), root);
}

void TestOopen::leavingWithoutSelectWritesNothing_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title-bar close box") << true;
}

void TestOopen::leavingWithoutSelectWritesNothing() {
    QFETCH(bool, byCloseBox);
    const QString before = txtFolder_.text();
    auto picker = open();
    openEntry(*picker, at("/start/one"));
    control<QLineEdit>(*picker, "Text1")->setText(QStringLiteral("made"));
    QTest::mouseClick(control<QPushButton>(*picker, "Command4"), Qt::LeftButton);
    QCOMPARE(control<FolderList>(*picker, "Dir1")->path(), at("/start/one/made"));

    if (byCloseBox) {
        QVERIFY(picker->close());
    } else {
        QTest::mouseClick(control<QPushButton>(*picker, "Command2"), Qt::LeftButton);
    }
    QVERIFY(!picker->isVisible());
    QCOMPARE(picker->result(), int(QDialog::Rejected));
    QCOMPARE(txtFolder_.text(), before);
    QVERIFY(QFileInfo(at("/start/one/made")).isDir());
}

void TestOopen::escapeAndEnterPressNoButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");

    for (const char* name : {"Dir1", "Drive1", "Command1", "Command2", "Text1"}) {
        QTest::addRow("Escape on %s", name) << name << int(Qt::Key_Escape);
        QTest::addRow("Return on %s", name) << name << int(Qt::Key_Return);
        QTest::addRow("Enter on %s", name) << name << int(Qt::Key_Enter);
    }
}

void TestOopen::escapeAndEnterPressNoButton() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    const QString before = txtFolder_.text();
    auto picker = open();
    QApplication::setActiveWindow(picker.get());
    QVERIFY(QTest::qWaitForWindowActive(picker.get()));
    QWidget* target = picker->findChild<QWidget*>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->result(), 0);
    QCOMPARE(txtFolder_.text(), before);
}

void TestOopen::reopeningStartsAfresh() {
    {
        auto first = open();
        openEntry(*first, at("/start/two"));
        control<QLineEdit>(*first, "Text1")->setText(QStringLiteral("leftover"));
        QTest::mouseClick(control<QPushButton>(*first, "Command2"), Qt::LeftButton);
    }
    txtFolder_.setText(at("/start/one"));
    auto second = open();
    QVERIFY(control<QLineEdit>(*second, "Text1")->text().isEmpty());
    QCOMPARE(control<FolderList>(*second, "Dir1")->path(), at("/start/one"));
}

void TestOopen::createThenSelect() {
    auto picker = open();
    auto* text1 = control<QLineEdit>(*picker, "Text1");
#ifdef Q_OS_WIN
    const QString name = QStringLiteral(" spaced name"); // Windows drops trailing blanks
#else
    const QString name = QStringLiteral(" spaced name ");
#endif
    text1->setText(name);
    QTest::mouseClick(control<QPushButton>(*picker, "Command4"), Qt::LeftButton);

    // Nothing trimmed: the folder bears the name exactly as typed.
    const QString made = at("/start/" + name);
    QVERIFY(QFileInfo(made).isDir());
    QCOMPARE(control<FolderList>(*picker, "Dir1")->path(), made);
    QCOMPARE(text1->text(), name);
    QVERIFY(messages_.shown.isEmpty());

    QTest::mouseClick(control<QPushButton>(*picker, "Command1"), Qt::LeftButton);
    QCOMPARE(txtFolder_.text(), nativeFolderText(made));
}

// On Windows the join at "c:\\" holds two backslashes, which still names
// the folder in the root.
void TestOopen::createAtRootAddsOneSeparator() {
    const QString top = volumeRootOf(root_);
    if (!QFileInfo(top).isWritable()) {
        QSKIP("needs a writable root folder");
    }
    const QString name = QStringLiteral("zentadial-picker-") + QFileInfo(root_).fileName();
    const QString made = top + name;
    QVERIFY(!QFileInfo::exists(made));
    const auto removeIt = qScopeGuard([&] { QDir().rmdir(made); });

    txtFolder_.setText(nativeFolderText(top));
    auto picker = open({top});
    control<QLineEdit>(*picker, "Text1")->setText(name);
    QTest::mouseClick(control<QPushButton>(*picker, "Command4"), Qt::LeftButton);
    QVERIFY(QFileInfo(made).isDir());
    QTest::mouseClick(control<QPushButton>(*picker, "Command1"), Qt::LeftButton);
    QCOMPARE(txtFolder_.text(), nativeFolderText(made));
}

void TestOopen::refusedNames_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("nested name") << "a/b";
    QTest::newRow("absolute path") << "/abs";
    QTest::newRow("climbing out") << "../escape";
    QTest::newRow("trailing separator") << "name/";
    QTest::newRow("null character") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
}

void TestOopen::refusedNames() {
    QFETCH(QString, name);
    auto picker = open();
    auto* list = control<FolderList>(*picker, "Dir1");
    const QStringList shown = list->shownFolders();
    const QStringList onDisk =
        QDir(at("/start")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList aboveOnDisk = QDir(root_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    control<QLineEdit>(*picker, "Text1")->setText(name);
    QTest::mouseClick(control<QPushButton>(*picker, "Command4"), Qt::LeftButton);

    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown.first().title, QStringLiteral("Make Directory"));
    QVERIFY(!messages_.shown.first().prompt.isEmpty());
    QCOMPARE(QDir(at("/start")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), onDisk);
    QCOMPARE(QDir(root_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), aboveOnDisk);
    QVERIFY(!QFileInfo::exists(QStringLiteral("/abs")));
    QCOMPARE(list->path(), at("/start"));
    QCOMPARE(list->shownFolders(), shown);
    QVERIFY(picker->isVisible());
}

void TestOopen::failedCreate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("why");

    QTest::newRow("folder of that name exists") << "one"
                                                << "exists";
    QTest::newRow("file of that name exists") << "file.txt"
                                              << "exists";
    QTest::newRow("open folder deleted meanwhile") << "new"
                                                   << "deleted";
    QTest::newRow("no permission") << "new"
                                   << "read-only";
}

void TestOopen::failedCreate() {
    QFETCH(QString, name);
    QFETCH(QString, why);

    QFile file(at("/start/file.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    auto picker = open();
    auto* list = control<FolderList>(*picker, "Dir1");
    const QStringList shown = list->shownFolders();

    if (why == QLatin1String("deleted")) {
        QVERIFY(QDir(at("/start")).removeRecursively());
    } else if (why == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(at("/start"), QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(at("/start"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(at("/start")).isWritable()) {
            QSKIP("permissions do not bind this user");
        }
    }
    control<QLineEdit>(*picker, "Text1")->setText(name);
    QTest::mouseClick(control<QPushButton>(*picker, "Command4"), Qt::LeftButton);
    QFile::setPermissions(at("/start"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown.first().title, QStringLiteral("Make Directory"));
    QVERIFY2(messages_.shown.first().prompt.contains(name),
             qPrintable(messages_.shown.first().prompt));
    // Neither refreshed nor moved: the deleted sub-folders are still listed.
    QCOMPARE(list->path(), at("/start"));
    QCOMPARE(list->shownFolders(), shown);
    QVERIFY(!QFileInfo(at("/start/new")).exists());
}

void TestOopen::desktop_data() {
    QTest::addColumn<QString>("remove");
    QTest::addColumn<QString>("shown"); // empty: the jump fails
    QTest::addColumn<QString>("drive");

    QTest::newRow("desktop folder") << ""
                                    << "/vol/home/Desktop"
                                    << "/vol";
    QTest::newRow("no desktop folder: home") << "/vol/home/Desktop"
                                             << "/vol/home"
                                             << "/vol";
    QTest::newRow("no home either") << "/vol/home"
                                    << ""
                                    << "/";
}

void TestOopen::desktop() {
    QFETCH(QString, remove);
    QFETCH(QString, shown);
    QFETCH(QString, drive);
#ifdef Q_OS_WIN
    // The user's Desktop known folder, on its drive; HOME plays no part.
    if (!remove.isEmpty()) {
        QSKIP("the desktop is a known folder there, not found through HOME");
    }
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QVERIFY(QDir().mkpath(desktop));
    auto onWindows = open(mountedVolumePaths());
    QTest::mouseClick(control<QPushButton>(*onWindows, "Command3"), Qt::LeftButton);
    QCOMPARE(control<FolderList>(*onWindows, "Dir1")->path(),
             QFileInfo(desktop).absoluteFilePath());
    QCOMPARE(control<DriveList>(*onWindows, "Drive1")->drive().toUpper(),
             desktop.left(3).toUpper());
    QVERIFY(messages_.shown.isEmpty());
    return;
#endif
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
             at("/vol/home/Desktop"));

    if (!remove.isEmpty()) {
        QVERIFY(QDir(at(remove)).removeRecursively());
    }
    auto picker = open({"/", at("/vol")});
    auto* list = control<FolderList>(*picker, "Dir1");
    auto* drives = control<DriveList>(*picker, "Drive1");
    QCOMPARE(drives->drive(), QStringLiteral("/"));

    QTest::mouseClick(control<QPushButton>(*picker, "Command3"), Qt::LeftButton);
    const QString expectedDrive = drive == QLatin1String("/") ? drive : at(drive);
    QCOMPARE(drives->drive(), expectedDrive);
    if (shown.isEmpty()) {
        QCOMPARE(list->path(), at("/start"));
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY(messages_.shown.first().prompt.contains(at("/vol/home")));
    } else {
        // On its own drive, and not moved to that drive's root.
        QCOMPARE(list->path(), at(shown));
        QVERIFY(messages_.shown.isEmpty());
    }
}

void TestOopen::driveChange_data() {
    QTest::addColumn<int>("downs");
    QTest::addColumn<bool>("ready");

    QTest::newRow("ready volume") << 1 << true;
    QTest::newRow("volume gone") << 2 << false;
}

void TestOopen::driveChange() {
    QFETCH(int, downs);
    QFETCH(bool, ready);
    const QString gone = at("/unmounted");
    auto picker = open({"/", at("/vol"), gone});
    auto* list = control<FolderList>(*picker, "Dir1");
    auto* drives = control<DriveList>(*picker, "Drive1");

    for (int i = 0; i < downs; ++i) {
        QTest::keyClick(drives, Qt::Key_Down);
    }
    if (ready) {
        QCOMPARE(drives->drive(), at("/vol"));
        QCOMPARE(list->path(), at("/vol"));
        QVERIFY(messages_.shown.isEmpty());
    } else {
        // Passing over /vol moved the list there; the gone volume leaves it.
        QCOMPARE(drives->drive(), gone);
        QCOMPARE(list->path(), at("/vol"));
        QCOMPARE(messages_.shown.size(), 1);
        QCOMPARE(messages_.shown.first().title, QStringLiteral("Change Drive"));
        QVERIFY(messages_.shown.first().prompt.contains(gone));
    }
}

void TestOopen::modalRoundTrip() {
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QLineEdit& txtFolder = *new QLineEdit(at("/start"), &owner);

    bool wasModal = false;
    QString startedAt;
    QTimer::singleShot(0, this, [&] {
        auto* picker = qobject_cast<Oopen*>(QApplication::activeModalWidget());
        if (!picker) {
            return;
        }
        wasModal = picker->isModal() && picker->isVisible() && picker->parentWidget() == &owner;
        startedAt = picker->findChild<FolderList*>(QStringLiteral("Dir1"))->path();
        openEntry(*picker, at("/start/two"));
        QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    // Should the picker not be reached, leave it rather than hang.
    QTimer::singleShot(10000, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });

    runFolderPicker(txtFolder, &owner);
    QVERIFY(wasModal);
    QCOMPARE(startedAt, at("/start"));
    QCOMPARE(txtFolder.text(), nativeFolderText(at("/start/two")));
    // Unloaded once the call returns.
    QVERIFY(owner.findChildren<Oopen*>().isEmpty());
}

QTEST_MAIN(TestOopen)
#include "tst_oopen.moc"
