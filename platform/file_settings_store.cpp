#include "platform/file_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zentadial {
namespace {

const QString kFileName = QString::fromUtf8(kSettingsFileName.data(), kSettingsFileName.size());

bool isPlainFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

// A file that is there but cannot be read still counts as there: its items
// are simply empty.
StoredSettings readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return readSettings(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::expected<void, QString> writeFile(const QString& path, const StoredSettings& settings) {
    const std::string bytes = writeSettings(settings);
    // Written beside the old file and renamed over it, so a crash or a full
    // disk never leaves half a settings file. Unbuffered, and flushed and
    // checked before the rename: a buffered write that fails only at the
    // commit would put an empty file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return std::unexpected(reason);
    }
    if (!file.commit()) {
        return std::unexpected(file.errorString());
    }
    return {};
}

bool folderIsWritable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

FileSettingsStore::FileSettingsStore(QString programFolder, QString userConfigFolder)
    : programFolder_(std::move(programFolder)), userConfigFolder_(std::move(userConfigFolder)) {}

QString FileSettingsStore::programFile() const {
    return QDir(programFolder_).filePath(kFileName);
}

QString FileSettingsStore::userFile() const {
    return QDir(userConfigFolder_).filePath(kFileName);
}

std::optional<StoredSettings> FileSettingsStore::load() {
    // Whichever file was saved last holds the settings: a save that fell
    // back to the user's folder leaves an older copy in the program folder.
    const bool programFileThere = isPlainFile(programFile());
    const bool userFileThere = isPlainFile(userFile());
    if (programFileThere && userFileThere) {
        const bool userNewer =
            QFileInfo(userFile()).lastModified() > QFileInfo(programFile()).lastModified();
        return readFile(userNewer ? userFile() : programFile());
    }
    if (programFileThere) {
        return readFile(programFile());
    }
    if (userFileThere) {
        return readFile(userFile());
    }
    return std::nullopt;
}

std::expected<void, QString> FileSettingsStore::save(const StoredSettings& settings) {
    if (folderIsWritable(programFolder_) && writeFile(programFile(), settings)) {
        return {};
    }
    if (!QDir().mkpath(userConfigFolder_)) {
        return std::unexpected(
            QStringLiteral("The settings could not be saved: the folder %1 could not be created.")
                .arg(QDir::toNativeSeparators(userConfigFolder_)));
    }
    if (auto written = writeFile(userFile(), settings); !written) {
        return std::unexpected(QStringLiteral("The settings could not be saved to %1: %2")
                                   .arg(QDir::toNativeSeparators(userFile()), written.error()));
    }
    return {};
}

} // namespace zentadial
