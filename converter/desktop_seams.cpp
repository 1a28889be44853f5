#include "converter/desktop_seams.h"

#include "picker/oopen.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDateTime>
#include <QDir>

namespace zentadial {

void DialogFileChooser::setInitialFolder(const QString& folder) {
    initialFolder_ = folder;
    if (dialog_) {
        dialog_->setDirectory(folder);
    }
}

std::optional<ChosenFile> DialogFileChooser::chooseFile(QWidget* owner) {
    if (!dialog_) {
        dialog_ = new QFileDialog(owner);
        dialog_->setFileMode(QFileDialog::ExistingFile);
        dialog_->setAcceptMode(QFileDialog::AcceptOpen);
        if (!initialFolder_.isEmpty()) {
            dialog_->setDirectory(initialFolder_);
        }
    }
    const int answer = dialog_->exec();
    // The dialog is kept for the next opening, and so is its completer: a
    // popup it left open would swallow the next click in the window.
    for (auto* completer : dialog_->findChildren<QCompleter*>()) {
        if (completer->popup() != nullptr) {
            completer->popup()->hide();
        }
    }
    if (answer != QDialog::Accepted || dialog_->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // "C:\dir\a.scn" on Windows, as its users write and read paths.
    const QString fileName = QDir::toNativeSeparators(dialog_->selectedFiles().constFirst());
    return ChosenFile{fileName};
}

void PickerWindow::pickFolder(QLineEdit& txtFolder, QWidget* owner) {
    runFolderPicker(txtFolder, owner);
}

} // namespace zentadial
