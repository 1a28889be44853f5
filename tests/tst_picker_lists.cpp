#include "picker/drive_list.h"
#include "picker/folder_list.h"
#include "platform/path_text.h"
#include "support/volume_root.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include "support/windows_attributes.h"
#endif

using namespace zentadial;

namespace {

using zentadial::test::volumeRootOf;

// The entries a list shows for folder when it lies on the volume of its
// root: every folder from the root down, in order.
QStringList chainTo(const QString& folder) {
    const QString top = volumeRootOf(folder);
    QStringList chain{top};
    QString walked = top.chopped(1);
    const QStringList steps = folder.mid(top.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        walked += QLatin1Char('/') + step;
        chain.append(walked);
    }
    return chain;
}

} // namespace

class TestPickerLists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void volumeContaining_data();
    void volumeContaining();
    void mountedVolumesStartAtRoot();
    void folderTexts_data();
    void folderTexts();

    void listsChainAndSubFolders();
    void chainStartsAtVolumeRoot();
    void pathForms_data();
    void pathForms();
    void failedSetPathKeepsList_data();
    void failedSetPathKeepsList();
    void refreshRereadsDisk();
    void clickHighlightsDoubleClickOpens();
    void enterOpensHighlighted();
    void openingVanishedFolderReports();

    void setDriveFromCodeIsSilent();
    void userPickRaisesChangeOnce();
    void cutNamesShowInFull_data();
    void cutNamesShowInFull();

private:
    void makeFolders(const QStringList& relative);
    [[nodiscard]] QString at(const QString& relative) const { return root_ + relative; }
    [[nodiscard]] QString top() const { return volumeRootOf(root_); }

    std::unique_ptr<QTemporaryDir> tmp_;
    QString root_;
};

void TestPickerLists::init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    root_ = QFileInfo(tmp_->path()).canonicalFilePath();
    makeFolders({QStringLiteral("/beta"), QStringLiteral("/Alpha"), QStringLiteral("/.hidden"),
                 QStringLiteral("/gamma/inner"), QStringLiteral("/vol/deep/er")});
    QFile file(at(QStringLiteral("/plain.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
#ifdef Q_OS_WIN // hidden by its attribute there, not by its name
    QVERIFY(test::setWindowsAttributes(at(QStringLiteral("/.hidden")), FILE_ATTRIBUTE_HIDDEN));
#endif
}

void TestPickerLists::makeFolders(const QStringList& relative) {
    for (const QString& folder : relative) {
        QVERIFY(QDir().mkpath(at(folder)));
    }
}

void TestPickerLists::volumeContaining_data() {
    QTest::addColumn<QStringList>("mountPoints");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("volume");

    const QStringList mounts{"/", "/home", "/media/usb"};
    QTest::newRow("root holds everything else") << mounts << "/etc/x"
                                                << "/";
    QTest::newRow("root itself") << mounts << "/"
                                 << "/";
    QTest::newRow("longest prefix wins") << mounts << "/home/user"
                                         << "/home";
    QTest::newRow("mount point itself") << mounts << "/media/usb"
                                        << "/media/usb";
    QTest::newRow("only whole components") << mounts << "/home2/user"
                                           << "/";
    QTest::newRow("parent of a mount point") << mounts << "/media"
                                             << "/";
    QTest::newRow("relative path lies nowhere") << mounts << "home/user"
                                                << "";
    QTest::newRow("no root listed") << QStringList{"/home"} << "/etc"
                                    << "";
}

void TestPickerLists::volumeContaining() {
    QFETCH(QStringList, mountPoints);
    QFETCH(QString, path);
    QFETCH(QString, volume);
    QCOMPARE(zentadial::volumeContaining(mountPoints, path), volume);
}

void TestPickerLists::mountedVolumesStartAtRoot() {
    const QStringList volumes = mountedVolumePaths();
#ifdef Q_OS_WIN
    // The lettered drives, in order, the temporary folder's among them.
    QVERIFY(volumes.contains(top()));
    QStringList sortedDrives = volumes;
    sortedDrives.sort();
    QCOMPARE(volumes, sortedDrives);
    for (const QString& volume : volumes) {
        QVERIFY2(volume.size() == 3 && volume.endsWith(QStringLiteral(":/")), qPrintable(volume));
    }
    return;
#endif
    QVERIFY(!volumes.isEmpty());
    QCOMPARE(volumes.first(), QStringLiteral("/"));
    QCOMPARE(volumes.count(QStringLiteral("/")), 1);
    QStringList rest = volumes.mid(1);
    QStringList sorted = rest;
    sorted.sort();
    QCOMPARE(rest, sorted);
    QCOMPARE(QSet<QString>(rest.begin(), rest.end()).size(), rest.size());
    for (const QString& volume : volumes) {
        QVERIFY2(QFileInfo(volume).isDir(), qPrintable(volume));
    }
}

// What the user reads in the folder field and the drive list.
void TestPickerLists::folderTexts_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("text");
#ifdef Q_OS_WIN
    QTest::newRow("drive root") << "C:/"
                                << "c:\\";
    QTest::newRow("folder") << "D:/Orbiter/Scenarios"
                            << "d:\\Orbiter\\Scenarios";
    QTest::newRow("share") << "//server/share/Orbiter"
                           << "\\\\server\\share\\Orbiter";
#else
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("folder") << "/home/pilot/Orbiter"
                            << "/home/pilot/Orbiter";
    QTest::newRow("backslash is a name's own") << "/home/a\\b"
                                               << "/home/a\\b";
#endif
}

void TestPickerLists::folderTexts() {
    QFETCH(QString, folder);
    QFETCH(QString, text);
    QCOMPARE(nativeFolderText(folder), text);
#ifdef Q_OS_WIN
    // The drive list names a drive letter first, its label after it.
    const QString caption = driveCaption(top());
    QVERIFY2(caption.startsWith(top().left(1).toLower() + QLatin1Char(':')), qPrintable(caption));
#endif
}

void TestPickerLists::listsChainAndSubFolders() {
    FolderList list({top()});
    QVERIFY(list.setPath(root_));
    // Sorted regardless of case, hidden folders last (Wine prefixes live
    // there); no plain file, nothing from further down.
    const QStringList expected =
        chainTo(root_) +
        QStringList{at("/Alpha"), at("/beta"), at("/gamma"), at("/vol"), at("/.hidden")};
    QCOMPARE(list.shownFolders(), expected);
    QCOMPARE(list.currentItem(), list.itemFor(root_));
    // Each entry sits one step further in than the one above it.
    QCOMPARE(list.itemFor(at("/gamma"))->parent(), list.itemFor(root_));
    QCOMPARE(list.itemFor(root_)->text(0), QFileInfo(root_).fileName());
}

void TestPickerLists::chainStartsAtVolumeRoot() {
    FolderList list({top(), at("/vol")});
    QVERIFY(list.setPath(at("/vol/deep")));
    QCOMPARE(list.shownFolders(), (QStringList{at("/vol"), at("/vol/deep"), at("/vol/deep/er")}));
    QCOMPARE(list.topLevelItem(0)->text(0), nativeFolderText(at("/vol")));
}

void TestPickerLists::pathForms_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("reads");

    QTest::addColumn<bool>("inTree");

#ifdef Q_OS_WIN
    // As the picker's own list writes a root; "//" begins a share name there.
    QTest::newRow("drive root in native form") << "<drive>:\\"
                                               << "<top>" << false;
#else
    QTest::newRow("root keeps its separator") << "/"
                                              << "<top>" << false;
    QTest::newRow("doubled root") << "//"
                                  << "/" << false;
#endif
    QTest::newRow("trailing separator dropped") << "/beta/"
                                                << "/beta" << true;
    QTest::newRow("dots resolved") << "/gamma/./inner/../../beta"
                                   << "/beta" << true;
    QTest::newRow("relative to the current folder") << "gamma/inner"
                                                    << "/gamma/inner" << true;
}

