#include "converter/desktop_seams.h"

#include "picker/oopen.h"

#include <QAbstractItemView>
#include <QCompleter>
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

double SystemClock::offsetFromGmtHours() const {
    constexpr double kSecondsPerHour = 3600;
    return QDateTime::currentDateTime().offsetFromUtc() / kSecondsPerHour;
}

void DialogMessageBoxes::inform(const QString& prompt, const QString& title, const QString& detail,
                                const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, owner_);
    box.setInformativeText(detail);
    box.setDetailedText(details);
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
    const QString fileName = dialog_->selectedFiles().constFirst();
    return ChosenFile{fileName, QFileInfo(fileName).fileName()};
}

void PickerWindow::pickFolder(QLineEdit& txtFolder, QWidget* owner) {
    runFolderPicker(txtFolder, owner);
}

} // namespace zentadial
