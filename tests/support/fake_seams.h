#pragma once

#include "converter/seams.h"
#include "recorded_messages.h"

#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

// Stand-ins for the desktop, so tests see every message and answer every
// dialog without a window blocking them.
namespace zentadial::test {

class FixedClock final : public Clock {
public:
    CivilTime now{2004, 1, 1, 10, 0, 0};
    double offsetHours = 0;
    [[nodiscard]] CivilTime localNow() const override { return now; }
    [[nodiscard]] CivilTime utcNow() const override { return now; }
    [[nodiscard]] double offsetFromGmtHours() const override { return offsetHours; }
};

class ScriptedFileChooser final : public FileChooser {
public:
    QString initialFolder;
    std::optional<ChosenFile> answer;
    int openings = 0;
    void setInitialFolder(const QString& folder) override { initialFolder = folder; }
    [[nodiscard]] std::optional<ChosenFile> chooseFile(QWidget*) override {
        ++openings;
        return answer;
    }
};

class ScriptedFolderPicker final : public FolderPicker {
public:
    // Nothing means the user cancelled.
    std::optional<QString> answer;
    QStringList seenAtOpening;
    void pickFolder(QLineEdit& txtFolder, QWidget*) override {
        seenAtOpening.append(txtFolder.text());
        if (answer) {
            txtFolder.setText(*answer);
        }
    }
};

class MemorySettings final : public SettingsStore {
public:
    QString folder = QStringLiteral(".");
    std::optional<StoredSettings> stored;
    QList<StoredSettings> saved;
    QString saveFailure;
    QString warning; // said once, after the load
    [[nodiscard]] QString programFolder() const override { return folder; }
    [[nodiscard]] std::optional<StoredSettings> load() override { return stored; }
    [[nodiscard]] std::expected<void, QString> save(const StoredSettings& settings) override {
        saved.append(settings);
        if (!saveFailure.isEmpty()) {
            return std::unexpected(saveFailure);
        }
        return {};
    }
    [[nodiscard]] QString takeWarning() override { return std::exchange(warning, QString()); }
};

struct FakeDesktop {
    FixedClock clock;
    RecordedMessages messages;
    ScriptedFileChooser fileChooser;
    ScriptedFolderPicker folderPicker;
    MemorySettings settings;
    Seams seams() { return {clock, messages, fileChooser, folderPicker, settings}; }
};

} // namespace zentadial::test
