#pragma once

#include "core/settings_file.h"

#include <QString>
#include <expected>
#include <optional>

namespace zentadial {

// Where the settings file lives and how it is read and written; tests keep
// the settings in memory instead.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The folder the program runs from, made the current directory at start.
    [[nodiscard]] virtual QString programFolder() const = 0;
    // Nothing when there is no settings file.
    [[nodiscard]] virtual std::optional<StoredSettings> load() = 0;
    // What failed, where and why, when the settings could not be saved.
    [[nodiscard]] virtual std::expected<void, QString> save(const StoredSettings& settings) = 0;
    // What the user should hear of the settings file after a load or a
    // save, once; empty when there is nothing to say.
    [[nodiscard]] virtual QString takeWarning() = 0;
};

} // namespace zentadial
