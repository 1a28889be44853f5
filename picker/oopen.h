#pragma once

#include "picker/drive_list.h"
#include "widgets/message_boxes.h"

#include <QDialog>
#include <QString>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zentadial {

class FolderList;

// Why name cannot be used for a new folder inside the current one; empty when
// it can.
[[nodiscard]] QString refusedFolderName(const QString& name);

// The folder picker "Open". It takes its starting folder from txtFolder while
// it is built and writes the chosen folder back there on "Select", and on
// nothing else. Each opening builds a new one.
class Oopen final : public QDialog {
    Q_OBJECT

public:
    Oopen(QLineEdit& txtFolder, MessageBoxes& messages, QWidget* owner = nullptr,
          const VolumeSource& volumes = mountedVolumePaths);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(const QStringList& mountPoints);
    void connectHandlers();

    void Form_Load();
    void Drive1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    [[nodiscard]] static QString desktopFolder();

    QLineEdit& txtFolder_;
    MessageBoxes& messages_;

    FolderList* Dir1 = nullptr;
    DriveList* Drive1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command4 = nullptr;
};

// Shows a fresh picker modally over owner and returns once it has closed, by
// whatever way. After "Select" txtFolder holds the chosen folder; otherwise it
// is untouched.
void runFolderPicker(QLineEdit& txtFolder, QWidget* owner);

} // namespace zentadial
