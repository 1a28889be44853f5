#include "picker/oopen.h"

#include "picker/drive_list.h"
#include "picker/folder_list.h"
#include "platform/make_folder.h"
#include "platform/path_text.h"
#include "widgets/caption_width.h"
#include "widgets/twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <algorithm>
#include <cerrno>
#include <initializer_list>

namespace zentadial {

namespace {

// The window's layout, in twips: left, top, width, height.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

constexpr int kClientWidth = 3285;
constexpr int kClientHeight = 4515;
constexpr Place kDir1{120, 720, 2895, 2340};
constexpr Place kDrive1{120, 360, 2295, 315};
constexpr Place kCommand1{2280, 3240, 735, 495};
constexpr Place kCommand2{2280, 3840, 735, 495};
constexpr Place kCommand3{2640, 360, 300, 300};
constexpr Place kFrame1{120, 3240, 1935, 1095};
constexpr Place kText1{120, 240, 1695, 285};    // inside Frame1
constexpr Place kCommand4{120, 720, 1695, 255}; // inside Frame1

void place(QWidget* widget, const Place& at) {
    const double dpiX = widget->logicalDpiX();
    const double dpiY = widget->logicalDpiY();
    widget->setGeometry(twipsToPixels(at.left, dpiX), twipsToPixels(at.top, dpiY),
                        twipsToPixels(at.width, dpiX), twipsToPixels(at.height, dpiY));
}

// Buttons that Enter can never press: QDialog presses an auto-default button
// on Enter, and every QPushButton in a dialog is one unless told otherwise.
QPushButton* plainButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// Some languages' "Select" or "Cancel" is wider than its button. Those two
// buttons then grow leftwards, with their right edges still in line with the
// folder list, and the new-folder frame beside them gives up as much room
// (down to half its width): a caption is never cut off while there is room.
void fitCaptions(QPushButton* select, QPushButton* cancel, QWidget* frame,
                 std::initializer_list<QWidget*> inFrame) {
    const int extra =
        std::min(std::max(captionWidth(*select), captionWidth(*cancel)) - select->width(),
                 frame->width() / 2);
    if (extra <= 0) {
        return;
    }
    for (QPushButton* button : {select, cancel}) {
        button->setGeometry(button->geometry().adjusted(-extra, 0, 0, 0));
    }
    frame->resize(frame->width() - extra, frame->height());
    for (QWidget* widget : inFrame) {
        widget->resize(widget->width() - extra, widget->height());
    }
}

} // namespace

QString refusedFolderName(const QString& name) {
    if (name.isEmpty()) {
        return Oopen::tr("Type a name for the new folder first.");
    }
    if (name == QLatin1String(".") || name == QLatin1String("..")) {
        return Oopen::tr("\"%1\" is not a name a new folder can have.").arg(name);
    }
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\')}) {
        if (isNameSeparator(separator) && name.contains(separator)) {
            return Oopen::tr("A folder name cannot contain \"%1\". The new folder is made "
                             "inside the folder that is open, so type its name alone.")
                .arg(separator);
        }
    }
    // The system would cut the name short at the first null character and
    // make a folder of another name.
    if (name.contains(QChar(u'\0'))) {
        return Oopen::tr("A folder name cannot contain a null character.");
    }
    return {};
}

