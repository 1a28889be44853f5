#include "platform/path_text.h"

#include "core/utf8_sequence.h"
#include "scenario/folder_path.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>
#ifdef Q_OS_LINUX
#include <climits>
#include <unistd.h>
#endif

namespace zentadial {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = kEscapeBase + 0x80;
constexpr char16_t kLastEscape = kEscapeBase + 0xFF;

} // namespace

QString pathFromUtf8(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        std::size_t run = 0;
        while (run < bytes.size()) {
            const std::size_t length = utf8Length(bytes.substr(run));
            if (length == 0) {
                break;
            }
            run += length;
        }
        text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(run));
        bytes.remove_prefix(run);
        if (!bytes.empty()) {
            text +=
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

std::string pathToUtf8(const QString& path) {
    std::string bytes;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        bytes += path.mid(runStart, end - runStart).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        const bool paired = i > 0 && path.at(i - 1).isHighSurrogate();
        if (unit >= kFirstEscape && unit <= kLastEscape && !paired) {
            flushRun(i);
            bytes += static_cast<char>(unit - kEscapeBase);
            runStart = i + 1;
        }
    }
    flushRun(path.size());
    return bytes;
}

QString folderFromSettingsBytes(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = utf8(view);
    return utf8.hasError() ? QString::fromLatin1(view) : text;
}

std::string folderPathBytes(const QString& text,
                            [[maybe_unused]] const std::string& settingsBytes) {
#ifndef Q_OS_WIN
    if (!settingsBytes.empty() && text == folderFromSettingsBytes(settingsBytes)) {
        return settingsBytes;
    }
#endif
    return pathToUtf8(text);
}

QString folderOfPath(const QString& path) {
    const std::string bytes = pathToUtf8(path);
    if (fileNameOf(bytes) == bytes) {
        return {};
    }
    return pathFromUtf8(folderOf(bytes));
}

QString joinedPath(const QString& folder, const QString& name) {
    return pathFromUtf8(joinPath(pathToUtf8(folder), pathToUtf8(name)));
}

bool isNameSeparator(QChar c) {
    return c.unicode() < 0x80 && isPathSeparator(static_cast<char>(c.unicode()));
}

QString programFolder() {
#ifdef Q_OS_LINUX
    std::string bytes(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", bytes.data(), bytes.size());
    if (length > 0 && static_cast<std::size_t>(length) < bytes.size()) {
        bytes.resize(static_cast<std::size_t>(length));
        return pathFromUtf8(folderOf(bytes));
    }
#endif
    return QCoreApplication::applicationDirPath();
}

QString nativeFolderText(const QString& folder) {
#ifdef Q_OS_WIN
    QString text = QDir::toNativeSeparators(folder);
    if (text.size() >= 2 && text.at(1) == QLatin1Char(':')) {
        text[0] = text.at(0).toLower();
    }
    return text;
#else
    return folder;
#endif
}

} // namespace zentadial
