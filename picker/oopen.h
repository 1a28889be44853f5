#pragma once

#include "picker/drive_list.h"

#include <QDialog>
#include <QString>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zentadial {

class FolderList;

// Where the picker tells the user why a step failed. The window shows a modal
// message box; tests record the messages instead, so that nothing blocks.
class PickerMessages {
public:
    virtual ~PickerMessages() = default;
    virtual void failed(QWidget* over, const QString& title, const QString& text) = 0;
};

// Warning box with a single OK button.
class MessageBoxMessages final : public PickerMessages {
public:
    void failed(QWidget* over, const QString& title, const QString& text) override;
};

// Why name cannot be used for a new folder inside the current one; empty when
// it can.
[[nodiscard]] QString refusedFolderName(const QString& name);

// The folder picker "Open". It takes its starting folder from txtFolder while
// it is built and writes the chosen folder back there on "Select", and on
// nothing else. Each opening builds a new one.
class Oopen : public QDialog {
    Q_OBJECT

public:
    Oopen(QLineEdit& txtFolder, PickerMessages& messages, QWidget* owner = nullptr,
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

    QLineEdit& m_txtFolder;
    PickerMessages& m_messages;

    FolderList* m_dir1 = nullptr;
    DriveList* m_drive1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_command4 = nullptr;
};

// Shows a fresh picker modally over owner and returns once it has closed, by
// whatever way. After "Select" txtFolder holds the chosen folder; otherwise it
// is untouched.
void runFolderPicker(QLineEdit& txtFolder, QWidget* owner);

} // namespace zentadial
