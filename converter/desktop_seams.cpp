#include "converter/desktop_seams.h"

#include "picker/oopen.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>

namespace zentadial {

CivilTime SystemClock::localNow() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

void DialogMessageBoxes::inform(const QString& prompt, const QString& title,
                                const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, owner_);
    box.setInformativeText(detail);
    box.exec();
}

void DialogMessageBoxes::warn(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner_);
    box.exec();
}

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
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString fileName = dialog_->selectedFiles().constFirst();
    return ChosenFile{fileName, QFileInfo(fileName).fileName()};
}

void PickerWindow::pickFolder(QLineEdit& txtFolder, QWidget* owner) {
    runFolderPicker(txtFolder, owner);
}

} // namespace zentadial
