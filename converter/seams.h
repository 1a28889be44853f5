#pragma once

#include "platform/clock.h"
#include "platform/settings_store.h"
#include "widgets/message_boxes.h"

#include <QString>
#include <expected>
#include <optional>

class QLineEdit;
class QWidget;

namespace zentadial {

// Everything the converter window asks of the world outside it comes through
// these, so tests drive every handler without a blocking dialog, a real clock
// or the user's files.

struct ChosenFile {
    QString fileName; // the full path
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual void setInitialFolder(const QString& folder) = 0;
    // Shows the open-file dialog modally; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<ChosenFile> chooseFile(QWidget* owner) = 0;
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // Shows the picker modally; on a choice it writes the folder into txtFolder.
    virtual void pickFolder(QLineEdit& txtFolder, QWidget* owner) = 0;
};

// The seams a converter window works with; it owns none of them.
struct Seams {
    Clock& clock;
    MessageBoxes& messages;
    FileChooser& fileChooser;
    FolderPicker& folderPicker;
    SettingsStore& settings;
};

} // namespace zentadial