Oopen::Oopen(QLineEdit& txtFolder, MessageBoxes& messages, QWidget* owner,
             const VolumeSource& volumes)
    : QDialog(owner), txtFolder_(txtFolder), messages_(messages) {
    setObjectName(QStringLiteral("Oopen"));
    setWindowTitle(tr("Open"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls(volumes());
    connectHandlers();
    Form_Load();
}

void Oopen::buildControls(const QStringList& mountPoints) {
    setFixedSize(twipsToPixels(kClientWidth, logicalDpiX()),
                 twipsToPixels(kClientHeight, logicalDpiY()));

    Dir1 = new FolderList(mountPoints, this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(tr("Folders"));
    place(Dir1, kDir1);

    Drive1 = new DriveList(mountPoints, this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(tr("Drives"));
    place(Drive1, kDrive1);

    Command1 = plainButton(QStringLiteral("Command1"), tr("Select"), this);
    Command1->setToolTip(tr("Select the folder"));
    place(Command1, kCommand1);

    Command2 = plainButton(QStringLiteral("Command2"), tr("Cancel"), this);
    place(Command2, kCommand2);

    // A blank square says nothing to the user; the desktop icon says where it
    // leads.
    Command3 = plainButton(QStringLiteral("Command3"), QString(), this);
    Command3->setIcon(style()->standardIcon(QStyle::SP_DesktopIcon));
    Command3->setAccessibleName(tr("Desktop"));
    place(Command3, kCommand3);
    const int iconSide = Command3->height() - 6;
    Command3->setIconSize(QSize(iconSide, iconSide));

    Frame1 = new QGroupBox(tr("Make Directory"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, kFrame1);

    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, kText1);

    Command4 = plainButton(QStringLiteral("Command4"), tr("Create"), Frame1);
    place(Command4, kCommand4);
    fitCaptions(Command1, Command2, Frame1, {Text1, Command4});

    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Text1);
    setTabOrder(Text1, Command4);
    Dir1->setFocus();
}

void Oopen::connectHandlers() {
    connect(Drive1, &DriveList::driveChanged, this, &Oopen::Drive1_Change);
    connect(Command1, &QPushButton::clicked, this, &Oopen::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Oopen::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Oopen::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Oopen::Command4_Click);
    connect(Dir1, &FolderList::openFailed, this, [this](const QString&, const QString& reason) {
        messages_.warn(this, reason, tr("Open Folder"));
    });
}

void Oopen::keyPressEvent(QKeyEvent* event) {
    // QDialog would take Escape for "Cancel"; the picker has no cancel key.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Oopen::Form_Load() {
    // Each step may fail; the list then stays where it was, with no message.
    (void)Dir1->setPath(txtFolder_.text());
    (void)Drive1->setDrive(Dir1->path());
}

void Oopen::Drive1_Change() {
    const QString drive = Drive1->drive();
    if (auto opened = Dir1->setPath(drive); !opened) {
        messages_.warn(this, tr("The drive %1 cannot be opened. %2").arg(drive, opened.error()),
                       tr("Change Drive"));
    }
}

void Oopen::Command1_Click() {
    hide();
    txtFolder_.setText(nativeFolderText(Dir1->path()));
    accept();
}

void Oopen::Command2_Click() {
    hide();
    reject();
}

QString Oopen::desktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir()) {
        return desktop;
    }
    return QDir::homePath();
}

void Oopen::Command3_Click() {
    const QString desktop = desktopFolder();
    if (auto opened = Dir1->setPath(desktop); !opened) {
        messages_.warn(this, tr("The desktop folder cannot be opened. %1").arg(opened.error()),
                       tr("Desktop"));
        return;
    }
    (void)Drive1->setDrive(Dir1->path());
}

void Oopen::Command4_Click() {
    const QString name = Text1->text();
    if (const QString refused = refusedFolderName(name); !refused.isEmpty()) {
        messages_.warn(this, refused, tr("Make Directory"));
        return;
    }
    // Made through the folder's text as the user reads it, so that a failure
    // names it that way.
    const QString joint = joinedPath(nativeFolderText(Dir1->path()), name);
    if (const int error = makeFolder(joint); error != 0) {
        const QString why = error == EEXIST
                                ? tr("A folder or file named \"%1\" exists already here.").arg(name)
                                : tr("The folder %1 cannot be created: %2.")
                                      .arg(nativeFolderText(joint), qt_error_string(error));
        messages_.warn(this, why, tr("Make Directory"));
        return;
    }
    Dir1->refresh();
    if (auto opened = Dir1->setPath(joinedPath(Dir1->path(), name)); !opened) {
        messages_.warn(
            this, tr("The new folder was created but cannot be opened. %1").arg(opened.error()),
            tr("Make Directory"));
    }
}

void runFolderPicker(QLineEdit& txtFolder, QWidget* owner) {
    DialogMessageBoxes messages;
    Oopen picker(txtFolder, messages, owner);
    picker.exec();
}

} // namespace zentadial
