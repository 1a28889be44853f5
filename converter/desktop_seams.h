#pragma once

#include "converter/seams.h"

#include <QFileDialog>
#include <QPointer>

namespace zentadial {

// The seams as a running program has them: the real clock, message boxes,
// the open-file dialog and the folder picker.

class SystemClock final : public Clock {
public:
    [[nodiscard]] CivilTime localNow() const override;
    [[nodiscard]] double offsetFromGmtHours() const override;
};

class DialogMessageBoxes final : public MessageBoxes {
public:
    explicit DialogMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void inform(const QString& prompt, const QString& title, const QString& detail,
                const QString& details) override;
    void warn(const QString& text, const QString& title) override;

private:
    QPointer<QWidget> owner_;
};

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
