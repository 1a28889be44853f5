#include "platform/file_settings_store.h"

#include "platform/owned_file.h"
#include "platform/path_text.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace zentadial {
namespace {

const QString kFileName = QString::fromUtf8(kSettingsFileName.data(), kSettingsFileName.size());

// A settings file holds three short items; a longer one is read no further.
constexpr qsizetype kMaxSettingsBytes = 64 * 1024;

// The words are the window's, marked for translation where they stand.
QString translated(const char* text) {
    return QCoreApplication::translate("zentadial::FileSettingsStore", text);
}

bool isReadable(OwnedFileState state) {
    return state == OwnedFileState::Usable || state == OwnedFileState::ReadOnly;
}

bool isRefused(OwnedFileState state) {
    return state == OwnedFileState::Link || state == OwnedFileState::NotPlain ||
           state == OwnedFileState::OtherOwner;
}

// Why a file is left alone, to follow "it" in a sentence.
QString whyLeftAlone(OwnedFileState state) {
    switch (state) {
    case OwnedFileState::Link:
        return translated(QT_TRANSLATE_NOOP("zentadial::FileSettingsStore", "it is a link"));
    case OwnedFileState::NotPlain:
        return translated(
            QT_TRANSLATE_NOOP("zentadial::FileSettingsStore", "it is not a plain file"));
    case OwnedFileState::OtherOwner:
        return translated(
            QT_TRANSLATE_NOOP("zentadial::FileSettingsStore", "it belongs to another user"));
    case OwnedFileState::ReadOnly:
        return translated(QT_TRANSLATE_NOOP("zentadial::FileSettingsStore", "it is read-only"));
    case OwnedFileState::Missing:
    case OwnedFileState::Usable:
        break;
    }
    return {};
}

// A file that is there but cannot be read still counts as there: its items
// are simply empty.
StoredSettings readFile(const QString& path) {
    const std::optional<QByteArray> bytes = readOwnedFile(path, kMaxSettingsBytes);
    if (!bytes) {
        return {};
    }
    return readSettings(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

} // namespace

FileSettingsStore::FileSettingsStore(QString programFolder, QString userConfigFolder)
    : programFolder_(std::move(programFolder)), userConfigFolder_(std::move(userConfigFolder)) {}

QString FileSettingsStore::programFile() const {
    return joinedPath(programFolder_, kFileName);
}

QString FileSettingsStore::userFile() const {
    return joinedPath(userConfigFolder_, kFileName);
}

QString FileSettingsStore::takeWarning() {
    return std::exchange(warning_, QString());
}

// The program folder's file is left alone when it is no plain file of the
// user's; the user hears of it once, whether the start or the close finds it.
OwnedFileState FileSettingsStore::programFileState() {
    const OwnedFileState state = ownedFileState(programFile());
    if (isRefused(state) && !warned_) {
        warned_ = true;
        warning_ =
            translated(QT_TRANSLATE_NOOP(
                           "zentadial::FileSettingsStore",
                           "The settings file %1 is left alone: %2. Your settings are kept in "
                           "%3 instead."))
                .arg(QDir::toNativeSeparators(programFile()), whyLeftAlone(state),
                     QDir::toNativeSeparators(userFile()));
    }
    return state;
}

std::optional<StoredSettings> FileSettingsStore::load() {
    // Whichever file was saved last holds the settings: a save that fell
    // back to the user's folder leaves an older copy in the program folder.
    const bool programFileThere = isReadable(programFileState());
    const bool userFileThere = isReadable(ownedFileState(userFile()));
    if (programFileThere && userFileThere) {
        const bool userNewer = lastWritten(userFile()) > lastWritten(programFile());
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
    const std::string text = writeSettings(settings);
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    // A read-only file there is the user's choice: it stays as it is, and
    // the settings go to the user's folder.
    const OwnedFileState program = programFileState();
    if ((program == OwnedFileState::Missing || program == OwnedFileState::Usable) &&
        folderTakesFiles(programFolder_) && writeOwnedFile(programFile(), bytes)) {
        return {};
    }
    if (!QDir().mkpath(userConfigFolder_)) {
        return std::unexpected(
            translated(QT_TRANSLATE_NOOP(
                           "zentadial::FileSettingsStore",
                           "The settings could not be saved: the folder %1 could not be created."))
                .arg(QDir::toNativeSeparators(userConfigFolder_)));
    }
    if (auto written = writeOwnedFile(userFile(), bytes); !written) {
        const QString why = written.error().reason.isEmpty() ? whyLeftAlone(written.error().state)
                                                             : written.error().reason;
        return std::unexpected(
            translated(QT_TRANSLATE_NOOP("zentadial::FileSettingsStore",
                                         "The settings could not be saved to %1: %2"))
                .arg(QDir::toNativeSeparators(userFile()), why));
    }
    return {};
}

} // namespace zentadial
