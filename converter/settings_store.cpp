#include "converter/settings_store.h"

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

QString writeFile(const QString& path, const StoredSettings& settings) {
    const std::string bytes = writeSettings(settings);
    // Written beside the old file and renamed over it, so a crash or a full
    // disk never leaves half a settings file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        return file.errorString();
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
    // The program folder's file wins, unless the program folder cannot take
    // our writes and the user's own file holds what was saved last.
    const bool userFileCurrent = !folderIsWritable(programFolder_) && isPlainFile(userFile());
    if (isPlainFile(programFile()) && !userFileCurrent) {
        return readFile(programFile());
    }
    if (isPlainFile(userFile())) {
        return readFile(userFile());
    }
    return std::nullopt;
}

QString FileSettingsStore::save(const StoredSettings& settings) {
    QString programError;
    if (folderIsWritable(programFolder_)) {
        programError = writeFile(programFile(), settings);
        if (programError.isEmpty()) {
            return {};
        }
    }
    if (!QDir().mkpath(userConfigFolder_)) {
        return QStringLiteral(
                   "The settings could not be saved: the folder %1 could not be created.")
            .arg(QDir::toNativeSeparators(userConfigFolder_));
    }
    if (const QString userError = writeFile(userFile(), settings); !userError.isEmpty()) {
        return QStringLiteral("The settings could not be saved to %1: %2")
            .arg(QDir::toNativeSeparators(userFile()), userError);
    }
    return {};
}

} // namespace zentadial
