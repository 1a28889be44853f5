#pragma once

#include "core/serial_date.h"
#include "core/settings_file.h"

#include <QString>
#include <expected>
#include <optional>

class QLineEdit;
class QWidget;

namespace zentadial {

// Everything the converter window asks of the world outside it comes through
// these, so tests drive every handler without a blocking dialog, a real clock
// or the user's files.

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time, to the second.
    [[nodiscard]] virtual CivilTime localNow() const = 0;
    // The local time's present offset from GMT in hours, east positive,
    // daylight saving included.
    [[nodiscard]] virtual double offsetFromGmtHours() const = 0;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A plain message with one OK button and no icon; the detail, when not
    // empty, is a second, smaller line, and the details, when not empty, a
    // text the user can unfold.
    virtual void inform(const QString& prompt, const QString& title, const QString& detail,
                        const QString& details) = 0;
    // Something went wrong and the user has to know.
    virtual void warn(const QString& text, const QString& title) = 0;
};

struct ChosenFile {
    QString fileName;  // the full path
    QString fileTitle; // the name without its folder
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

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The folder the program runs from, made the current directory at start.
    [[nodiscard]] virtual QString programFolder() const = 0;
    // Nothing when there is no settings file.
    [[nodiscard]] virtual std::optional<StoredSettings> load() = 0;
    // What failed, where and why, when the settings could not be saved.
    [[nodiscard]] virtual std::expected<void, QString> save(const StoredSettings& settings) = 0;
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
