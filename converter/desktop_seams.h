#pragma once

#include "converter/seams.h"

#include <QFileDialog>
#include <QPointer>

namespace zentadial {

// The seams as a running program has them: the open-file dialog and the
// folder picker.

// One dialog object for the life of the window, so where it starts carries
// over from one opening to the next.
class DialogFileChooser final : public FileChooser {
public:
    void setInitialFolder(const QString& folder) override;
    [[nodiscard]] std::optional<ChosenFile> chooseFile(QWidget* owner) override;

private:
    QString initialFolder_;
    QPointer<QFileDialog> dialog_;
};

class PickerWindow final : public FolderPicker {
public:
    void pickFolder(QLineEdit& txtFolder, QWidget* owner) override;
};

} // namespace zentadial