void TestPickerLists::pathForms() {
    QFETCH(QString, given);
    QFETCH(QString, reads);
    QFETCH(bool, inTree);
    reads.replace(QStringLiteral("<top>"), top());
    given.replace(QStringLiteral("<drive>"), top().left(1).toLower());
    if (inTree) {
        reads.prepend(root_);
        if (given.startsWith(QLatin1Char('/'))) {
            given.prepend(root_);
        }
    }
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root_));
    FolderList list({top()});
    const bool set = bool(list.setPath(given));
    QDir::setCurrent(before);
    QVERIFY(set);
    QCOMPARE(list.path(), reads);
    QCOMPARE(list.shownFolders().first(), top());
}

void TestPickerLists::failedSetPathKeepsList_data() {
    QTest::addColumn<QString>("given");
    QTest::newRow("empty") << "";
    QTest::newRow("missing") << "/missing";
    QTest::newRow("plain file") << "/plain.txt";
    QTest::newRow("below a plain file") << "/plain.txt/sub";
}

void TestPickerLists::failedSetPathKeepsList() {
    QFETCH(QString, given);
    if (!given.isEmpty()) {
        given.prepend(root_);
    }
    FolderList list({top()});
    QVERIFY(list.setPath(at("/gamma")));
    const QStringList shown = list.shownFolders();

    const auto result = list.setPath(given);
    QVERIFY(!result);
    QVERIFY(!result.error().isEmpty());
    QCOMPARE(list.path(), at("/gamma"));
    QCOMPARE(list.shownFolders(), shown);
}

