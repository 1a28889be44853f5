#pragma once

#include "platform/owned_file.h"
#include "platform/settings_store.h"

namespace zentadial {

// The settings file on disk: in the program folder as it always was, or, when
// that folder cannot be written (an installed program), in the per-user
// configuration folder under the same name. Whichever of the two was saved
// last is read. Only a plain file of the user running the program is read or
// written, never through a link; a read-only one is left as it is.
class FileSettingsStore final : public SettingsStore {
public:
    FileSettingsStore(QString programFolder, QString userConfigFolder);

    [[nodiscard]] QString programFolder() const override { return programFolder_; }
    [[nodiscard]] std::optional<StoredSettings> load() override;
    [[nodiscard]] std::expected<void, QString> save(const StoredSettings& settings) override;
    [[nodiscard]] QString takeWarning() override;

private:
    [[nodiscard]] QString programFile() const;
    [[nodiscard]] QString userFile() const;
    [[nodiscard]] OwnedFileState programFileState();

    QString programFolder_;
    QString userConfigFolder_;
    QString warning_;
    bool warned_ = false;
};

} // namespace zentadial
