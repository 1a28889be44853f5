#include "picker/oopen.h"

#include "core/twips.h"
#include "picker/folder_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <cerrno>
#include <sys/stat.h>

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

} // namespace

void MessageBoxMessages::failed(QWidget* over, const QString& title, const QString& text) {
    QMessageBox::warning(over, title, text, QMessageBox::Ok);
}

QString refusedFolderName(const QString& name) {
    if (name.isEmpty()) {
        return Oopen::tr("Type a name for the new folder first.");
    }
    if (name == QLatin1String(".") || name == QLatin1String("..")) {
        return Oopen::tr("\"%1\" is not a name a new folder can have.").arg(name);
    }
    if (name.contains(QLatin1Char('/'))) {
        return Oopen::tr("A folder name cannot contain \"/\". The new folder is made inside "
                         "the folder that is open, so type its name alone.");
    }
    // The system would cut the name short at the first null character and
    // make a folder of another name.
    if (name.contains(QChar(u'\0'))) {
        return Oopen::tr("A folder name cannot contain a null character.");
    }
    return {};
}

Oopen::Oopen(QLineEdit& txtFolder, PickerMessages& messages, QWidget* owner,
             const VolumeSource& volumes)
    : QDialog(owner), m_txtFolder(txtFolder), m_messages(messages) {
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

    m_dir1 = new FolderList(mountPoints, this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(tr("Folders"));
    place(m_dir1, kDir1);

    m_drive1 = new DriveList(mountPoints, this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(tr("Drives"));
    place(m_drive1, kDrive1);

    m_command1 = plainButton(QStringLiteral("Command1"), tr("Select"), this);
    m_command1->setToolTip(tr("Select the folder"));
    place(m_command1, kCommand1);

    m_command2 = plainButton(QStringLiteral("Command2"), tr("Cancel"), this);
    place(m_command2, kCommand2);

    // A blank square says nothing to the user; the desktop icon says where it
    // leads.
    m_command3 = plainButton(QStringLiteral("Command3"), QString(), this);
    m_command3->setIcon(style()->standardIcon(QStyle::SP_DesktopIcon));
    m_command3->setAccessibleName(tr("Desktop"));
    place(m_command3, kCommand3);
    const int iconSide = m_command3->height() - 6;
    m_command3->setIconSize(QSize(iconSide, iconSide));

    m_frame1 = new QGroupBox(tr("Make Directory"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    place(m_frame1, kFrame1);

    m_text1 = new QLineEdit(m_frame1);
    m_text1->setObjectName(QStringLiteral("Text1"));
    place(m_text1, kText1);

    m_command4 = plainButton(QStringLiteral("Command4"), tr("Create"), m_frame1);
    place(m_command4, kCommand4);

    setTabOrder(m_dir1, m_drive1);
    setTabOrder(m_drive1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, m_text1);
    setTabOrder(m_text1, m_command4);
    m_dir1->setFocus();
}

void Oopen::connectHandlers() {
    connect(m_drive1, &DriveList::driveChanged, this, &Oopen::Drive1_Change);
    connect(m_command1, &QPushButton::clicked, this, &Oopen::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Oopen::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Oopen::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Oopen::Command4_Click);
    connect(m_dir1, &FolderList::openFailed, this, [this](const QString&, const QString& reason) {
        m_messages.failed(this, tr("Open Folder"), reason);
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
    (void)m_dir1->setPath(m_txtFolder.text());
    (void)m_drive1->setDrive(m_dir1->path());
}

void Oopen::Drive1_Change() {
    const QString drive = m_drive1->drive();
    if (auto opened = m_dir1->setPath(drive); !opened) {
        m_messages.failed(this, tr("Change Drive"),
                          tr("The drive %1 cannot be opened. %2").arg(drive, opened.error()));
    }
}

void Oopen::Command1_Click() {
    hide();
    m_txtFolder.setText(m_dir1->path());
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
    if (auto opened = m_dir1->setPath(desktop); !opened) {
        m_messages.failed(this, tr("Desktop"),
                          tr("The desktop folder cannot be opened. %1").arg(opened.error()));
        return;
    }
    (void)m_drive1->setDrive(m_dir1->path());
}

void Oopen::Command4_Click() {
    const QString name = m_text1->text();
    if (const QString refused = refusedFolderName(name); !refused.isEmpty()) {
        m_messages.failed(this, tr("Make Directory"), refused);
        return;
    }
    const QString joint = childFolder(m_dir1->path(), name);
    if (::mkdir(QFile::encodeName(joint).constData(), 0777) != 0) {
        const int error = errno;
        const QString why =
            error == EEXIST
                ? tr("A folder or file named \"%1\" exists already here.").arg(name)
                : tr("The folder %1 cannot be created: %2.").arg(joint, qt_error_string(error));
        m_messages.failed(this, tr("Make Directory"), why);
        return;
    }
    m_dir1->refresh();
    if (auto opened = m_dir1->setPath(childFolder(m_dir1->path(), name)); !opened) {
        m_messages.failed(
            this, tr("Make Directory"),
            tr("The new folder was created but cannot be opened. %1").arg(opened.error()));
    }
}

void runFolderPicker(QLineEdit& txtFolder, QWidget* owner) {
    MessageBoxMessages messages;
    Oopen picker(txtFolder, messages, owner);
    picker.exec();
}

} // namespace zentadial
