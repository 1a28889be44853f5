#pragma once

#include "platform/settings_store.h"

namespace zentadial {

// The settings file on disk: in the program folder as it always was, or, when
// that folder cannot be written (an installed program), in the per-user
// configuration folder under the same name. Whichever of the two was saved
// last is read.
class FileSettingsStore final : public SettingsStore {
public:
    FileSettingsStore(QString programFolder, QString userConfigFolder);

    [[nodiscard]] QString programFolder() const override { return programFolder_; }
    [[nodiscard]] std::optional<StoredSettings> load() override;
    [[nodiscard]] std::expected<void, QString> save(const StoredSettings& settings) override;

private:
    [[nodiscard]] QString programFile() const;
    [[nodiscard]] QString userFile() const;

    QString programFolder_;
    QString userConfigFolder_;
};

} // namespace zentadial