void TestPickerLists::refreshRereadsDisk() {
    FolderList list({top()});
    QVERIFY(list.setPath(at("/gamma")));
    makeFolders({"/gamma/later"});
    QVERIFY(QDir(at("/gamma/inner")).removeRecursively());
    QVERIFY(list.itemFor(at("/gamma/inner")));

    list.refresh();
    QCOMPARE(list.path(), at("/gamma"));
    QVERIFY(list.itemFor(at("/gamma/later")));
    QVERIFY(!list.itemFor(at("/gamma/inner")));
}

void TestPickerLists::clickHighlightsDoubleClickOpens() {
    FolderList list({top()});
    list.resize(300, 400);
    QVERIFY(list.setPath(root_));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    QTreeWidgetItem* beta = list.itemFor(at("/beta"));
    QVERIFY(beta);
    const QPoint spot = list.visualItemRect(beta).center();

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, spot);
    QCOMPARE(list.currentItem(), beta);
    QCOMPARE(list.path(), root_);

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, spot);
    QCOMPARE(list.path(), at("/beta"));
    QCOMPARE(list.currentItem(), list.itemFor(at("/beta")));

    // Back up the chain: opening an ancestor shows its sub-folders again.
    QTreeWidgetItem* top = list.itemFor(root_);
    list.scrollToItem(top);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(top).center());
    QCOMPARE(list.path(), root_);
    QVERIFY(list.itemFor(at("/gamma")));
}

void TestPickerLists::enterOpensHighlighted() {
    FolderList list({top()});
    QVERIFY(list.setPath(root_));
    list.setCurrentItem(list.itemFor(at("/gamma")));
    QCOMPARE(list.path(), root_);

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&list, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(list.path(), at("/gamma"));
}

void TestPickerLists::openingVanishedFolderReports() {
    FolderList list({top()});
    QVERIFY(list.setPath(root_));
    QSignalSpy failures(&list, &FolderList::openFailed);
    QVERIFY(QDir(at("/beta")).removeRecursively());

    list.setCurrentItem(list.itemFor(at("/beta")));
    QTest::keyClick(&list, Qt::Key_Enter);

    QCOMPARE(list.path(), root_);
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures.first().first().toString(), at("/beta"));
}

void TestPickerLists::setDriveFromCodeIsSilent() {
    DriveList drives({top(), at("/vol")});
    QSignalSpy changes(&drives, &DriveList::driveChanged);
    QCOMPARE(drives.drive(), top());

    QVERIFY(drives.setDrive(at("/vol/deep")));
    QCOMPARE(drives.drive(), at("/vol"));
    QVERIFY(drives.setDrive(at("/gamma")));
    QCOMPARE(drives.drive(), top());
    QVERIFY(!drives.setDrive(QString()));
    QCOMPARE(drives.drive(), top());
    QCOMPARE(changes.size(), 0);
}

void TestPickerLists::userPickRaisesChangeOnce() {
    DriveList drives({top(), at("/vol")});
    QSignalSpy changes(&drives, &DriveList::driveChanged);

    QTest::keyClick(&drives, Qt::Key_Down);
    QCOMPARE(drives.drive(), at("/vol"));
    QCOMPARE(changes.size(), 1);

    // At the last entry already: a pick that stays on the same drive is no
    // change.
    QTest::keyClick(&drives, Qt::Key_Down);
    Q_EMIT drives.activated(drives.currentIndex());
    QCOMPARE(changes.size(), 1);

    // A drive set from code in between counts as the one shown.
    QVERIFY(drives.setDrive(top()));
    QTest::keyClick(&drives, Qt::Key_Down);
    QCOMPARE(changes.size(), 2);
}

// At the picker's own sizes, a name the lists cut shows in full as a
// tooltip, and only such a name.
void TestPickerLists::cutNamesShowInFull_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short name") << "beta" << false;
    QTest::newRow("long name")
        << QStringLiteral("Scenarios of the long flight to Mars ").repeated(2) << true;
}

void TestPickerLists::cutNamesShowInFull() {
    QFETCH(QString, name);
    QFETCH(bool, cut);
    const QString folder = at("/vol/") + name;
    QVERIFY(QDir().mkpath(folder));

    // A volume of its own, so that the entries are as deep as in any
    // folder, whatever the depth of the temporary one.
    FolderList list({top(), at("/vol")});
    list.resize(193, 156);
    QVERIFY(list.setPath(at("/vol")));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.itemFor(folder)->toolTip(0), cut ? name : QString());

    DriveList drives({top(), folder});
    drives.resize(153, 21);
    drives.show();
    QVERIFY(QTest::qWaitForWindowExposed(&drives));
    QVERIFY(drives.setDrive(folder));
#ifdef Q_OS_WIN
    // A drive shows its letter and label there, never a path.
    QCOMPARE(drives.toolTip(), QString());
#else
    // A mount point in the temporary folder is longer than the box.
    QCOMPARE(drives.toolTip(), folder);
#endif
    QVERIFY(drives.setDrive(top()));
    QCOMPARE(drives.toolTip(), QString());
}

QTEST_MAIN(TestPickerLists)
#include "tst_picker_lists.moc"
